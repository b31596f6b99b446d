#include "core/SecretWipe.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <string.h>
#endif

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
    if (text.data_ptr().isMutable())
        wipeMemory(const_cast<QChar *>(text.constData()), std::size_t(text.size()) * sizeof(QChar));
}

void wipeInPlace(const QByteArray &bytes)
{
    // (Qt 6.4 gives its data pointer only through the non-const call.)
    if (const_cast<QByteArray &>(bytes).data_ptr().isMutable())
        wipeMemory(const_cast<char *>(bytes.constData()), std::size_t(bytes.size()));
}
