#pragma once

#include <chrono>

// How long a copy stays on the clipboard before it is cleared: a minute. In
// a build with the tests, and there alone, TESSELLON_TEST_CLEAR_AFTER_MS
// shortens it for the tests of the built programs; it can never lengthen it.
std::chrono::milliseconds autoClearDelay();

// How long a copy stays on the clipboard, and how long the window says
// "Copied". Tests of the model shorten them directly.
struct CopyTimings
{
    std::chrono::milliseconds autoClear = autoClearDelay();
    std::chrono::milliseconds acknowledgement{1'600};
};
