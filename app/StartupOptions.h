#pragma once

#include <optional>

// The window program's command line: --help and --version, answered
// without a display, and Qt's own options, passed on. The window takes no
// option of its own, since the stored settings alone configure it. Gives
// the exit status when the program should stop at once: 0 after help or
// version, 2 after a usage error.
std::optional<int> answerCommandLine(int argc, char *argv[]);
