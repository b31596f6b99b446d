#include "core/RandomSource.h"

#include "core/SystemRandomSource.h"

quint32 RandomSource::randomIndex(quint32 upperBound)
{
    Q_ASSERT(upperBound >= 1);
    if (upperBound == 1)
        return 0;
    // 2^32 mod n, computed in 32 bits as (2^32 - n) mod n. A generation
    // draws many indices below one bound: the division is done once.
    thread_local quint32 lastBound = 0;
    thread_local quint32 threshold = 0;
    if (upperBound != lastBound) {
        threshold = (0u - upperBound) % upperBound;
        lastBound = upperBound;
    }
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
