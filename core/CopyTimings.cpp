#include "core/CopyTimings.h"

#include <QtGlobal>

std::chrono::milliseconds autoClearDelay()
{
    constexpr std::chrono::milliseconds minute{60'000};
#ifdef TESSELLON_TEST_SEAMS
    // Shorter only: whatever the environment says, no copy stays longer.
    bool ok = false;
    const int testDelay = qEnvironmentVariableIntValue("TESSELLON_TEST_CLEAR_AFTER_MS", &ok);
    if (ok && testDelay >= 0 && std::chrono::milliseconds(testDelay) < minute)
        return std::chrono::milliseconds(testDelay);
#endif
    return minute;
}
