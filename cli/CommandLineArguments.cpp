#include "cli/CommandLineArguments.h"

#include <QCoreApplication>

#include <cstring>

namespace {

constexpr char32_t keptByteBase = 0xDC00;

// The scalar value of one well-formed UTF-8 sequence at the start of the
// bytes, and its length; nothing for an ill-formed one (overlong, a
// surrogate, past U+10FFFF, cut short).
std::optional<std::pair<char32_t, int>> decodeOne(const unsigned char *bytes, size_t size)
{
    const unsigned char lead = bytes[0];
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                     : (lead >> 3) == 0x1E  ? 4 : 0;
    if (length == 0 || size_t(length) > size)
        return std::nullopt;
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (bytes[i] & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return std::pair(value, length);
}

QString decoded(const char *argument)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(argument);
    const size_t size = std::strlen(argument);
    QString text;
    for (size_t at = 0; at < size;) {
        if (const auto one = decodeOne(bytes + at, size - at)) {
            const char32_t value = one->first;
            text += QString::fromUcs4(&value, 1);
            at += size_t(one->second);
        } else {
            text += QChar(char16_t(keptByteBase + bytes[at]));
            ++at;
        }
    }
    return text;
}

} // namespace

QStringList commandLineArguments([[maybe_unused]] int argc, [[maybe_unused]] char *argv[])
{
#ifdef Q_OS_UNIX
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decoded(argv[i]);
    return arguments;
#else
    return QCoreApplication::arguments(); // already text on this platform
#endif
}

std::optional<unsigned char> undecodedByte(char32_t character)
{
    if (character >= keptByteBase + 0x80 && character <= keptByteBase + 0xFF)
        return static_cast<unsigned char>(character - keptByteBase);
    return std::nullopt;
}
