#pragma once

#include "core/RandomSource.h"

// The operating system's CSPRNG, four bytes per draw. A failure stops the
// process: there is no fallback to a weaker source and no retry, apart from
// a read interrupted by a signal.
class SystemRandomSource final : public RandomSource
{
public:
    quint32 randomUInt32() override;

    // Told the reason just before the process stops, by a program that can
    // tell its user better than standard error can (the window's dialog).
    // Told once: a failure while it is telling stops at once.
    using FailureNotice = void (*)(const char *reason);
    static void setFailureNotice(FailureNotice notice);
};
