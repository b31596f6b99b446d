#include "core/GeneratedPassword.h"

#include <array>
#include <cmath>

namespace {

constexpr double guessesPerSecond = 1e11;
constexpr double secondsPerYear = 31'557'600.0; // 365.25 days

struct YearScale
{
    double scale;
    const char *word;
};

constexpr std::array<YearScale, 6> yearScales{{
    {1e3, "thousand"},
    {1e6, "million"},
    {1e9, "billion"},
    {1e12, "trillion"},
    {1e15, "quadrillion"},
    {1e18, "quintillion"},
}};

QString count(double value, const char *unit)
{
    return QString::number(static_cast<qint64>(std::trunc(value))) + u' ' + QLatin1StringView(unit);
}

QString scaledYears(double years)
{
    for (auto it = yearScales.rbegin(); it != yearScales.rend(); ++it) {
        if (it->scale <= years) {
            // Round half to even, as printf's %.0f does; the scale word
            // stays put even when this rounds up to 1000.
            const double value = std::nearbyint(years / it->scale);
            return QString::number(value, 'f', 0) + u' ' + QLatin1StringView(it->word)
                   + QLatin1StringView(" years");
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
        return QStringLiteral("effectively forever");
    if (seconds < 1)
        return QStringLiteral("instantly");
    if (seconds < 60)
        return count(seconds, "seconds");
    if (seconds < 3600)
        return count(seconds / 60, "minutes");
    if (seconds < 86'400)
        return count(seconds / 3600, "hours");
    if (seconds < secondsPerYear)
        return count(seconds / 86'400, "days");
    const double years = seconds / secondsPerYear;
    if (years < 1000)
        return count(years, "years");
    if (years >= 1e21)
        return QStringLiteral("effectively forever");
    return scaledYears(years);
}
