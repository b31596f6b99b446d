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
    const char *text; // "%1 thousand years"
};

constexpr std::array<YearScale, 6> yearScales{{
    {1e3, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 thousand years")},
    {1e6, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 million years")},
    {1e9, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 billion years")},
    {1e12, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 trillion years")},
    {1e15, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 quadrillion years")},
    {1e18, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 quintillion years")},
}};

QString translated(const char *text)
{
    return QCoreApplication::translate("GeneratedPassword", text);
}

// A whole count of a unit, such as "%1 seconds", cut down to the whole.
QString count(double value, const char *text)
{
    return translated(text).arg(static_cast<qint64>(std::trunc(value)));
}

QString scaledYears(double years)
{
    for (auto it = yearScales.rbegin(); it != yearScales.rend(); ++it) {
        if (it->scale <= years) {
            // Round half to even, as printf's %.0f does; the scale word
            // stays put even when this rounds up to 1000.
            const double value = std::nearbyint(years / it->scale);
            return translated(it->text).arg(QString::number(value, 'f', 0));
        }
    }
    return QString(); // not reached: every case returns above
}

} // namespace

QString GeneratedPassword::crackTime() const
{
    return humanDuration(std::exp2(entropyBits - 1.0) / guessesPerSecond);
}

QString GeneratedPassword::humanDuration(double seconds)
{
    if (!std::isfinite(seconds))
        return translated("effectively forever");
    if (seconds < 1)
        return translated("instantly");
    if (seconds < 60)
        return count(seconds, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 seconds"));
    if (seconds < 3600)
        return count(seconds / 60, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 minutes"));
    if (seconds < 86'400)
        return count(seconds / 3600, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 hours"));
    if (seconds < secondsPerYear)
        return count(seconds / 86'400, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 days"));
    const double years = seconds / secondsPerYear;
    if (years < 1000)
        return count(years, QT_TRANSLATE_NOOP("GeneratedPassword", "%1 years"));
    if (years >= 1e21)
        return translated("effectively forever");
    return scaledYears(years);
}
