// Runs one generation with a system random source that fails, to prove that
// the process stops and shows no password. The getrandom defined here takes
// the place of the C library's for this program only.
#include "core/PasswordGenerator.h"
#include "core/SystemRandomSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/random.h>
#include <sys/syscall.h>
#include <unistd.h>

// "fail": every read fails. "interrupted": three reads are interrupted by a
// signal, then the real source answers; generation must go on.
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
    // As the window does: told before the stop.
    SystemRandomSource::setFailureNotice([](const char *reason) {
        std::printf("told: %s\n", reason);
        std::fflush(stdout);
    });
    const GenerationResult result = PasswordGenerator::generate(Settings());
    if (const auto *password = std::get_if<GeneratedPassword>(&result)) {
        // The length only: a password never reaches a terminal.
        std::printf("generated %lld characters\n", static_cast<long long>(password->text.size()));
        return 0;
    }
    return 2;
}
