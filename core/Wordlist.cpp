#include "core/Wordlist.h"

#include "core/ResourceFiles.h"

#include <QFile>
#include <QStringDecoder>

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

} // namespace

const QStringList &words()
{
    // Function-local statics initialise once, and other threads block
    // until that has finished.
    static const QStringList entries =
        fromFile(ResourceFiles::locate(QStringLiteral("wordlist.txt")));
    return entries;
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
