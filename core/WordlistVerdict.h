#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A word list of the user's own, read and judged: the words kept, and every
// line left out with its reason, so that the strength shown for its
// passphrases rests on the words that are really there.
struct WordlistVerdict
{
    // Far above any list people use (the largest common ones are under
    // 1 MiB); what is larger is not a word list and is never read whole.
    static constexpr qint64 largestFile = 4 * 1024 * 1024;
    // 6^4: fewer words than four dice throws give under 10.3 bits a word.
    static constexpr qsizetype fewestWordsWithoutWarning = 1296;

    enum class Failure { none, unreadable, tooLarge, notUtf8, tooFewWords };
    enum class Refusal { controlCharacter, innerWhitespace, holdsSeparator };
    struct RefusedLine
    {
        qsizetype line; // from 1
        Refusal why;
        friend bool operator==(const RefusedLine &, const RefusedLine &) = default;
    };

    Failure failure = Failure::none;
    // NFC, surrounding whitespace and dice numbers gone, in file order, no
    // two equal once case-folded.
    QStringList words;
    qsizetype lines = 0; // lines that were not blank
    qsizetype duplicates = 0;
    QList<RefusedLine> refused;
    // Of the bytes read, in hex, so that a file changed since can be told.
    QByteArray sha256;

    static WordlistVerdict read(const QString &path);
    static WordlistVerdict judge(const QByteArray &data);

    bool usable() const { return failure == Failure::none; }
    bool warns() const { return usable() && words.size() < fewestWordsWithoutWarning; }
    double bitsPerWord() const;
    // A few sentences for the window and for tessellon-cli --check-word-list.
    QString summary() const;
};
