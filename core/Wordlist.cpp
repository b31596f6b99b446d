#include "core/Wordlist.h"

#include "core/ResourceFiles.h"
#include "core/Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <array>
#include <atomic>
#include <mutex>
#include <optional>

using namespace Qt::StringLiterals;

namespace Wordlist {

namespace {

// Entries are separated by LF, but a CR directly before it forms one
// character with it (CR LF is a single grapheme), so that LF separates
// nothing. No other grapheme can absorb an LF, so this test is exact.
QStringList split(const QString &text)
{
    QStringList entries;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\n' || (i > 0 && text.at(i - 1) == u'\r'))
            continue;
        if (i > start)
            entries.append(text.mid(start, i - start));
        start = i + 1;
    }
    if (text.size() > start)
        entries.append(text.mid(start));
    return entries;
}

struct Shipped
{
    QLatin1StringView name;
    QLatin1StringView file;
    QStringView autonym;
};

constexpr std::array<Shipped, 3> shipped{{
    {"en"_L1, "wordlist.txt"_L1, u"English"},
    {"de"_L1, "wordlist-de.txt"_L1, u"Deutsch"},
    {"pt_BR"_L1, "wordlist-pt_BR.txt"_L1, u"Portugu\u00EAs (Brasil)"},
}};

// Which shipped list the interface's catalogue names, read when
// catalogues come and go rather than on every passphrase.
std::atomic<size_t> interfaceList{0};

// The index of a shipped list, or none.
std::optional<size_t> indexOf(QStringView name)
{
    for (size_t i = 0; i < shipped.size(); ++i) {
        if (shipped[i].name == name)
            return i;
    }
    return std::nullopt;
}

const QStringList &wordsAt(size_t i)
{
    // Each loads once, and other threads wait until that has finished.
    static std::array<std::once_flag, shipped.size()> loaded;
    static std::array<QStringList, shipped.size()> entries;
    std::call_once(loaded[i],
                   [i] { entries[i] = fromFile(ResourceFiles::locate(shipped[i].file)); });
    return entries[i];
}

// A name this version does not ship (a later one's) falls back as if none
// were chosen.
size_t chosenIndex(const Settings &settings)
{
    return indexOf(settings.wordList).value_or(interfaceList.load(std::memory_order_relaxed));
}

} // namespace

QStringList names()
{
    QStringList all;
    for (const Shipped &list : shipped)
        all << list.name;
    return all;
}

QString autonym(const QString &name)
{
    const std::optional<size_t> i = indexOf(name);
    return i ? shipped[*i].autonym.toString() : name;
}

const QStringList &words(const QString &name)
{
    if (const std::optional<size_t> i = indexOf(name))
        return wordsAt(*i);
    static const QStringList none;
    return none;
}

const QStringList &words()
{
    return wordsAt(0);
}

void followInterface()
{
    // A catalogue names the list of its language, so that a language gains
    // its list where the list ships; the others keep English.
    const QString name = QCoreApplication::translate(
        "Wordlist", "en", "the name of the shipped word list in this language: en, de or pt_BR");
    interfaceList.store(indexOf(name).value_or(0), std::memory_order_relaxed);
}

QString forInterface()
{
    return shipped[interfaceList.load(std::memory_order_relaxed)].name;
}

QString chosen(const Settings &settings)
{
    return shipped[chosenIndex(settings)].name;
}

const QStringList &chosenWords(const Settings &settings)
{
    return wordsAt(chosenIndex(settings));
}

QStringList fromFile(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return fromData(data);
}

QStringList fromData(const QByteArray &data)
{
    // Stateless, so that a sequence cut off at the end counts as an error.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(data);
    if (decoder.hasError())
        return {};
    return split(text);
}

} // namespace Wordlist
