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
// Wiping also lets the buffer's pages go to swap again.
void wipeInPlace(const QString &text);
void wipeInPlace(const QByteArray &bytes);

// Keeps the pages that hold a secret's buffer out of swap until it is wiped
// or let go, where the system allows the program to lock them; where it
// does not, says so once on standard error. Pages shared with other locked
// buffers stay locked until the last of them goes.
void lockInMemory(const QString &text);
void lockInMemory(const QByteArray &bytes);

// For a secret dropped without a wipe, because another holder still needs
// its text.
void unlockFromMemory(const QString &text);
