#include "core/Alphabet.h"
#include "core/CharacterSet.h"
#include "core/Characters.h"
#include "core/Settings.h"

#include <QSet>
#include <QTest>
#include <functional>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void groupsAreDisjointAndLeaveOutFive();
    void defaultsAndConstants();
    void defaultPoolIsSortedByCode();
    void effectivePool_data();
    void effectivePool();
    void effectiveSeparators_data();
    void effectiveSeparators();
    void equalityCoversEveryField();
    void modeFromRawValue_data();
    void modeFromRawValue();
    void charactersAreGraphemesInScalarOrder();
};

void TestSettings::groupsAreDisjointAndLeaveOutFive()
{
    QSet<QString> seen;
    for (const CharacterGroup &group : Alphabet::all()) {
        for (const QString &character : group.characters) {
            QVERIFY2(!seen.contains(character), qPrintable(character));
            seen.insert(character);
        }
    }
    QCOMPARE(seen.size(), 90);
    QString leftOut;
    for (char c = 0x20; c < 0x7F; ++c) {
        if (!seen.contains(QString(QLatin1Char(c))))
            leftOut += QLatin1Char(c);
    }
    QCOMPARE(leftOut, QStringLiteral(" \"'`|"));
    QCOMPARE(Alphabet::symbols().characters.join(QString()), QStringLiteral("-_=+*^~/\\@#$%&"));
    QCOMPARE(Alphabet::uppercase().title, QStringLiteral("A\u2013Z"));
    QCOMPARE(Alphabet::brackets().id(), QStringLiteral("brackets"));
    QCOMPARE(Alphabet::ambiguous().toText(), QStringLiteral("01IOl"));
}

void TestSettings::defaultsAndConstants()
{
    const Settings settings;
    QCOMPARE(settings.mode, GeneratorMode::basic);
    QCOMPARE(settings.length, 16);
    QCOMPARE(settings.wordCount, 5);
    QCOMPARE(settings.enabledCharacters.size(), 76);
    QCOMPARE(settings.separators.toText(), QStringLiteral("_"));
    QVERIFY(settings.additionalCharacters.isEmpty());
    QVERIFY(!settings.excludeAmbiguous);
    QVERIFY(settings.autoClearClipboard);
    QCOMPARE(Settings::separatorChoices().join(QString()), QStringLiteral("-_=+*^~/\\@#$%&!?,.:;"));
}

void TestSettings::defaultPoolIsSortedByCode()
{
    QCOMPARE(Settings().effectivePool().join(QString()),
             QStringLiteral("#$%&*+-/0123456789=@ABCDEFGHIJKLMNOPQRSTUVWXYZ\\^_"
                            "abcdefghijklmnopqrstuvwxyz~"));
}

void TestSettings::effectivePool_data()
{
    QTest::addColumn<GeneratorMode>("mode");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("additional");
    QTest::addColumn<bool>("excludeAmbiguous");
    QTest::addColumn<QString>("pool");

    QTest::newRow("basic ignores additional") << GeneratorMode::basic << "ab"
                                              << "xyz" << false << "ab";
    QTest::newRow("words ignores additional") << GeneratorMode::words << "ab"
                                              << "xyz" << false << "ab";
    QTest::newRow("advanced drops whitespace and repeats") << GeneratorMode::advanced << ""
                                                           << " a a\tb " << false << "ab";
    QTest::newRow("advanced drops no-break space and CR LF") << GeneratorMode::advanced << ""
                                                             << "c\u00A0d\r\ne" << false << "cde";
    QTest::newRow("advanced adds to enabled") << GeneratorMode::advanced << "ba"
                                              << "\"'`|c" << false << "\"'`abc|";
    QTest::newRow("exclusion also removes typed extras") << GeneratorMode::advanced << ""
                                                         << "0O1lIx" << true << "x";
    QTest::newRow("exclusion removes enabled ambiguous") << GeneratorMode::basic << "0123lmn"
                                                         << "" << true << "23mn";
    QTest::newRow("empty basic") << GeneratorMode::basic << ""
                                 << "" << false << "";
    QTest::newRow("tilde then exclamation sorts") << GeneratorMode::basic << "~!"
                                                  << "" << false << "!~";
    QTest::newRow("above U+FFFF sorts after U+FFxx")
        << GeneratorMode::advanced << "\uFF01"
        << "\U0001F600a" << false << "a\uFF01\U0001F600";
}

void TestSettings::effectivePool()
{
    QFETCH(GeneratorMode, mode);
    QFETCH(QString, enabled);
    QFETCH(QString, additional);
    QFETCH(bool, excludeAmbiguous);
    QFETCH(QString, pool);

    Settings settings;
    settings.mode = mode;
    settings.enabledCharacters = CharacterSet::fromText(enabled);
    settings.additionalCharacters = additional;
    settings.excludeAmbiguous = excludeAmbiguous;
    QCOMPARE(settings.effectivePool().join(QString()), pool);
}

void TestSettings::effectiveSeparators_data()
{
    QTest::addColumn<QString>("separators");
    QTest::addColumn<bool>("excludeAmbiguous");
    QTest::addColumn<QString>("effective");

    QTest::newRow("only zero, excluded") << "0" << true << "";
    QTest::newRow("only zero, kept") << "0" << false << "0";
    QTest::newRow("sorted") << ".-" << false << "-.";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("not limited to the offered choices") << "x" << false << "x";
}

void TestSettings::effectiveSeparators()
{
    QFETCH(QString, separators);
    QFETCH(bool, excludeAmbiguous);
    QFETCH(QString, effective);

    Settings settings;
    settings.separators = CharacterSet::fromText(separators);
    settings.excludeAmbiguous = excludeAmbiguous;
    QCOMPARE(settings.effectiveSeparators().join(QString()), effective);
}

void TestSettings::equalityCoversEveryField()
{
    const Settings base;
    QCOMPARE(Settings(), base);
    const QList<std::function<void(Settings &)>> edits{
        [](Settings &s) { s.mode = GeneratorMode::words; },
        [](Settings &s) { s.length = 17; },
        [](Settings &s) { s.wordCount = 6; },
        [](Settings &s) { s.enabledCharacters.remove(QStringLiteral("a")); },
        [](Settings &s) { s.additionalCharacters = QStringLiteral("x"); },
        [](Settings &s) { s.separators.insert(QStringLiteral("-")); },
        [](Settings &s) { s.excludeAmbiguous = true; },
        [](Settings &s) { s.autoClearClipboard = false; },
    };
    for (qsizetype i = 0; i < edits.size(); ++i) {
        Settings changed = base;
        edits.at(i)(changed);
        QVERIFY2(!(changed == base), qPrintable(QString::number(i)));
    }
}

void TestSettings::modeFromRawValue_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<int>("mode"); // -1: none

    QTest::newRow("basic") << "basic" << int(GeneratorMode::basic);
    QTest::newRow("advanced") << "advanced" << int(GeneratorMode::advanced);
    QTest::newRow("words") << "words" << int(GeneratorMode::words);
    QTest::newRow("capitalised") << "Words" << -1;
    QTest::newRow("padded") << " basic" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestSettings::modeFromRawValue()
{
    QFETCH(QString, raw);
    QFETCH(int, mode);
    const std::optional<GeneratorMode> parsed = generatorModeFromRawValue(raw);
    QCOMPARE(parsed.has_value(), mode >= 0);
    if (parsed) {
        QCOMPARE(int(*parsed), mode);
        QCOMPARE(rawValue(*parsed), raw);
    }
}

void TestSettings::charactersAreGraphemesInScalarOrder()
{
    // e + combining acute is canonically equal to the precomposed é.
    const CharacterSet accents = CharacterSet::fromText(QStringLiteral("e\u0301\u00E9"));
    QCOMPARE(accents.size(), 1);
    QVERIFY(accents.contains(QStringLiteral("\u00E9")));
    QVERIFY(accents.contains(QStringLiteral("e\u0301")));

    // A flag and a skin-toned emoji are one character each; CR LF is one.
    QCOMPARE(Characters::graphemes(QStringLiteral("\U0001F1E9\U0001F1EA\U0001F44D\U0001F3FD\r\n"))
                 .size(),
             3);
    QVERIFY(Characters::isWhitespace(QStringLiteral("\r\n")));
    QVERIFY(Characters::isWhitespace(QStringLiteral("\u3000")));
    QVERIFY(!Characters::isWhitespace(QStringLiteral("\u200B"))); // zero width space is not

    QVERIFY(Characters::scalarLess(QStringLiteral("\uFFFD"), QStringLiteral("\U00010000")));
    QVERIFY(!Characters::scalarLess(QStringLiteral("\U00010000"), QStringLiteral("\uFFFD")));
    QVERIFY(Characters::scalarLess(QStringLiteral("a"), QStringLiteral("ab")));
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
