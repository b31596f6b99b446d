#pragma once

#include <QString>

// The five-step rating of an entropy figure. Colours are roles: the
// interface maps each to the palette's light or dark value.
class Strength
{
public:
    enum Level { weak, fair, good, strong, excellent };
    enum class Color { red, orange, yellow, yellowGreen, mint };

    explicit Strength(double bits);
    constexpr Strength(Level level)
        : rating(level)
    {}

    Level level() const { return rating; }
    QString label() const;
    Color color() const;

    friend bool operator==(Strength, Strength) = default;

private:
    Level rating;
};
