#include "core/GeneratedPassword.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

#include <array>
#include <cmath>

namespace {

constexpr double guessesPerSecond = 1e11;
constexpr double secondsPerYear = 31'557'600.0; // 365.25 days

struct YearScale
{
    double scale;
    const char *text; // "%n thousand years"
};

constexpr std::array<YearScale, 6> yearScales{{
    {1e3, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n thousand years")},
    {1e6, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n million years")},
    {1e9, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n billion years")},
    {1e12, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n trillion years")},
    {1e15, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n quadrillion years")},
    {1e18, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n quintillion years")},
}};

constexpr const char *context = "GeneratedPassword";

// A whole count of a unit, such as "%n seconds", cut down to the whole.
QString count(double value, const char *text, Wording wording)
{
    return worded(wording, context, text, int(std::trunc(value)));
}

// How a language counts years in the large: by thousands (thousand,
// million, billion …), or by ten thousands, as Japanese and Chinese do
// (万, 億, 兆, 京). A catalogue of the second kind gives the words of that
// scale; none, of the first.
QStringList myriadScale(Wording wording)
{
    //: Write "thousands" if your language counts large numbers by thousands.
    //: If it counts by ten thousands, write the words for 10^4, 10^8, 10^12
    //: and 10^16 years instead, each with %n, parted by "|": %n万年|%n億年|%n兆年|%n京年
    const QStringList words =
        worded(wording, context, QT_TRANSLATE_NOOP("GeneratedPassword", "thousands")).split(u'|');
    return words.size() == 4 ? words : QStringList();
}

QString scaledMyriads(double years, const QStringList &words)
{
    for (int power = 3; power >= 0; --power) {
        const double scale = std::pow(1e4, power + 1);
        if (scale <= years) {
            QString text = words.at(power);
            return text.replace(u"%n"_s, QString::number(std::nearbyint(years / scale), 'f', 0));
        }
    }
    return QString(); // not reached: the first scale is the least count shown
}

QString scaledYears(double years, Wording wording)
{
    for (auto it = yearScales.rbegin(); it != yearScales.rend(); ++it) {
        if (it->scale <= years) {
            // Round half to even, as printf's %.0f does; the scale word
            // stays put even when this rounds up to 1000.
            return worded(wording, context, it->text, int(std::nearbyint(years / it->scale)));
        }
    }
    return QString(); // not reached: every case returns above
}

} // namespace

QString GeneratedPassword::crackTime(Wording wording) const
{
    return humanDuration(std::exp2(entropyBits - 1.0) / guessesPerSecond, wording);
}

QString GeneratedPassword::humanDuration(double seconds, Wording wording)
{
    const char *const endless = QT_TRANSLATE_NOOP("GeneratedPassword", "effectively forever");
    if (!std::isfinite(seconds))
        return worded(wording, context, endless);
    if (seconds < 1)
        return worded(wording, context, QT_TRANSLATE_NOOP("GeneratedPassword", "instantly"));
    if (seconds < 60)
        return count(seconds, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n seconds"), wording);
    if (seconds < 3600)
        return count(seconds / 60, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n minutes"), wording);
    if (seconds < 86'400)
        return count(seconds / 3600, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n hours"), wording);
    if (seconds < secondsPerYear)
        return count(seconds / 86'400, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n days"),
                     wording);
    const double years = seconds / secondsPerYear;
    const QStringList myriads = myriadScale(wording);
    if (years < (myriads.isEmpty() ? 1e3 : 1e4))
        return count(years, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n years"), wording);
    if (years >= 1e21)
        return worded(wording, context, endless);
    return myriads.isEmpty() ? scaledYears(years, wording) : scaledMyriads(years, myriads);
}
