#pragma once

#include "core/RandomSource.h"

// The operating system's CSPRNG, four bytes per draw. A failure stops the
// process: there is no fallback to a weaker source and no retry, apart from
// a read interrupted by a signal.
class SystemRandomSource final : public RandomSource
{
public:
    quint32 randomUInt32() override;
};
