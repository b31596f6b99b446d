#pragma once

#include "core/Wording.h"

#include <QString>

// The five-step rating of an entropy figure. Colours are roles: the
// interface maps each to the palette's light or dark value.
class Strength
{
public:
    enum class Level { weak, fair, good, strong, excellent };
    enum class Color { red, orange, yellow, yellowGreen, mint };

    explicit Strength(double bits);
    constexpr Strength(Level level)
        : m_level(level)
    {}

    Level level() const { return m_level; }
    QString label(Wording wording = Wording::userLanguage) const;
    Color color() const;

    friend bool operator==(Strength, Strength) = default;

private:
    Level m_level;
};
