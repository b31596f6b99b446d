#include "core/GeneratedPassword.h"

#include <QCoreApplication>

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
    if (years < 1000)
        return count(years, QT_TRANSLATE_N_NOOP("GeneratedPassword", "%n years"), wording);
    if (years >= 1e21)
        return worded(wording, context, endless);
    return scaledYears(years, wording);
}
