#include "core/SystemRandomSource.h"

#include <QtEndian>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_WIN)
#include <windows.h>
// after windows.h, which it needs
#include <bcrypt.h>
#elif defined(Q_OS_DARWIN)
#include <Security/SecRandom.h>
#else
#include <cerrno>
#include <sys/random.h>
#endif

namespace {

using Buffer = std::array<unsigned char, 4>;

bool fillFromSystem(Buffer &buffer)
{
#if defined(Q_OS_WIN)
    return BCRYPT_SUCCESS(BCryptGenRandom(nullptr, buffer.data(), ULONG(buffer.size()),
                                          BCRYPT_USE_SYSTEM_PREFERRED_RNG));
#elif defined(Q_OS_DARWIN)
    return SecRandomCopyBytes(kSecRandomDefault, buffer.size(), buffer.data()) == errSecSuccess;
#else
    for (;;) {
        const ssize_t got = getrandom(buffer.data(), buffer.size(), 0);
        if (got == ssize_t(buffer.size()))
            return true;
        if (got < 0 && errno == EINTR)
            continue;
        return false;
    }
#endif
}

std::atomic<SystemRandomSource::FailureNotice> failureNotice = nullptr;

[[noreturn]] void stopOnFailure()
{
    const char *const reason =
        "the system's secure random source failed; stopping rather than use a weaker one.";
    std::fprintf(stderr, "Tessellon: %s\n", reason);
    if (const SystemRandomSource::FailureNotice notice = failureNotice.exchange(nullptr))
        notice(reason);
    std::abort();
}

} // namespace

void SystemRandomSource::setFailureNotice(FailureNotice notice)
{
    failureNotice = notice;
}

quint32 SystemRandomSource::randomUInt32()
{
    Buffer buffer{};
    if (!fillFromSystem(buffer))
        stopOnFailure();
    return qFromLittleEndian<quint32>(buffer.data());
}
