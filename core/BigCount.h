#pragma once

#include <QtGlobal>

#include <compare>
#include <vector>

// A count of passwords, exact at any size: 76 characters to the 128th power
// is an 800-bit number, and the strength figures are taken from its
// logarithm rather than from an estimate.
class BigCount
{
public:
    BigCount(quint64 value = 0);

    static BigCount power(quint32 base, qint64 exponent);

    BigCount &operator+=(const BigCount &other);
    // Only a smaller or equal count may be taken away.
    BigCount &operator-=(const BigCount &other);
    BigCount &operator*=(quint32 factor);

    bool isZero() const { return m_limbs.empty(); }
    // log2 of the count; minus infinity for zero.
    double log2() const;

    friend std::strong_ordering operator<=>(const BigCount &a, const BigCount &b);
    friend bool operator==(const BigCount &, const BigCount &) = default;

private:
    void trim();

    std::vector<quint32> m_limbs; // least significant first, no leading zero limb
};
