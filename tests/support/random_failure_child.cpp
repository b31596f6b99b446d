// One generation on a system random source that fails ("fail") or is
// interrupted three times ("interrupted"): the process must stop showing no
// password, or go on. This getrandom stands in for the C library's.
#include "core/PasswordGenerator.h"
#include "core/SystemRandomSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/random.h>
#include <sys/syscall.h>
#include <unistd.h>

static int interruptionsLeft = 0;
static bool failHard = true;

extern "C" ssize_t getrandom(void *buffer, size_t length, unsigned int flags)
{
    if (interruptionsLeft > 0 || failHard) {
        errno = interruptionsLeft-- > 0 ? EINTR : EIO;
        return -1;
    }
    return syscall(SYS_getrandom, buffer, length, flags);
}

int main(int argc, char **argv)
{
    failHard = argc < 2 || std::strcmp(argv[1], "interrupted") != 0;
    interruptionsLeft = failHard ? 0 : 3;
    SystemRandomSource::setFailureNotice([](const char *reason) {
        std::printf("told: %s\n", reason);
        std::fflush(stdout);
    });
    const GenerationResult result = PasswordGenerator::generate(Settings());
    // The length only: a password never reaches a terminal.
    if (const auto *password = std::get_if<GeneratedPassword>(&result))
        std::printf("generated %lld characters\n", static_cast<long long>(password->text.size()));
    return 0;
}
