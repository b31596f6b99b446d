#include "core/WordlistVerdict.h"

#include "core/Settings.h"
#include "core/Wordlist.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("WordlistVerdict", source);
}

// The dice form numbers each word ("11111 abacus"); a file is in it when
// every line that is not blank is.
bool inDiceForm(const QStringList &lines)
{
    static const QRegularExpression numbered(u"^\\s*\\d+[ \\t]+\\S"_s);
    bool any = false;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (!numbered.match(line).hasMatch())
            return false;
        any = true;
    }
    return any;
}

std::optional<WordlistVerdict::Refusal> refusal(const QString &word)
{
    for (const QChar c : word) {
        if (c.isSpace())
            return WordlistVerdict::Refusal::innerWhitespace;
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return WordlistVerdict::Refusal::controlCharacter;
    }
    // Whichever separators the window offers are chosen, a passphrase splits
    // back into its words.
    for (const QString &separator : Settings::separatorChoices()) {
        if (word.contains(separator))
            return WordlistVerdict::Refusal::holdsSeparator;
    }
    return std::nullopt;
}

// The first few line numbers, then an ellipsis.
QString lineNumbers(const QList<WordlistVerdict::RefusedLine> &refused,
                    WordlistVerdict::Refusal why)
{
    QStringList numbers;
    qsizetype more = 0;
    for (const auto &line : refused) {
        if (line.why != why)
            continue;
        if (numbers.size() < 5)
            numbers << QString::number(line.line);
        else
            ++more;
    }
    return numbers.join(u", "_s) + (more ? u"\u2026"_s : QString());
}

} // namespace

WordlistVerdict WordlistVerdict::read(const QString &path)
{
    QFile file(path);
    WordlistVerdict verdict;
    if (!file.open(QIODevice::ReadOnly)) {
        verdict.failure = Failure::unreadable;
        return verdict;
    }
    // A pipe tells no size and gives what it has: read until its end, or
    // one byte past the limit, to know.
    QByteArray data;
    while (data.size() <= largestFile) {
        const QByteArray piece = file.read(largestFile + 1 - data.size());
        if (piece.isEmpty())
            break;
        data += piece;
    }
    if (file.error() != QFileDevice::NoError)
        verdict.failure = Failure::unreadable;
    else if (data.size() > largestFile)
        verdict.failure = Failure::tooLarge;
    return verdict.usable() ? judge(data) : verdict;
}

WordlistVerdict WordlistVerdict::judge(const QByteArray &data)
{
    WordlistVerdict verdict;
    verdict.sha256 = QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(data);
    if (decoder.hasError()) {
        verdict.failure = Failure::notUtf8;
        return verdict;
    }
    const QStringList lines = decoded.normalized(QString::NormalizationForm_C).split(u'\n');
    static const QRegularExpression diceNumber(u"^\\s*\\d+"_s);
    const bool dice = inDiceForm(lines);
    QSet<QString> seen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString word = (dice ? QString(lines[i]).remove(diceNumber) : lines[i]).trimmed();
        if (word.isEmpty())
            continue;
        ++verdict.lines;
        if (const auto why = refusal(word)) {
            verdict.refused.append({i + 1, *why});
            continue;
        }
        const QString folded = word.toCaseFolded();
        if (seen.contains(folded)) {
            ++verdict.duplicates;
            continue;
        }
        seen.insert(folded);
        verdict.words.append(word);
    }
    if (verdict.words.size() < 2)
        verdict.failure = Failure::tooFewWords;
    return verdict;
}

double WordlistVerdict::bitsPerWord() const
{
    return words.size() < 2 ? 0.0 : std::log2(double(words.size()));
}

QString WordlistVerdict::summary() const
{
    switch (failure) {
    case Failure::unreadable:
        return text(QT_TRANSLATE_NOOP("WordlistVerdict", "The file can't be read."));
    case Failure::tooLarge:
        return text(QT_TRANSLATE_NOOP("WordlistVerdict",
                                      "The file is larger than 4 MiB: no word list is that long."));
    case Failure::notUtf8:
        return text(QT_TRANSLATE_NOOP("WordlistVerdict", "The file is not UTF-8 text."));
    case Failure::none:
    case Failure::tooFewWords:
        break;
    }
    QStringList said;
    if (usable())
        said << text(QT_TRANSLATE_NOOP("WordlistVerdict", "Words kept: %1, %2 bits a word."))
                    .arg(QLocale().toString(words.size()),
                         QLocale().toString(bitsPerWord(), 'f', 1));
    else
        said << text(QT_TRANSLATE_NOOP("WordlistVerdict", "Fewer than two different words."));
    if (duplicates > 0)
        said << text(QT_TRANSLATE_NOOP("WordlistVerdict", "Repeats dropped: %1."))
                    .arg(QLocale().toString(duplicates));
    const struct
    {
        Refusal why;
        const char *told;
    } reasons[] = {
        {Refusal::controlCharacter,
         QT_TRANSLATE_NOOP("WordlistVerdict",
                           "Lines left out for an invisible control character: %1.")},
        {Refusal::innerWhitespace,
         QT_TRANSLATE_NOOP("WordlistVerdict", "Lines left out for a space inside a word: %1.")},
        {Refusal::holdsSeparator,
         QT_TRANSLATE_NOOP("WordlistVerdict", "Lines left out for a separator inside a word: %1.")},
    };
    for (const auto &[why, told] : reasons) {
        if (std::ranges::find(refused, why, &RefusedLine::why) != refused.end())
            said << text(told).arg(lineNumbers(refused, why));
    }
    if (usable() && Wordlist::prefixChain(words) > 1)
        said << text(QT_TRANSLATE_NOOP("WordlistVerdict",
                                       "Some words begin others: with no separator, the strength "
                                       "counts only what can be told apart."));
    if (warns())
        said << text(QT_TRANSLATE_NOOP("WordlistVerdict",
                                       "Fewer than 1,296 words: each adds less than 10.3 bits, "
                                       "so a passphrase needs more of them."));
    return said.join(u' ');
}
