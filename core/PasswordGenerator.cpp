#include "core/PasswordGenerator.h"

#include "core/PassphraseLimit.h"
#include "core/Requirements.h"
#include "core/SecretWipe.h"
#include "core/Wordlist.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QVarLengthArray>

#include <cmath>

namespace PasswordGenerator {

namespace {

// Pools and word lists are far below 2^32 entries; a 32-bit draw indexes them.
quint32 drawIndex(RandomSource &random, qsizetype count)
{
    Q_ASSERT(count > 0 && quint64(count) <= 0xFFFF'FFFFull);
    return random.randomIndex(quint32(count));
}

// A record's id only has to be unique, not secret: SplitMix64 over a
// counter of this thread, seeded with one system draw, gives 122 bits that
// stay unique in practice for no system call, no lock and a handful of
// instructions, which keeps the system draws the whole cost of a short
// passphrase. (Qt's global generator would cost more to set up, 0.6 ms of a
// 4.8 ms tessellon-cli run, than the whole generation.)
QUuid makeRecordId()
{
    thread_local quint64 counter = QRandomGenerator::system()->generate64();
    const auto next = [] {
        quint64 z = (counter += 0x9E37'79B9'7F4A'7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBull;
        return z ^ (z >> 31);
    };
    const quint64 high = next(), low = next();
    const auto byte = [low](int i) { return uchar(low >> (8 * i)); };
    return QUuid(uint(high >> 32), ushort(high >> 16), ushort((high & 0x0FFF) | 0x4000), // version 4
                 uchar((byte(0) & 0x3F) | 0x80), // RFC 4122 variant
                 byte(1), byte(2), byte(3), byte(4), byte(5), byte(6), byte(7));
}

// Most characters are one UTF-16 unit: those are written in place, and
// the first longer one switches to appending.
QString joined(const QStringList &pool, const QVarLengthArray<quint32, 128> &indices)
{
    QString text(indices.size(), Qt::Uninitialized);
    QChar *out = text.data();
    qsizetype i = 0;
    for (; i < indices.size(); ++i) {
        const QString &character = pool.at(indices[i]);
        if (character.size() != 1) {
            text.truncate(i);
            break;
        }
        out[i] = character.front();
    }
    for (; i < indices.size(); ++i)
        text += pool.at(indices[i]);
    return text;
}

// Rules that fewer draws than one in a thousand meet are refused: the
// cost of a password stays bounded, and the message says why.
constexpr double rarestAccepted = 1.0 / 1000;
// Enough tries that running out is a one in e^64 event.
constexpr double triesPerExpectedDraw = 64;

// Whole numbers as far as a double holds them exactly, then in short.
QString oneIn(double acceptance)
{
    const double draws = std::round(1 / acceptance);
    return draws < 1e15 ? QLocale().toString(draws, 'f', 0) : QLocale().toString(draws, 'g', 3);
}

// Settings change far less often than passwords are drawn: the last
// requirements, counted once, serve until they do.
const std::variant<Requirements, GeneratorError> &requirementsFor(const Settings &settings)
{
    thread_local std::optional<std::pair<Settings, std::variant<Requirements, GeneratorError>>>
        last;
    if (!last || last->first != settings)
        last.emplace(settings, Requirements::from(settings));
    return last->second;
}

// The count for a passphrase limit, kept while the list and settings stay.
const BigCount &passphrasesWithin(const QStringList &words, const QStringList &separators,
                                  qint64 count, qint64 limit)
{
    // The list itself is kept, so that its buffer cannot be freed and
    // reused by another list that would then look the same.
    struct Counted
    {
        QStringList words, separators;
        qint64 count, limit;
        BigCount fitting;
    };
    thread_local std::optional<Counted> last;
    if (!last || last->words.constData() != words.constData() || last->words.size() != words.size()
        || last->separators != separators || last->count != count || last->limit != limit)
        last = Counted{words, separators, count, limit,
                       PassphraseLimit::countWithin(words, separators, count, limit)};
    return last->fitting;
}

GeneratedPassword makeRecord(QString text, double bits, qsizetype pool, qint64 units,
                             GeneratorMode mode)
{
    return GeneratedPassword{makeRecordId(), std::move(text), bits, pool, units, mode};
}

} // namespace

GenerationResult generate(const Settings &settings, RandomSource &random,
                          const WordlistProvider &words)
{
    if (settings.mode == GeneratorMode::words)
        return generatePassphrase(settings, words ? words() : Wordlist::chosenWords(settings),
                                  random);
    return generateCharacters(settings, random);
}

GenerationResult generateCharacters(const Settings &settings, RandomSource &random)
{
    const auto &built = requirementsFor(settings);
    if (const auto *error = std::get_if<GeneratorError>(&built))
        return *error;
    const Requirements &requirements = std::get<Requirements>(built);
    const QStringList &pool = requirements.pool();
    const qint64 length = requirements.length();
    if (requirements.count().isZero())
        return GeneratorError(GeneratorError::rulesUnmetAtLength, QString::number(length));
    const double acceptance = requirements.isOpen() ? 1.0 : requirements.acceptance();
    if (acceptance < rarestAccepted)
        return GeneratorError(GeneratorError::rulesTooRare, oneIn(acceptance));

    // Whole candidates until one meets the requirements, so that every
    // password that does is equally likely; no character is placed by force.
    QVarLengthArray<quint32, 128> indices(length);
    const qint64 tries = qint64(std::ceil(triesPerExpectedDraw / acceptance));
    bool met = false;
    for (qint64 attempt = 0; attempt < tries && !met; ++attempt) {
        for (quint32 &index : indices)
            index = drawIndex(random, pool.size());
        met = requirements.isOpen() || requirements.isMetBy(indices.data());
    }
    QString text = met ? joined(pool, indices) : QString();
    wipeMemory(indices.data(), size_t(indices.size()) * sizeof(quint32));
    if (!met)
        return GeneratorError(GeneratorError::rulesTooRare, oneIn(acceptance));

    const double bits = requirements.isOpen() ? std::log2(double(pool.size())) * double(length)
                                              : requirements.entropyBits();
    return makeRecord(std::move(text), bits, pool.size(), length, settings.mode);
}

GenerationResult generatePassphrase(const Settings &settings, const QStringList &words,
                                    RandomSource &random)
{
    if (words.size() < 2)
        return GeneratorError::wordlistUnavailable;

    const qint64 count = std::max<qint64>(settings.wordCount, 0);
    const QStringList separators = settings.effectiveSeparators();
    double bits = std::log2(double(words.size())) * double(count);
    if (separators.size() >= 2)
        bits += std::log2(double(separators.size())) * double(std::max<qint64>(count, 1) - 1);
    const qint64 limit = settings.passphraseLimit;
    double acceptance = 1.0;
    if (limit > 0) {
        const BigCount &fitting = passphrasesWithin(words, separators, count, limit);
        if (fitting.isZero())
            return GeneratorError(GeneratorError::passphraseTooLong, QString::number(limit));
        acceptance = std::exp2(fitting.log2() - bits);
        bits = fitting.log2();
        if (acceptance < rarestAccepted)
            return GeneratorError(GeneratorError::passphraseRarelyFits, oneIn(acceptance));
    }
    // Run together, words that begin others split more ways than one: a text
    // comes from at most chain^(count - 1) draws, so only that much is certain.
    if (separators.isEmpty() && count > 1)
        bits -= std::log2(double(Wordlist::prefixChain(words))) * double(count - 1);

    // All word indices first, in word order, then one separator per join;
    // a passphrase over the limit is drawn again whole.
    QVarLengthArray<quint32, 16> picks;
    QVarLengthArray<const QString *, 16> joins;
    qsizetype size = 0;
    const qint64 tries = qint64(std::ceil(triesPerExpectedDraw / acceptance));
    bool fits = false;
    for (qint64 attempt = 0; attempt < tries && !fits; ++attempt) {
        picks.clear();
        joins.clear();
        size = 0;
        for (qint64 i = 0; i < count; ++i) {
            picks.append(drawIndex(random, words.size()));
            size += words.at(picks.back()).size();
        }
        for (qsizetype i = 1; i < picks.size() && !separators.isEmpty(); ++i) {
            joins.append(separators.size() == 1
                             ? &separators.first()
                             : &separators.at(drawIndex(random, separators.size())));
            size += joins.back()->size();
        }
        fits = limit <= 0 || size <= limit;
    }
    if (!fits) {
        wipeMemory(picks.data(), size_t(picks.size()) * sizeof(quint32));
        return GeneratorError(GeneratorError::passphraseRarelyFits, oneIn(acceptance));
    }
    // Sized once and written in place: the draws should be all the cost.
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < picks.size(); ++i) {
        if (i > 0 && !joins.isEmpty())
            out = std::copy(joins[i - 1]->cbegin(), joins[i - 1]->cend(), out);
        out = std::copy(words.at(picks[i]).cbegin(), words.at(picks[i]).cend(), out);
    }
    wipeMemory(picks.data(), size_t(picks.size()) * sizeof(quint32));
    return makeRecord(std::move(text), bits, words.size(), count, GeneratorMode::words);
}

} // namespace PasswordGenerator
