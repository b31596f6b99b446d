#pragma once

#include <QtGlobal>

// Where generation gets its randomness. Production uses the system's
// secure source; tests may replay a fixed sequence of 32-bit values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // One uniformly distributed 32-bit value.
    virtual quint32 randomUInt32() = 0;

    // A uniformly distributed index in [0, upperBound), upperBound >= 1.
    // Rejection sampling with the rejected zone at the bottom of the 32-bit
    // range: exactly uniform, no modulo bias, no floating point.
    quint32 randomIndex(quint32 upperBound);

    // The process-wide system source.
    static RandomSource &system();
};
