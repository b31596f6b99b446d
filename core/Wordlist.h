#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The passphrase vocabulary, read once per process from the shipped file
// "wordlist.txt" and kept unchanged afterwards.
class Wordlist
{
public:
    Wordlist() = delete;

    // The entries in file order, duplicates included. Empty when the file
    // is missing, unreadable or not UTF-8; there is no retry. The first
    // call from any thread loads it; concurrent callers wait for that load.
    static const QStringList &words();

    // The entries of a word-list file, or none when it cannot be read.
    static QStringList fromFile(const QString &path);
    // The entries of raw file bytes, or none when they are not UTF-8.
    static QStringList fromData(const QByteArray &data);
};
