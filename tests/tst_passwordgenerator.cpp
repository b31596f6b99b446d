#include "core/PasswordGenerator.h"
#include "support/ChiSquare.h"
#include "support/ScriptedRandomSource.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cmath>

namespace {

// Length and word count alike, so that one number serves both kinds of row.
Settings make(QStringView mode, const QString &pool, qint64 units, const QString &separators = "_",
              bool excludeAmbiguous = false, const QString &extras = {})
{
    Settings settings;
    settings.mode = generatorModeFromRawValue(mode).value();
    settings.enabledCharacters = CharacterSet::fromText(pool);
    settings.length = settings.wordCount = units;
    settings.separators = CharacterSet::fromText(separators);
    settings.excludeAmbiguous = excludeAmbiguous;
    settings.additionalCharacters = extras;
    return settings;
}

// Replayed draws, to be used up exactly; no words stands for the shipped
// list (abacus, abdomen, abdominal, ... zoom) and no text for an error.
struct Replay
{
    Settings settings;
    QStringList words;
    QList<quint32> script;
    QString text;
    double bits;
    qint64 poolSize;
};

} // namespace

class TestPasswordGenerator : public QObject
{
    Q_OBJECT

private slots:
    // Values below 2^32 mod n are drawn again; what is left maps to value % n.
    void randomIndex_data()
    {
        QTest::addColumn<quint32>("count");
        QTest::addColumn<QList<quint32>>("script");
        QTest::addColumn<quint32>("index");
        QTest::newRow("one draws nothing") << 1u << QList<quint32>{} << 0u;
        QTest::newRow("three rejects only zero") << 3u << QList<quint32>{0, 1} << 1u;
        QTest::newRow("64 never rejects") << 64u << QList<quint32>{0} << 0u;
        QTest::newRow("76 rejects below 44") << 76u << QList<quint32>{43, 0, 44} << 44u;
        QTest::newRow("7776 rejects below 2560") << 7776u << QList<quint32>{2559, 2560} << 2560u;
        QTest::newRow("top of the range") << 7776u << QList<quint32>{0xFFFF'FFFFu} << 2559u;
        QTest::newRow("largest count")
            << 0xFFFF'FFFFu << QList<quint32>{0, 0xFFFF'FFFEu} << 0xFFFF'FFFEu;
    }

    void randomIndex()
    {
        QFETCH(quint32, count);
        QFETCH(QList<quint32>, script);
        QFETCH(quint32, index);
        ScriptedRandomSource random(script);
        QCOMPARE(random.randomIndex(count), index);
        QCOMPARE(random.draws(), script.size());
    }

    void generates_data()
    {
        QTest::addColumn<Replay>("replay");
        const QStringList four{"alpha", "bravo", "charlie", "delta"};
        QTest::newRow("shipped list; one separator is never drawn")
            << Replay(make(u"words", {}, 5), {}, {2559, 7776, 7776 + 7775, 7777, 7778, 7776},
                      "abacus_zoom_abdomen_abdominal_abacus", 5 * std::log2(7776.0), 7776);
        QTest::newRow("words first, then separators") << Replay(
            make(u"words", {}, 3, ".-"), four, {2, 0, 3, 1, 0}, "charlie.alpha-delta", 8, 4);
        QTest::newRow("no separator")
            << Replay(make(u"words", {}, 3, ""), four, {3, 2, 3}, "deltacharliedelta", 6, 4);
        QTest::newRow("excluded separator leaves one")
            << Replay(make(u"words", {}, 2, "0-", true), four, {0, 1}, "alpha-bravo", 4, 4);
        QTest::newRow("extras in, ambiguous out; 0 rejected")
            << Replay(make(u"advanced", "0ab", 3, "_", true, "I c"), {}, {0, 2, 3, 1}, "cab",
                      3 * std::log2(3.0), 3);
        QTest::newRow("characters of two UTF-16 units among one-unit ones")
            << Replay(make(u"basic", "a😀e\u0301", 5), {}, {3, 1, 2, 1, 3}, "a\u00e9😀\u00e9a",
                      5 * std::log2(3.0), 3);
        // Fewer than two characters or words: an error, and nothing drawn.
        QTest::newRow("one character") << Replay(make(u"basic", "a", 16), {}, {}, {}, 0, 0);
        QTest::newRow("one word") << Replay(make(u"words", {}, 5), {"only"}, {}, {}, 0, 0);
    }

    void generates()
    {
        QFETCH(Replay, replay);
        const auto draw = [&](RandomSource &random) {
            return replay.words.isEmpty() ? PasswordGenerator::generate(replay.settings, random)
                                          : PasswordGenerator::generatePassphrase(
                                              replay.settings, replay.words, random);
        };
        ScriptedRandomSource random(replay.script), again(replay.script);
        const GenerationResult result = draw(random);
        QCOMPARE(random.draws(), replay.script.size());
        if (replay.text.isNull()) {
            QCOMPARE(std::get<GeneratorError>(result), replay.words.isEmpty()
                                                           ? GeneratorError::emptyAlphabet
                                                           : GeneratorError::wordlistUnavailable);
            return;
        }
        const GeneratedPassword &password = std::get<GeneratedPassword>(result);
        QCOMPARE(password.text, replay.text);
        QCOMPARE(password.entropyBits, replay.bits);
        QCOMPARE(password.poolSize, replay.poolSize);
        QCOMPARE(password.unitCount, replay.settings.length);
        // A record is known by its id alone, a fresh random (version 4) one:
        // the same draws again make another record, whatever the text.
        QCOMPARE(password.id.version(), QUuid::Random);
        GeneratedPassword twin = std::get<GeneratedPassword>(draw(again));
        QVERIFY(!(twin == password));
        twin.id = password.id;
        twin.text += "x";
        QCOMPARE(twin, password);
    }

    // The system source itself: no index and no password character is
    // favoured, over 100,000 draws or more.
    void isUniform_data()
    {
        QTest::addColumn<quint32>("count");
        QTest::addColumn<QString>("pool"); // when set, counts 2000 passwords' characters
        for (quint32 count : {2u, 3u, 76u, 94u, 7776u})
            QTest::addRow("index below %u", count) << count << QString();
        QString printable;
        for (char c = '!'; c <= '~'; ++c)
            printable += QLatin1Char(c);
        QTest::newRow("printable password") << 94u << printable;
    }

    void isUniform()
    {
        QFETCH(quint32, count);
        QFETCH(QString, pool);
        QHash<quint32, qint64> counts;
        for (qint64 i = 0; pool.isNull() && i < std::max<qint64>(100'000, count * 64ll); ++i)
            ++counts[RandomSource::system().randomIndex(count)];
        for (int i = 0; !pool.isNull() && i < 2000; ++i) {
            const GenerationResult result = PasswordGenerator::generate(make(u"basic", pool, 128));
            for (QChar c : std::get<GeneratedPassword>(result).text)
                ++counts[c.unicode()];
        }
        QCOMPARE(quint32(counts.size()), count);
        const double p = ChiSquare::pValue(counts.values());
        QVERIFY2(p > ChiSquare::falseAlarmRate, qPrintable(QStringLiteral("p = %1").arg(p)));
    }

    // A failing system source stops the process, showing nothing; a read
    // interrupted by a signal is simply tried again.
    void systemSourceFailures()
    {
        for (bool failing : {true, false}) {
            QProcess child;
            child.start(QCoreApplication::applicationDirPath() + "/random_failure_child",
                        {failing ? "fail" : "interrupted"});
            QVERIFY(child.waitForFinished(60'000));
            QCOMPARE(child.exitStatus() == QProcess::CrashExit, failing);
            QCOMPARE(child.readAllStandardOutput(), failing ? "" : "generated 16 characters\n");
            QCOMPARE(child.readAllStandardError().contains("secure random source failed"), failing);
        }
    }
};

QTEST_GUILESS_MAIN(TestPasswordGenerator)
#include "tst_passwordgenerator.moc"
