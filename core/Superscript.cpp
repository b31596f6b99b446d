#include "core/Superscript.h"

#include <QTextBoundaryFinder>

#include <array>

QString superscripted(const QString &text)
{
    static constexpr std::array<char16_t, 10> superscriptDigits{
        u'\u2070', u'\u00B9', u'\u00B2', u'\u00B3', u'\u2074',
        u'\u2075', u'\u2076', u'\u2077', u'\u2078', u'\u2079'};
    // Only a digit that stands alone as a character is replaced: a digit
    // carrying a combining mark (a keycap, say) is another character.
    QString result = text;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        const QChar unit = text.at(start);
        if (end - start == 1 && unit >= u'0' && unit <= u'9')
            result[start] = QChar(superscriptDigits[unit.unicode() - u'0']);
        start = end;
    }
    return result;
}
