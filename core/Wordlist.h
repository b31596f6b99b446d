#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The passphrase vocabulary, read once per process from the shipped file
// "wordlist.txt" and kept unchanged afterwards.
namespace Wordlist {

// The entries in file order, duplicates included. Empty when the file is
// missing, unreadable or not UTF-8; there is no retry. The first call from
// any thread loads it; concurrent callers wait for that load.
const QStringList &words();

// The entries of a word-list file, or none when it cannot be read.
QStringList fromFile(const QString &path);
// The entries of raw file bytes, or none when they are not UTF-8.
QStringList fromData(const QByteArray &data);

} // namespace Wordlist
