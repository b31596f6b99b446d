#include "core/SystemRandomSource.h"

#include <QtEndian>

#include <array>
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

[[noreturn]] void stopOnFailure()
{
    std::fputs("Tessellon: the system's secure random source failed; "
               "stopping rather than use a weaker one.\n",
               stderr);
    std::abort();
}

} // namespace

quint32 SystemRandomSource::randomUInt32()
{
    Buffer buffer{};
    if (!fillFromSystem(buffer))
        stopOnFailure();
    return qFromLittleEndian<quint32>(buffer.data());
}
