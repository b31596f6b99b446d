#include "core/Strength.h"

#include <QCoreApplication>

#include <array>

namespace {

// A value on a threshold takes the higher level. NaN compares false
// everywhere and so lands on excellent; no generator produces it.
Strength::Level levelFor(double bits)
{
    if (bits < 40)
        return Strength::Level::weak;
    if (bits < 64)
        return Strength::Level::fair;
    if (bits < 80)
        return Strength::Level::good;
    if (bits < 112)
        return Strength::Level::strong;
    return Strength::Level::excellent;
}

} // namespace

Strength::Strength(double bits)
    : m_level(levelFor(bits))
{}

QString Strength::label(Wording wording) const
{
    static constexpr std::array<const char *, 5> labels{
        QT_TRANSLATE_NOOP("Strength", "Weak"),      QT_TRANSLATE_NOOP("Strength", "Fair"),
        QT_TRANSLATE_NOOP("Strength", "Good"),      QT_TRANSLATE_NOOP("Strength", "Strong"),
        QT_TRANSLATE_NOOP("Strength", "Excellent"),
    };
    return worded(wording, "Strength", labels[size_t(m_level)]);
}

Strength::Color Strength::color() const
{
    switch (m_level) {
    case Level::weak:
        return Color::red;
    case Level::fair:
        return Color::orange;
    case Level::good:
        return Color::yellow;
    case Level::strong:
        return Color::yellowGreen;
    case Level::excellent:
        return Color::mint;
    }
    return Color::red; // not reached: every case returns above
}
