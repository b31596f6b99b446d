#include "core/Strength.h"

namespace {

// A value on a threshold takes the higher level. NaN compares false
// everywhere and so lands on excellent; no generator produces it.
Strength::Level levelFor(double bits)
{
    if (bits < 40)
        return Strength::weak;
    if (bits < 64)
        return Strength::fair;
    if (bits < 80)
        return Strength::good;
    if (bits < 112)
        return Strength::strong;
    return Strength::excellent;
}

} // namespace

Strength::Strength(double bits)
    : rating(levelFor(bits))
{}

QString Strength::label() const
{
    switch (rating) {
    case weak:
        return QStringLiteral("Weak");
    case fair:
        return QStringLiteral("Fair");
    case good:
        return QStringLiteral("Good");
    case strong:
        return QStringLiteral("Strong");
    case excellent:
        return QStringLiteral("Excellent");
    }
    return QString(); // not reached: every case returns above
}

Strength::Color Strength::color() const
{
    switch (rating) {
    case weak:
        return Color::red;
    case fair:
        return Color::orange;
    case good:
        return Color::yellow;
    case strong:
        return Color::yellowGreen;
    case excellent:
        return Color::mint;
    }
    return Color::red; // not reached: every case returns above
}
