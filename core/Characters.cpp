#include "core/Characters.h"

#include <QTextBoundaryFinder>

namespace Characters {

QStringList graphemes(const QString &text)
{
    QStringList result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        result.append(text.mid(start, end - start).normalized(QString::NormalizationForm_C));
        start = end;
    }
    return result;
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
    if (character.isEmpty())
        return false;
    const char32_t first = character.at(0).isHighSurrogate() && character.size() > 1
                               ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                               : character.at(0).unicode();
    return QChar::isSpace(first);
}

} // namespace Characters
