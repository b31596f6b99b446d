#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct Settings;

// The passphrase vocabularies shipped beside the program: English (the
// EFF's list, "wordlist.txt"), German and Brazilian Portuguese, each read
// once per process on first use and kept unchanged afterwards.
namespace Wordlist {

// The shipped lists by name: "en", "de", "pt_BR".
QStringList names();
// A list's name in its own language ("Deutsch").
QString autonym(const QString &name);

// A list's entries in file order, duplicates included. Empty for a name
// not shipped, or when the file is missing, unreadable or not UTF-8; there
// is no retry. The first call from any thread loads it; concurrent callers
// wait for that load.
const QStringList &words(const QString &name);
// The English list.
const QStringList &words();

// Reads again which list the installed catalogue names: whoever installs
// or removes catalogues calls it. Until then, English.
void followInterface();
// The list of the interface's language, as its catalogue named it when
// last followed; English where no list in that language is shipped.
QString forInterface();
// The list the settings choose: theirs, or until one is chosen, the
// interface's.
QString chosen(const Settings &settings);
// Its entries, found without a lookup of the catalogue: this is on every
// passphrase's path.
const QStringList &chosenWords(const Settings &settings);

// The entries of a word-list file, or none when it cannot be read.
QStringList fromFile(const QString &path);
// The entries of raw file bytes, or none when they are not UTF-8.
QStringList fromData(const QByteArray &data);

} // namespace Wordlist
