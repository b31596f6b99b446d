#include "core/Characters.h"

#include <QTextBoundaryFinder>

namespace Characters {

QList<qsizetype> boundaries(const QString &text)
{
    QList<qsizetype> result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.position(); at != -1; at = finder.toNextBoundary())
        result.append(at);
    return result;
}

QStringList graphemes(const QString &text)
{
    const QList<qsizetype> cuts = boundaries(text);
    QStringList result;
    for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
        result.append(
            text.mid(cuts[i], cuts[i + 1] - cuts[i]).normalized(QString::NormalizationForm_C));
    }
    return result;
}

char32_t firstScalar(QStringView character)
{
    if (character.isEmpty())
        return 0;
    if (character.size() > 1 && character.at(0).isHighSurrogate()
        && character.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(character.at(0), character.at(1));
    return character.at(0).unicode();
}

namespace {

// Shifts UTF-16 code units so that plain unit comparison yields code point
// order: surrogates move above U+E000..U+FFFF.
char16_t inCodePointOrder(char16_t unit)
{
    if (unit >= 0xE000)
        return char16_t(unit - 0x800);
    if (unit >= 0xD800)
        return char16_t(unit + 0x2000);
    return unit;
}

} // namespace

bool scalarLess(const QString &a, const QString &b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a.at(i).unicode();
        const char16_t y = b.at(i).unicode();
        if (x != y)
            return inCodePointOrder(x) < inCodePointOrder(y);
    }
    return a.size() < b.size();
}

bool isWhitespace(const QString &character)
{
    return !character.isEmpty() && QChar::isSpace(firstScalar(character));
}

} // namespace Characters
