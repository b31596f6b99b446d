#pragma once

#include <QFile>
#include <QString>

// Copies of a text (UTF-16, -8 or -32, live or freed) in a process's writable memory, as root or a
// core dump could read it (/proc/PID/mem). The sanitizer's shadow: heap bits, no text, too large.
inline int copiesInMemory(qint64 pid, const QString &text)
{
    const QList<uint> utf32 = text.toUcs4();
    const QByteArray forms[] = {
        QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2), text.toUtf8(),
        QByteArray(reinterpret_cast<const char *>(utf32.constData()), utf32.size() * 4)};
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    QFile memory(QStringLiteral("/proc/%1/mem").arg(pid));
    if (!maps.open(QIODevice::ReadOnly)
        || !memory.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    constexpr quint64 shadowStart = 0x7fff8000, shadowEnd = 0x10007fff8000;
    int found = 0;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 5 || !fields[1].startsWith("rw"))
            continue;
        const QList<QByteArray> range = fields[0].split('-');
        const quint64 start = range[0].toULongLong(nullptr, 16);
        const quint64 end = range[1].toULongLong(nullptr, 16);
        if (start < shadowEnd && end > shadowStart)
            continue;
        constexpr quint64 chunk = 1 << 20, overlap = 4096; // longer than any form
        for (quint64 at = start; at < end; at += chunk) {
            if (!memory.seek(qint64(at)))
                break;
            const QByteArray bytes = memory.read(qint64(qMin(chunk + overlap, end - at)));
            for (const QByteArray &form : forms) {
                for (qsizetype i = bytes.indexOf(form); i >= 0 && i < qsizetype(chunk);
                     i = bytes.indexOf(form, i + 1))
                    ++found;
            }
        }
    }
    return found;
}

// Whether the page holding this address is locked in memory, out of swap: smaps' flags say "lo".
inline bool lockedInMemory(const void *address)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return false;
    const auto at = quintptr(address);
    bool inside = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QByteArray first = line.left(line.indexOf(' '));
        if (first.contains('-') && !first.contains(':')) {
            const QList<QByteArray> range = first.split('-');
            inside =
                range[0].toULongLong(nullptr, 16) <= at && at < range[1].toULongLong(nullptr, 16);
        } else if (inside && first == "VmFlags:") {
            return line.split(' ').contains("lo");
        }
    }
    return false;
}
