#include "core/BigCount.h"

#include <cmath>
#include <limits>

BigCount::BigCount(quint64 value)
{
    for (; value != 0; value >>= 32)
        m_limbs.push_back(quint32(value));
}

BigCount BigCount::power(quint32 base, qint64 exponent)
{
    BigCount result(1);
    for (qint64 i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

BigCount &BigCount::operator+=(const BigCount &other)
{
    if (m_limbs.size() < other.m_limbs.size())
        m_limbs.resize(other.m_limbs.size(), 0);
    quint64 carry = 0;
    for (size_t i = 0; i < m_limbs.size(); ++i) {
        carry += quint64(m_limbs[i]) + (i < other.m_limbs.size() ? other.m_limbs[i] : 0);
        m_limbs[i] = quint32(carry);
        carry >>= 32;
    }
    if (carry != 0)
        m_limbs.push_back(quint32(carry));
    return *this;
}

BigCount &BigCount::operator-=(const BigCount &other)
{
    Q_ASSERT(*this >= other);
    qint64 borrow = 0;
    for (size_t i = 0; i < m_limbs.size(); ++i) {
        qint64 difference =
            qint64(m_limbs[i]) - (i < other.m_limbs.size() ? other.m_limbs[i] : 0) - borrow;
        borrow = difference < 0;
        m_limbs[i] = quint32(difference + (borrow << 32));
    }
    trim();
    return *this;
}

BigCount &BigCount::operator*=(quint32 factor)
{
    quint64 carry = 0;
    for (quint32 &limb : m_limbs) {
        carry += quint64(limb) * factor;
        limb = quint32(carry);
        carry >>= 32;
    }
    if (carry != 0)
        m_limbs.push_back(quint32(carry));
    trim();
    return *this;
}

double BigCount::log2() const
{
    if (isZero())
        return -std::numeric_limits<double>::infinity();
    // The top three limbs hold more bits than a double keeps.
    double top = 0;
    const size_t used = std::min<size_t>(3, m_limbs.size());
    for (size_t i = 0; i < used; ++i)
        top = top * 4294967296.0 + m_limbs[m_limbs.size() - 1 - i];
    return std::log2(top) + 32.0 * double(m_limbs.size() - used);
}

std::strong_ordering operator<=>(const BigCount &a, const BigCount &b)
{
    if (a.m_limbs.size() != b.m_limbs.size())
        return a.m_limbs.size() <=> b.m_limbs.size();
    for (size_t i = a.m_limbs.size(); i-- > 0;) {
        if (a.m_limbs[i] != b.m_limbs[i])
            return a.m_limbs[i] <=> b.m_limbs[i];
    }
    return std::strong_ordering::equal;
}

void BigCount::trim()
{
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}
