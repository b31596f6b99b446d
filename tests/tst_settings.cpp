#include "core/Alphabet.h"
#include "core/Settings.h"

#include <QTest>

namespace {

// An options panel state and what it draws from, space-joined so that a
// character of several code points shows as one.
struct Options
{
    QString mode, enabled, extras;
    bool exclude;
    QString pool, separators = {}, joins = {};
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void characterTables()
    {
        // Every printable ASCII character but the space, the quotes, the
        // backtick and the bar, each in exactly one group.
        QString grouped;
        for (const CharacterGroup &group : Alphabet::all())
            grouped += group.characters.join(QString());
        QCOMPARE(grouped.size(), 90);
        QCOMPARE(CharacterSet::fromText(grouped).toText(),
                 "!#$%&()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"
                 "abcdefghijklmnopqrstuvwxyz{}~");
        QCOMPARE(Alphabet::symbols().characters.join(QString()), "-_=+*^~/\\@#$%&");
        QCOMPARE(Alphabet::uppercase().title, "A\u2013Z"); // an en dash
        QCOMPARE(Alphabet::ambiguous().toText(), "01IOl");
        QCOMPARE(Settings::separatorChoices().join(QString()), "-_=+*^~/\\@#$%&!?,.:;");

        QVERIFY(CharacterSet::fromText("\u00E9").contains("e\u0301")); // canonically equal
    }

    void effectiveCharacters_data()
    {
        QTest::addColumn<Options>("options");
        QTest::newRow("basic ignores extras") << Options{"basic", "ba", "xyz", false, "a b"};
        QTest::newRow("words ignores extras; any separator")
            << Options{"words", "ab", "xyz", false, "a b", ".x-", "- . x"};
        QTest::newRow("whitespace and repeats dropped") << Options{
            "advanced", "", " a a\tb \u3000c\u00A0d\r\ne\u200B", false, "a b c d e \u200B"};
        QTest::newRow("extras join enabled")
            << Options{"advanced", "ba", "\"'`|c", false, "\" ' ` a b c |", "0", "0"};
        QTest::newRow("exclusion removes enabled and typed")
            << Options{"advanced", "0lmn", "O1Ix", true, "m n x", "0-", "-"};
        QTest::newRow("graphemes in scalar order")
            << Options{"advanced", "！~!", "😀a🇩🇪👍🏽x\u0301x", false,
                       "! a x x\u0301 ~ ！ 🇩🇪 👍🏽 😀"};
    }

    void effectiveCharacters()
    {
        QFETCH(Options, options);
        Settings settings;
        settings.mode = generatorModeFromRawValue(options.mode).value();
        settings.enabledCharacters = CharacterSet::fromText(options.enabled);
        settings.additionalCharacters = options.extras;
        settings.separators = CharacterSet::fromText(options.separators);
        settings.excludeAmbiguous = options.exclude;
        QCOMPARE(settings.effectivePool().join(u' '), options.pool);
        QCOMPARE(settings.effectiveSeparators().join(u' '), options.joins);
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
