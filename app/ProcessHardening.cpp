#include "app/ProcessHardening.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <sys/prctl.h>
#include <sys/resource.h>
#endif

void hardenProcess()
{
#if defined(Q_OS_LINUX)
    // Not dumpable: no ptrace from same-user processes, no /proc/PID/mem.
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#endif
}
