#include "core/SecretWipe.h"

#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <sys/syscall.h>
#endif

namespace {

std::size_t pageSize()
{
#if defined(Q_OS_WIN)
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    static const std::size_t size = info.dwPageSize;
#else
    static const std::size_t size = std::size_t(sysconf(_SC_PAGESIZE));
#endif
    return size;
}

bool lockPage(quintptr page)
{
#if defined(Q_OS_WIN)
    if (VirtualLock(reinterpret_cast<void *>(page), pageSize()))
        return true;
    errno = ENOMEM; // the working set's limit, the one reason there is
    return false;
#elif defined(Q_OS_LINUX)
    // The system call itself: a sanitizer's runtime turns mlock() into a no-op.
    return syscall(SYS_mlock, page, pageSize()) == 0;
#else
    return mlock(reinterpret_cast<void *>(page), pageSize()) == 0;
#endif
}

void unlockPage(quintptr page)
{
#if defined(Q_OS_WIN)
    VirtualUnlock(reinterpret_cast<void *>(page), pageSize());
#elif defined(Q_OS_LINUX)
    syscall(SYS_munlock, page, pageSize());
#else
    munlock(reinterpret_cast<void *>(page), pageSize());
#endif
}

const char *programName()
{
#if defined(__GLIBC__)
    return program_invocation_short_name;
#elif defined(Q_OS_DARWIN) || defined(Q_OS_FREEBSD)
    return getprogname();
#else
    return "tessellon";
#endif
}

// A page may hold several secrets, and one unlock undoes any number of
// locks: each page is counted, and each buffer known, so that a buffer
// wiped twice or locked twice counts once.
struct LockedPages
{
    std::mutex mutex;
    std::map<quintptr, std::size_t> buffers; // start → size
    std::map<quintptr, int> holders;         // page → buffers on it
    bool told = false;

    void lock(const void *data, std::size_t size)
    {
        const std::lock_guard guard(mutex);
        const auto start = quintptr(data);
        if (!buffers.emplace(start, size).second)
            return;
        int refused = 0;
        forEachPage(start, size, [&](quintptr page) {
            if (holders[page]++ == 0 && !lockPage(page))
                refused = errno;
        });
        if (refused != 0 && !told) {
            told = true;
            std::fprintf(stderr, "%s: cannot keep passwords out of swap: %s\n", programName(),
                         std::strerror(refused));
        }
    }

    void unlock(const void *data)
    {
        const std::lock_guard guard(mutex);
        const auto found = buffers.find(quintptr(data));
        if (found == buffers.end())
            return;
        forEachPage(found->first, found->second, [&](quintptr page) {
            if (--holders[page] == 0) {
                holders.erase(page);
                unlockPage(page);
            }
        });
        buffers.erase(found);
    }

    template <typename Visit> static void forEachPage(quintptr start, std::size_t size, Visit visit)
    {
        const quintptr first = start & ~quintptr(pageSize() - 1);
        for (quintptr page = first; page < start + size; page += pageSize())
            visit(page);
    }
};

LockedPages &lockedPages()
{
    static LockedPages pages;
    return pages;
}

} // namespace

void wipeMemory(void *data, std::size_t size)
{
    if (!data || size == 0)
        return;
#if defined(Q_OS_WIN)
    SecureZeroMemory(data, size);
#elif defined(Q_OS_DARWIN)
    memset_s(data, size, 0, size);
#else
    explicit_bzero(data, size);
#endif
}

void wipeInPlace(const QString &text)
{
    // A string made at run time owns writable memory; a literal's points
    // into the program and has no such owner.
    if (text.data_ptr().isMutable()) {
        wipeMemory(const_cast<QChar *>(text.constData()), std::size_t(text.size()) * sizeof(QChar));
        lockedPages().unlock(text.constData());
    }
}

void wipeInPlace(const QByteArray &bytes)
{
    // (Qt 6.4 gives its data pointer only through the non-const call.)
    if (const_cast<QByteArray &>(bytes).data_ptr().isMutable()) {
        wipeMemory(const_cast<char *>(bytes.constData()), std::size_t(bytes.size()));
        lockedPages().unlock(bytes.constData());
    }
}

void lockInMemory(const QString &text)
{
    if (text.data_ptr().isMutable() && !text.isEmpty())
        lockedPages().lock(text.constData(), std::size_t(text.size()) * sizeof(QChar));
}

void lockInMemory(const QByteArray &bytes)
{
    if (const_cast<QByteArray &>(bytes).data_ptr().isMutable() && !bytes.isEmpty())
        lockedPages().lock(bytes.constData(), std::size_t(bytes.size()));
}

void unlockFromMemory(const QString &text)
{
    lockedPages().unlock(text.constData());
}
