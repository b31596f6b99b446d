#pragma once

#include "core/GeneratorMode.h"

#include <QString>
#include <QUuid>

// One generated secret and its strength figures. Its identity is its id:
// two generations that happen to give the same text are still different.
struct GeneratedPassword
{
    QUuid id;
    QString text;
    double entropyBits = 0.0;
    qint64 poolSize = 0;  // choices per unit: pool characters or list words
    qint64 unitCount = 0; // characters or words drawn
    GeneratorMode mode = GeneratorMode::basic;

    // Time to find it at 1e11 guesses per second, on average half the space.
    QString crackTime() const;

    // Plain English duration text; no locale is applied.
    static QString humanDuration(double seconds);

    friend bool operator==(const GeneratedPassword &a, const GeneratedPassword &b)
    {
        return a.id == b.id;
    }
};
