#include "core/PassphraseLimit.h"

#include <QList>

namespace PassphraseLimit {

namespace {

// How many of the texts have each length up to the limit; longer ones can
// never fit and are left out.
QList<quint32> lengths(const QStringList &texts, qint64 limit)
{
    QList<quint32> histogram(limit + 1, 0);
    for (const QString &text : texts) {
        if (text.size() <= limit)
            ++histogram[text.size()];
    }
    return histogram;
}

// The ways to reach each total, adding one part of the histogram's lengths.
std::vector<BigCount> extended(const std::vector<BigCount> &totals, const QList<quint32> &histogram,
                               qint64 limit)
{
    std::vector<BigCount> next(size_t(limit + 1));
    for (qint64 total = 0; total <= limit; ++total) {
        if (totals[size_t(total)].isZero())
            continue;
        for (qint64 length = 0; total + length <= limit; ++length) {
            if (histogram[length] == 0)
                continue;
            BigCount ways = totals[size_t(total)];
            ways *= histogram[length];
            next[size_t(total + length)] += ways;
        }
    }
    return next;
}

} // namespace

BigCount countWithin(const QStringList &words, const QStringList &separators, qint64 wordCount,
                     qint64 limit)
{
    if (limit < 0 || wordCount <= 0)
        return BigCount();
    const QList<quint32> wordLengths = lengths(words, limit);
    QList<quint32> joinLengths = lengths(separators, limit);
    if (separators.isEmpty())
        joinLengths[0] = 1; // the words run together: one way, no length
    std::vector<BigCount> totals(size_t(limit + 1));
    totals[0] = BigCount(1);
    for (qint64 word = 0; word < wordCount; ++word) {
        if (word > 0)
            totals = extended(totals, joinLengths, limit);
        totals = extended(totals, wordLengths, limit);
    }
    BigCount all;
    for (const BigCount &ways : totals)
        all += ways;
    return all;
}

} // namespace PassphraseLimit
