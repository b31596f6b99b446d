#pragma once

#include <QList>

#include <cmath>

// Pearson's chi-square test against the uniform distribution.
namespace ChiSquare {

// A fair source fails a check at this level in at most one run in a million.
constexpr double falseAlarmRate = 1e-6;

// Regularised upper incomplete gamma Q(a, x), by series below a + 1 and by
// Lentz's continued fraction above (Numerical Recipes, 6.2).
inline double upperGamma(double a, double x)
{
    if (x <= 0)
        return 1.0;
    const double logPrefix = -x + a * std::log(x) - std::lgamma(a);
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 100000 && std::fabs(term) > std::fabs(sum) * 1e-15; ++n)
            sum += term *= x / (a + n);
        return 1.0 - sum * std::exp(logPrefix);
    }
    const double tiny = 1e-300;
    double b = x + 1 - a, c = 1 / tiny, d = 1 / b, h = d;
    for (int i = 1; i < 100000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = 1 / (std::fabs(d) < tiny ? tiny : d);
        c = b + an / c;
        c = std::fabs(c) < tiny ? tiny : c;
        h *= d * c;
        if (std::fabs(d * c - 1) < 1e-15)
            break;
    }
    return std::exp(logPrefix) * h;
}

// Probability that a uniform source gives counts at least this uneven.
inline double pValue(const QList<qint64> &counts)
{
    double total = 0;
    for (qint64 c : counts)
        total += double(c);
    const double expected = total / double(counts.size());
    double statistic = 0;
    for (qint64 c : counts)
        statistic += (double(c) - expected) * (double(c) - expected) / expected;
    return upperGamma(double(counts.size() - 1) / 2, statistic / 2);
}

} // namespace ChiSquare
