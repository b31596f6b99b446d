#pragma once

#include <QList>

#include <cmath>

// Pearson's chi-square test against the uniform distribution.
namespace ChiSquare {

// A fair source fails a check at this level in at most one run in a million.
constexpr double falseAlarmRate = 1e-6;

// The chance of counts at least this uneven from a uniform source, by Wilson
// and Hilferty's approximation, which far out in the tail overstates it (so
// never raises a false alarm).
inline double pValue(const QList<qint64> &counts)
{
    double total = 0;
    for (qint64 c : counts)
        total += double(c);
    const double expected = total / double(counts.size());
    double statistic = 0;
    for (qint64 c : counts)
        statistic += (double(c) - expected) * (double(c) - expected) / expected;
    const double degrees = double(counts.size() - 1), v = 2 / (9 * degrees);
    return 0.5 * std::erfc((std::cbrt(statistic / degrees) - 1 + v) / std::sqrt(2 * v));
}

} // namespace ChiSquare
