#include "core/PasswordGenerator.h"
#include "core/Wordlist.h"
#include "support/ChiSquare.h"
#include "support/ScriptedRandomSource.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cmath>

namespace {

const QStringList fourWords{"alpha", "bravo", "charlie", "delta"};

GeneratedPassword expectPassword(const GenerationResult &result)
{
    const auto *password = std::get_if<GeneratedPassword>(&result);
    if (!password) {
        QTest::qFail("generation failed", __FILE__, __LINE__);
        return {};
    }
    return *password;
}

Settings withCharacters(const QString &enabled, qint64 length)
{
    Settings settings;
    settings.enabledCharacters = CharacterSet::fromText(enabled);
    settings.length = length;
    return settings;
}

QString allNinetyFour()
{
    QString text;
    for (char c = 0x21; c < 0x7F; ++c)
        text += QLatin1Char(c);
    return text;
}

} // namespace

class TestPasswordGenerator : public QObject
{
    Q_OBJECT

private slots:
    void randomIndexRejection_data();
    void randomIndexRejection();
    void replaysKnownPassword();
    void replaysKnownPassphrase();
    void passphraseDrawOrder();
    void entropyFigures_data();
    void entropyFigures();
    void failuresDrawNothing();
    void excludingAmbiguousWorksBothWays();
    void randomIndexIsUniform_data();
    void randomIndexIsUniform();
    void passwordCharactersAreUniform_data();
    void passwordCharactersAreUniform();
    void failingSourceStopsTheProcess();
    void interruptedReadIsRetried();
};

void TestPasswordGenerator::randomIndexRejection_data()
{
    QTest::addColumn<quint32>("count");
    QTest::addColumn<QList<quint32>>("script");
    QTest::addColumn<quint32>("index");
    QTest::addColumn<qsizetype>("draws");

    QTest::newRow("one draws nothing") << 1u << QList<quint32>{} << 0u << qsizetype(0);
    QTest::newRow("three rejects zero") << 3u << QList<quint32>{0, 5} << 2u << qsizetype(2);
    QTest::newRow("three accepts one") << 3u << QList<quint32>{1} << 1u << qsizetype(1);
    QTest::newRow("64 never rejects") << 64u << QList<quint32>{0} << 0u << qsizetype(1);
    QTest::newRow("76 rejects below 44") << 76u << QList<quint32>{43, 0, 44} << 44u << qsizetype(3);
    QTest::newRow("7776 rejects below 2560")
        << 7776u << QList<quint32>{2559, 2560} << (2560u % 7776u) << qsizetype(2);
    QTest::newRow("top of the range")
        << 7776u << QList<quint32>{0xFFFF'FFFFu} << (0xFFFF'FFFFu % 7776u) << qsizetype(1);
    QTest::newRow("largest count")
        << 0xFFFF'FFFFu << QList<quint32>{0, 0xFFFF'FFFEu} << 0xFFFF'FFFEu << qsizetype(2);
}

void TestPasswordGenerator::randomIndexRejection()
{
    QFETCH(quint32, count);
    QFETCH(QList<quint32>, script);
    QFETCH(quint32, index);
    QFETCH(qsizetype, draws);
    ScriptedRandomSource random(script);
    QCOMPARE(random.randomIndex(count), index);
    QCOMPARE(random.draws(), draws);
}

void TestPasswordGenerator::replaysKnownPassword()
{
    // Indices into the sorted default pool; 43 falls in the rejected zone.
    const QList<quint32> indices{20, 49, 8, 75, 0, 46, 21, 74, 17, 19, 48, 45, 50, 9, 7, 47};
    QList<quint32> script{43};
    for (quint32 index : indices)
        script.append(76 * 1000 + index);
    ScriptedRandomSource random(script);

    const GeneratedPassword password =
        expectPassword(PasswordGenerator::generate(Settings(), random));
    QCOMPARE(password.text, QStringLiteral("Aa0~#\\Bz9@_Zb1/^"));
    QCOMPARE(random.draws(), 17);
    QCOMPARE(password.poolSize, 76);
    QCOMPARE(password.unitCount, 16);
    QCOMPARE(password.mode, GeneratorMode::basic);
    QCOMPARE(password.id.version(), QUuid::Random);
    QCOMPARE(password.id.variant(), QUuid::DCE);
    const GeneratedPassword again = expectPassword(PasswordGenerator::generate(Settings()));
    QVERIFY(again.id != password.id);
}

void TestPasswordGenerator::replaysKnownPassphrase()
{
    Settings settings;
    settings.mode = GeneratorMode::words;
    // The shipped list: abacus, abdomen, abdominal, ... zoom; 2559 is rejected.
    ScriptedRandomSource random({2559, 7776, 7776 + 7775, 7776 + 1, 7776 + 2, 7776});
    const GeneratedPassword password =
        expectPassword(PasswordGenerator::generate(settings, random));
    QCOMPARE(password.text, QStringLiteral("abacus_zoom_abdomen_abdominal_abacus"));
    QCOMPARE(random.draws(), 6);
    QCOMPARE(password.poolSize, 7776);
    QCOMPARE(password.mode, GeneratorMode::words);
    QCOMPARE(password.entropyBits, 5 * std::log2(7776.0));
}

void TestPasswordGenerator::passphraseDrawOrder()
{
    Settings settings;
    settings.mode = GeneratorMode::words;
    settings.wordCount = 3;
    settings.separators = CharacterSet::fromText(".-");
    // All word indices first, then one separator per join ("-" sorts first).
    ScriptedRandomSource random({2, 0, 3, 1, 0});
    const GeneratedPassword password =
        expectPassword(PasswordGenerator::generatePassphrase(settings, fourWords, random));
    QCOMPARE(password.text, QStringLiteral("charlie.alpha-delta"));
    QCOMPARE(random.draws(), 5);
    QCOMPARE(password.entropyBits, 8.0);
}

void TestPasswordGenerator::entropyFigures_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<double>("bits");
    QTest::addColumn<qint64>("poolSize");
    QTest::addColumn<qint64>("unitCount");
    QTest::addColumn<int>("separatorCount");

    Settings words;
    words.mode = GeneratorMode::words;
    Settings twoSeparators = words;
    twoSeparators.separators = CharacterSet::fromText("-.");
    Settings noSeparator = words;
    noSeparator.separators = {};
    Settings oneWord = twoSeparators;
    oneWord.wordCount = 1;
    Settings advanced = withCharacters("ab", 10);
    advanced.mode = GeneratorMode::advanced;
    advanced.additionalCharacters = QStringLiteral("cd");

    QTest::newRow("pool of two") << withCharacters("xy", 16) << 16.0 << qint64(2) << qint64(16)
                                 << 0;
    QTest::newRow("defaults") << Settings() << 16 * std::log2(76.0) << qint64(76) << qint64(16)
                              << 0;
    QTest::newRow("length zero") << withCharacters("xy", 0) << 0.0 << qint64(2) << qint64(0) << 0;
    QTest::newRow("advanced adds extras") << advanced << 20.0 << qint64(4) << qint64(10) << 0;
    QTest::newRow("five words, one separator") << words << 10.0 << qint64(4) << qint64(5) << 4;
    QTest::newRow("five words, two separators")
        << twoSeparators << 14.0 << qint64(4) << qint64(5) << 4;
    QTest::newRow("five words, no separator") << noSeparator << 10.0 << qint64(4) << qint64(5) << 0;
    QTest::newRow("one word") << oneWord << 2.0 << qint64(4) << qint64(1) << 0;
}

void TestPasswordGenerator::entropyFigures()
{
    QFETCH(Settings, settings);
    QFETCH(double, bits);
    QFETCH(qint64, poolSize);
    QFETCH(qint64, unitCount);
    QFETCH(int, separatorCount);

    const GenerationResult result =
        settings.mode == GeneratorMode::words
            ? PasswordGenerator::generatePassphrase(settings, fourWords, RandomSource::system())
            : PasswordGenerator::generate(settings);
    const GeneratedPassword password = expectPassword(result);
    QCOMPARE(password.entropyBits, bits);
    QCOMPARE(password.poolSize, poolSize);
    QCOMPARE(password.unitCount, unitCount);
    QCOMPARE(password.mode, settings.mode);
    if (settings.mode == GeneratorMode::words) {
        const qsizetype joins =
            password.text.count(u'-') + password.text.count(u'.') + password.text.count(u'_');
        QCOMPARE(joins, separatorCount);
    } else {
        QCOMPARE(password.text.size(), unitCount);
    }
}

void TestPasswordGenerator::failuresDrawNothing()
{
    ScriptedRandomSource random({});
    QCOMPARE(std::get<GeneratorError>(PasswordGenerator::generate(withCharacters("a", 16), random)),
             GeneratorError::emptyAlphabet);
    QCOMPARE(std::get<GeneratorError>(PasswordGenerator::generate(withCharacters("", 16), random)),
             GeneratorError::emptyAlphabet);
    Settings allAmbiguous = withCharacters("0O1lIx", 16);
    allAmbiguous.excludeAmbiguous = true;
    QCOMPARE(std::get<GeneratorError>(PasswordGenerator::generate(allAmbiguous, random)),
             GeneratorError::emptyAlphabet);
    Settings words;
    words.mode = GeneratorMode::words;
    for (const QStringList &list : {QStringList{}, QStringList{"only"}}) {
        QCOMPARE(
            std::get<GeneratorError>(PasswordGenerator::generatePassphrase(words, list, random)),
            GeneratorError::wordlistUnavailable);
    }
    QCOMPARE(random.draws(), 0);
}

void TestPasswordGenerator::excludingAmbiguousWorksBothWays()
{
    Settings settings =
        withCharacters("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", 128);
    QString off;
    QString on;
    // 6,400 draws from 62 characters: a fair source misses a given one with
    // probability below 1e-40.
    for (int i = 0; i < 50; ++i) {
        settings.excludeAmbiguous = false;
        off += expectPassword(PasswordGenerator::generate(settings)).text;
        settings.excludeAmbiguous = true;
        on += expectPassword(PasswordGenerator::generate(settings)).text;
    }
    for (QChar ambiguous : QStringLiteral("0O1lI")) {
        QVERIFY(off.contains(ambiguous));
        QVERIFY(!on.contains(ambiguous));
    }
}

void TestPasswordGenerator::randomIndexIsUniform_data()
{
    QTest::addColumn<quint32>("count");
    for (quint32 count : {2u, 3u, 76u, 94u, 7776u})
        QTest::addRow("%u", count) << count;
}

void TestPasswordGenerator::randomIndexIsUniform()
{
    QFETCH(quint32, count);
    const qint64 samples = std::max<qint64>(100'000, qint64(count) * 64);
    QList<qint64> counts(count, 0);
    for (qint64 i = 0; i < samples; ++i)
        ++counts[RandomSource::system().randomIndex(count)];
    const double p = ChiSquare::pValue(counts);
    QVERIFY2(p > ChiSquare::falseAlarmRate, qPrintable(QStringLiteral("p = %1").arg(p)));
}

void TestPasswordGenerator::passwordCharactersAreUniform_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::newRow("default pool of 76") << withCharacters(Settings().effectivePool().join(""), 128);
    QTest::newRow("all 94") << withCharacters(allNinetyFour(), 128);
}

void TestPasswordGenerator::passwordCharactersAreUniform()
{
    QFETCH(Settings, settings);
    const QStringList pool = settings.effectivePool();
    QHash<QChar, qsizetype> slot;
    for (qsizetype i = 0; i < pool.size(); ++i)
        slot.insert(pool.at(i).at(0), i);

    QList<qint64> counts(pool.size(), 0);
    for (int i = 0; i < 2000; ++i) {
        for (QChar c : expectPassword(PasswordGenerator::generate(settings)).text)
            ++counts[slot.value(c)];
    }
    const double p = ChiSquare::pValue(counts);
    QVERIFY2(p > ChiSquare::falseAlarmRate, qPrintable(QStringLiteral("p = %1").arg(p)));
}

void TestPasswordGenerator::failingSourceStopsTheProcess()
{
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + "/random_failure_child", {"fail"});
    QVERIFY(child.waitForFinished(60'000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.readAllStandardOutput(), QByteArray());
    QVERIFY(child.readAllStandardError().contains("secure random source failed"));
}

void TestPasswordGenerator::interruptedReadIsRetried()
{
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + "/random_failure_child", {"interrupted"});
    QVERIFY(child.waitForFinished(60'000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput(), QByteArray("generated 16 characters\n"));
}

QTEST_GUILESS_MAIN(TestPasswordGenerator)
#include "tst_passwordgenerator.moc"
