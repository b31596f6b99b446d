#pragma once

#include <QString>
#include <QStringList>

// A "character" throughout Tessellon is one extended grapheme cluster, kept in
// NFC so that canonically equivalent characters compare equal.
namespace Characters {

// Where each character of the text starts, then where the text ends:
// n + 1 positions for n characters, so that no cut splits one.
QList<qsizetype> boundaries(const QString &text);

// Splits text into grapheme clusters, each normalised to NFC.
QStringList graphemes(const QString &text);

// The first Unicode scalar of a character; a lone surrogate stands for itself.
char32_t firstScalar(QStringView character);

// Orders by Unicode scalar values. QString's own operator< compares UTF-16
// code units, which puts characters above U+FFFF before U+E000..U+FFFF.
bool scalarLess(const QString &a, const QString &b);

// True when the character's first scalar has the White_Space property.
bool isWhitespace(const QString &character);

} // namespace Characters
