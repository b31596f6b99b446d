#include "core/RandomSource.h"

#include "core/SystemRandomSource.h"

quint32 RandomSource::randomIndex(quint32 upperBound)
{
    Q_ASSERT(upperBound >= 1);
    if (upperBound == 1)
        return 0;
    // 2^32 mod n, computed in 32 bits as (2^32 - n) mod n.
    const quint32 threshold = (0u - upperBound) % upperBound;
    quint32 value = randomUInt32();
    while (value < threshold)
        value = randomUInt32();
    return value % upperBound;
}

RandomSource &RandomSource::system()
{
    static SystemRandomSource source;
    return source;
}
