#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

// Overwrites memory with zeros in a way the compiler may not leave out as
// a dead store.
void wipeMemory(void *data, std::size_t size);

// Zeroes a secret's characters where they stand, for every holder of the
// buffer at once: fill() on a shared string detaches first and zeroes a
// fresh copy, leaving the secret where it was. Strings whose data is not
// writable (literals) are left alone.
void wipeInPlace(const QString &text);
void wipeInPlace(const QByteArray &bytes);
