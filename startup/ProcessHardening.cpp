#include "startup/ProcessHardening.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>
#endif

void hardenProcess([[maybe_unused]] const char *program)
{
#if defined(Q_OS_LINUX)
    const auto say = [program](const char *what) {
        std::fprintf(stderr, "%s: %s: %s\n", program, what, std::strerror(errno));
    };
    // Not dumpable: no ptrace from same-user processes, no /proc/PID/mem.
    if (prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
        say("cannot keep other processes out of its memory");
    const rlimit noCore{0, 0};
    if (setrlimit(RLIMIT_CORE, &noCore) != 0)
        say("cannot turn core files off");
#endif
}
