#include "core/PasswordGenerator.h"

#include "core/Wordlist.h"

#include <QRandomGenerator>
#include <QVarLengthArray>

#include <array>

#include <cmath>

namespace PasswordGenerator {

namespace {

// Pools and word lists are far below 2^32 entries; a 32-bit draw indexes them.
quint32 drawIndex(RandomSource &random, qsizetype count)
{
    Q_ASSERT(count > 0 && quint64(count) <= 0xFFFF'FFFFull);
    return random.randomIndex(quint32(count));
}

// A record's id only has to be unique, not secret: a version 4 UUID from a
// generator of this thread costs no system call and no lock, which keeps
// the system draws the whole cost of a short passphrase. It is seeded with
// one system draw: Qt's global generator would cost more to set up (0.6 ms
// of a 4.8 ms tessellon-cli run) than the whole generation.
QUuid makeRecordId()
{
    thread_local QRandomGenerator ids(QRandomGenerator::system()->generate());
    std::array<quint32, 4> bits;
    ids.fillRange(bits.data(), bits.size());
    const auto byte = [&](int i) { return uchar(bits[2 + i / 4] >> (8 * (i % 4))); };
    return QUuid(bits[0], ushort(bits[1]), ushort((bits[1] >> 16 & 0x0FFF) | 0x4000), // version 4
                 uchar((byte(0) & 0x3F) | 0x80), // RFC 4122 variant
                 byte(1), byte(2), byte(3), byte(4), byte(5), byte(6), byte(7));
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
        return generatePassphrase(settings, words ? words() : Wordlist::words(), random);
    return generateCharacters(settings, random);
}

GenerationResult generateCharacters(const Settings &settings, RandomSource &random)
{
    const QStringList pool = settings.effectivePool();
    if (pool.size() < 2)
        return GeneratorError::emptyAlphabet;

    const qint64 length = std::max<qint64>(settings.length, 0);
    // Most characters are one UTF-16 unit: those are written in place, and
    // the first longer one switches to appending.
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    qint64 i = 0;
    for (; i < length; ++i) {
        const QString &character = pool.at(drawIndex(random, pool.size()));
        if (character.size() != 1) {
            text.truncate(i);
            text += character;
            ++i;
            break;
        }
        out[i] = character.front();
    }
    for (; i < length; ++i)
        text += pool.at(drawIndex(random, pool.size()));

    const double bits = std::log2(double(pool.size())) * double(length);
    return makeRecord(std::move(text), bits, pool.size(), length, settings.mode);
}

GenerationResult generatePassphrase(const Settings &settings, const QStringList &words,
                                    RandomSource &random)
{
    if (words.size() < 2)
        return GeneratorError::wordlistUnavailable;

    const qint64 count = std::max<qint64>(settings.wordCount, 0);
    QVarLengthArray<quint32, 16> picks;
    for (qint64 i = 0; i < count; ++i)
        picks.append(drawIndex(random, words.size()));

    const QStringList separators = settings.effectiveSeparators();
    QVarLengthArray<const QString *, 16> joins;
    for (qsizetype i = 1; i < picks.size() && !separators.isEmpty(); ++i) {
        joins.append(separators.size() == 1 ? &separators.first()
                                            : &separators.at(drawIndex(random, separators.size())));
    }
    // Sized once and written in place: the draws should be all the cost.
    qsizetype size = 0;
    for (quint32 pick : picks)
        size += words.at(pick).size();
    for (const QString *join : joins)
        size += join->size();
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < picks.size(); ++i) {
        if (i > 0 && !joins.isEmpty())
            out = std::copy(joins[i - 1]->cbegin(), joins[i - 1]->cend(), out);
        out = std::copy(words.at(picks[i]).cbegin(), words.at(picks[i]).cend(), out);
    }

    double bits = std::log2(double(words.size())) * double(count);
    if (separators.size() >= 2)
        bits += std::log2(double(separators.size())) * double(std::max<qint64>(count, 1) - 1);
    return makeRecord(std::move(text), bits, words.size(), count, GeneratorMode::words);
}

} // namespace PasswordGenerator
