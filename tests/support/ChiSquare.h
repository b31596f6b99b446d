#pragma once

#include <QList>

#include <cmath>

// Pearson's chi-square test against the uniform distribution.
namespace ChiSquare {

inline double statistic(const QList<qint64> &counts)
{
    qint64 total = 0;
    for (qint64 c : counts)
        total += c;
    const double expected = double(total) / double(counts.size());
    double sum = 0;
    for (qint64 c : counts)
        sum += (double(c) - expected) * (double(c) - expected) / expected;
    return sum;
}

// Regularised upper incomplete gamma Q(a, x), by series below a + 1 and by
// Lentz's continued fraction above (Numerical Recipes, 6.2).
inline double upperGamma(double a, double x)
{
    if (x <= 0)
        return 1.0;
    const double logPrefix = -x + a * std::log(x) - std::lgamma(a);
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 100000 && std::fabs(term) > std::fabs(sum) * 1e-15; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1.0 - sum * std::exp(logPrefix);
    }
    const double tiny = 1e-300;
    double b = x + 1 - a, c = 1 / tiny, d = 1 / b, h = d;
    for (int i = 1; i < 100000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::fabs(d) < tiny ? tiny : d;
        c = b + an / c;
        c = std::fabs(c) < tiny ? tiny : c;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-15)
            break;
    }
    return std::exp(logPrefix) * h;
}

// Probability that a uniform source gives a statistic at least this large.
inline double pValue(const QList<qint64> &counts)
{
    const double degreesOfFreedom = double(counts.size() - 1);
    return upperGamma(degreesOfFreedom / 2, statistic(counts) / 2);
}

// A fair source fails a check at this level in at most one run in a million.
constexpr double falseAlarmRate = 1e-6;

} // namespace ChiSquare
