#include "core/Superscript.h"

#include "core/Characters.h"

#include <array>
#include <cmath>

QString superscripted(const QString &text)
{
    static constexpr std::array<char16_t, 10> superscriptDigits{
        u'\u2070', u'\u00B9', u'\u00B2', u'\u00B3', u'\u2074',
        u'\u2075', u'\u2076', u'\u2077', u'\u2078', u'\u2079'};
    // Only a digit that stands alone as a character is replaced: a digit
    // carrying a combining mark (a keycap, say) is another character.
    QString result = text;
    const QList<qsizetype> cuts = Characters::boundaries(text);
    for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
        const QChar unit = text.at(cuts[i]);
        if (cuts[i + 1] - cuts[i] == 1 && unit >= u'0' && unit <= u'9')
            result[cuts[i]] = QChar(superscriptDigits[unit.unicode() - u'0']);
    }
    return result;
}

qint64 wholeBits(double bits)
{
    const double whole = std::floor(bits);
    return std::isfinite(whole) && std::abs(whole) < 9.0e18 ? qint64(whole) : 0;
}

QString powerOfTwo(double bits)
{
    return u'2' + superscripted(QString::number(wholeBits(bits)));
}
