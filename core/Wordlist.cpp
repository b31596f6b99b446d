#include "core/Wordlist.h"

#include "core/ResourceFiles.h"
#include "core/Settings.h"
#include "core/WordlistVerdict.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <atomic>
#include <list>
#include <map>
#include <mutex>
#include <optional>

using namespace Qt::StringLiterals;

namespace Wordlist {

namespace {

// Entries are separated by LF, but a CR directly before it forms one
// character with it (CR LF is a single grapheme), so that LF separates
// nothing. No other grapheme can absorb an LF, so this test is exact.
// With inPlace, each entry reads its characters where they stand in text,
// which must outlive the list.
QStringList split(const QString &text, bool inPlace = false)
{
    const auto entry = [&](qsizetype start, qsizetype size) {
        return inPlace ? QString::fromRawData(text.constData() + start, size)
                       : text.mid(start, size);
    };
    QStringList entries;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\n' || (i > 0 && text.at(i - 1) == u'\r'))
            continue;
        if (i > start)
            entries.append(entry(start, i - start));
        start = i + 1;
    }
    if (text.size() > start)
        entries.append(entry(start, text.size() - start));
    return entries;
}

// The text of UTF-8 data, or none if it is not UTF-8. Stateless, so that
// a sequence cut off at the end counts as an error.
QString decoded(const QByteArray &data)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(data);
    return decoder.hasError() ? QString() : text;
}

// The text of a UTF-8 file, or none if it cannot be read whole.
QString textOfFile(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return file.error() == QFileDevice::NoError ? decoded(data) : QString();
}

struct Shipped
{
    QLatin1StringView name;
    QLatin1StringView file;
    QStringView autonym;
};

constexpr std::array<Shipped, 5> shipped{{
    {"en"_L1, "wordlist.txt"_L1, u"English"},
    {"de"_L1, "wordlist-de.txt"_L1, u"Deutsch"},
    {"pt_BR"_L1, "wordlist-pt_BR.txt"_L1, u"Portugu\u00EAs (Brasil)"},
    {"fr"_L1, "wordlist-fr.txt"_L1, u"Fran\u00E7ais"},
    {"es"_L1, "wordlist-es.txt"_L1, u"Espa\u00F1ol"},
}};

// Which shipped list the interface's catalogue names, read when
// catalogues come and go rather than on every passphrase.
std::atomic<size_t> interfaceList{0};

// The index of a shipped list, or none.
std::optional<size_t> indexOf(QStringView name)
{
    for (size_t i = 0; i < shipped.size(); ++i) {
        if (shipped[i].name == name)
            return i;
    }
    return std::nullopt;
}

const QStringList &wordsAt(size_t i)
{
    // Each loads once, and other threads wait until that has finished. Its
    // words stay in the file's text, kept for good: one block in place of
    // one a word, so that a passphrase's few words are found sooner. They
    // are only read (a word's utf16() would copy it into place, unlocked).
    static std::array<std::once_flag, shipped.size()> loaded;
    static std::array<QString, shipped.size()> texts;
    static std::array<QStringList, shipped.size()> entries;
    std::call_once(loaded[i], [i] {
        texts[i] = textOfFile(ResourceFiles::locate(shipped[i].file));
        entries[i] = split(texts[i], true);
    });
    return entries[i];
}

// A name this version does not ship (a later one's) falls back as if none
// were chosen.
size_t chosenIndex(const Settings &settings)
{
    return indexOf(settings.wordList).value_or(interfaceList.load(std::memory_order_relaxed));
}

qsizetype countPrefixChain(const QStringList &words)
{
    // Shorter words first, so that each word's prefixes are counted before it.
    QList<QStringView> byLength(words.cbegin(), words.cend());
    std::ranges::stable_sort(byLength, {}, &QStringView::size);
    QHash<QStringView, qsizetype> chain;
    qsizetype longest = words.isEmpty() ? 0 : 1;
    for (const QStringView word : byLength) {
        qsizetype here = 1;
        for (qsizetype n = 1; n < word.size(); ++n) {
            const auto found = chain.constFind(word.first(n));
            if (found != chain.cend())
                here = std::max(here, *found + 1);
        }
        chain.insert(word, here);
        longest = std::max(longest, here);
    }
    return longest;
}

} // namespace

QStringList names()
{
    QStringList all;
    for (const Shipped &list : shipped)
        all << list.name;
    return all;
}

QString autonym(const QString &name)
{
    const std::optional<size_t> i = indexOf(name);
    return i ? shipped[*i].autonym.toString() : name;
}

const QStringList &words(const QString &name)
{
    if (const std::optional<size_t> i = indexOf(name))
        return wordsAt(*i);
    static const QStringList none;
    return none;
}

const QStringList &words()
{
    return wordsAt(0);
}

void followInterface()
{
    // A catalogue names the list of its language, so that a language gains
    // its list where the list ships; the others keep English.
    const QString name = QCoreApplication::translate(
        "Wordlist", "en",
        "the name of the shipped word list in this language: en, de, pt_BR, fr or es");
    interfaceList.store(indexOf(name).value_or(0), std::memory_order_relaxed);
}

QString forInterface()
{
    return shipped[interfaceList.load(std::memory_order_relaxed)].name;
}

QString chosen(const Settings &settings)
{
    if (ownChosen(settings))
        return settings.wordList;
    return shipped[chosenIndex(settings)].name;
}

const QStringList &chosenWords(const Settings &settings)
{
    if (const WordlistVerdict *verdict = ownChosen(settings))
        return verdict->words;
    return wordsAt(chosenIndex(settings));
}

const WordlistVerdict *ownChosen(const Settings &settings)
{
    if (!isOwnFile(settings.wordList))
        return nullptr;
    const WordlistVerdict &verdict = own(settings.wordList);
    const bool same = settings.wordListSha256.isEmpty()
                      || settings.wordListSha256 == QLatin1StringView(verdict.sha256);
    return verdict.usable() && same ? &verdict : nullptr;
}

bool isOwnFile(const QString &name)
{
    return !name.isEmpty() && QDir::isAbsolutePath(name);
}

namespace {

// Each path's readings, the latest last; every reading is kept, so that
// no list handed out is freed while a passphrase is drawn from it.
const WordlistVerdict &ownReading(const QString &path, bool again)
{
    static std::mutex guard;
    static std::map<QString, std::list<WordlistVerdict>> readings;
    const std::scoped_lock lock(guard);
    std::list<WordlistVerdict> &kept = readings[path];
    if (again || kept.empty())
        kept.push_back(WordlistVerdict::read(path));
    return kept.back();
}

} // namespace

const WordlistVerdict &own(const QString &path)
{
    return ownReading(path, false);
}

const WordlistVerdict &readOwn(const QString &path)
{
    return ownReading(path, true);
}

qsizetype prefixChain(const QStringList &words)
{
    // The list itself is kept, so that its buffer cannot be freed and
    // reused by another list that would then look the same.
    thread_local std::optional<std::pair<QStringList, qsizetype>> last;
    if (!last || last->first.constData() != words.constData() || last->first.size() != words.size())
        last.emplace(words, countPrefixChain(words));
    return last->second;
}

QStringList fromFile(const QString &path)
{
    return split(textOfFile(path));
}

QStringList fromData(const QByteArray &data)
{
    return split(decoded(data));
}

} // namespace Wordlist
