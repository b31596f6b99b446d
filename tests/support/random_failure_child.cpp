// One generation on our getrandom, not libc's: failing ("fail") or 3 times EINTR ("interrupted").
#include "core/PasswordGenerator.h"
#include "core/SystemRandomSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>

static int interruptions = -1; // below zero: every call fails

extern "C" ssize_t getrandom(void *buffer, size_t length, unsigned int flags)
{
    if (interruptions == 0)
        return syscall(SYS_getrandom, buffer, length, flags);
    errno = interruptions-- > 0 ? EINTR : EIO;
    return -1;
}

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "interrupted") == 0)
        interruptions = 3;
    std::setvbuf(stdout, nullptr, _IONBF, 0); // abort() flushes nothing
    SystemRandomSource::setFailureNotice(
        [](const char *reason) { std::printf("told: %s\n", reason); });
    // The length only: a password never reaches a terminal.
    const GenerationResult result = PasswordGenerator::generate(Settings());
    if (const auto *password = std::get_if<GeneratedPassword>(&result))
        std::printf("generated %lld characters\n", static_cast<long long>(password->text.size()));
}
