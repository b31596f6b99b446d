#pragma once

#include "core/GeneratorMode.h"
#include "core/Wording.h"

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
    QString crackTime(Wording wording = Wording::userLanguage) const;

    // A duration in words ("3 days"), its number cut down to the whole and
    // written without a locale's separators.
    static QString humanDuration(double seconds, Wording wording = Wording::userLanguage);

    friend bool operator==(const GeneratedPassword &a, const GeneratedPassword &b)
    {
        return a.id == b.id;
    }
};
