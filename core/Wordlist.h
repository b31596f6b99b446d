#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct Settings;
struct WordlistVerdict;

// The passphrase vocabularies shipped beside the program: English (the
// EFF's list, "wordlist.txt"), German, Brazilian Portuguese, French and
// Spanish, each read once per process on first use and kept unchanged
// afterwards; and lists of the user's own, from a file.
namespace Wordlist {

// The shipped lists by name: "en", "de", "pt_BR", "fr", "es".
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
// The list the settings choose: theirs (a shipped name or a file's path),
// or until one is chosen, the interface's.
QString chosen(const Settings &settings);
// Its entries, found without a lookup of the catalogue: this is on every
// passphrase's path.
const QStringList &chosenWords(const Settings &settings);

// Whether a list's name is the path of a file of the user's own.
bool isOwnFile(const QString &name);
// The user's own list the settings choose, when it is still the file that
// was chosen and holds a list; otherwise the choice falls back to the
// interface's list.
const WordlistVerdict *ownChosen(const Settings &settings);
// A file of the user's own, read and judged once per process and kept;
// a path not seen before is read now.
const WordlistVerdict &own(const QString &path);
// The file read and judged again, now, as when the user picks it anew;
// what was handed out before stays valid.
const WordlistVerdict &readOwn(const QString &path);

// The most words of the list that can begin one text, each beginning the
// next ("sun", "sunset"): with no separator, the most ways each word of a
// passphrase but the last can be split off. 1 where no word begins another.
// The last list's answer is kept, for the generator and the window alike.
qsizetype prefixChain(const QStringList &words);

// The entries of a word-list file, or none when it cannot be read.
QStringList fromFile(const QString &path);
// The entries of raw file bytes, or none when they are not UTF-8.
QStringList fromData(const QByteArray &data);

} // namespace Wordlist
