#include "core/GeneratedPassword.h"
#include "core/Strength.h"
#include "core/Superscript.h"

#include <QTest>

namespace {

// What the meter shows for an entropy figure: the rating, its level and
// colour role (both 0 for weak up to 4 for excellent) and the time to crack.
QString shown(double bits)
{
    const Strength strength(bits);
    const GeneratedPassword password{{}, {}, bits};
    return strength.label() + u' ' + QString::number(int(strength.level())) + u' '
           + QString::number(int(strength.color())) + ", " + password.crackTime();
}

} // namespace

class TestStrength : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // Ratings change at 40, 64, 80 and 112 bits; cracking tries 1e11
        // guesses a second and on average searches half the space.
        QTest::newRow("37 bits") << shown(37) << "Weak 0 0, instantly";
        QTest::newRow("39.99 bits") << shown(39.99) << "Weak 0 0, 5 seconds";
        QTest::newRow("40 bits") << shown(40) << "Fair 1 1, 5 seconds";
        QTest::newRow("63.9 bits") << shown(63.9) << "Fair 1 1, 2 years";
        QTest::newRow("64 bits") << shown(64) << "Good 2 2, 2 years";
        QTest::newRow("80 bits") << shown(80) << "Strong 3 3, 192 thousand years";
        QTest::newRow("111.9 bits") << shown(111.9) << "Strong 3 3, 768 trillion years";
        QTest::newRow("112 bits") << shown(112) << "Excellent 4 4, 823 trillion years";
        QTest::newRow("128 bits") << shown(128) << "Excellent 4 4, 54 quintillion years";

        // Whole units, rounded down; from a thousand years on, rounded half
        // to even under a scale word that stays put.
        const auto duration = GeneratedPassword::humanDuration;
        const double year = 31'557'600.0;
        QTest::newRow("NaN") << duration(qQNaN()) << "effectively forever";
        QTest::newRow("59.9 s") << duration(59.9) << "59 seconds";
        QTest::newRow("60 s") << duration(60) << "1 minutes";
        QTest::newRow("3600 s") << duration(3600) << "1 hours";
        QTest::newRow("86400 s") << duration(86'400) << "1 days";
        QTest::newRow("a second short of a year") << duration(year - 1) << "365 days";
        QTest::newRow("a year of 365.25 days") << duration(year) << "1 years";
        QTest::newRow("999.9 years") << duration(999.9 * year) << "999 years";
        QTest::newRow("1000 years") << duration(1000 * year) << "1 thousand years";
        QTest::newRow("999,500 years") << duration(999'500 * year) << "1000 thousand years";
        QTest::newRow("2,500 years") << duration(2'500 * year) << "2 thousand years";
        QTest::newRow("1e21 years") << duration(1e21 * year) << "effectively forever";

        // Only a digit standing alone as a character; a keycap is another.
        QTest::newRow("superscript")
            << superscripted("a -0123456789 1\uFE0F\u20E3") << "a -⁰¹²³⁴⁵⁶⁷⁸⁹ 1\uFE0F\u20E3";
    }

    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

QTEST_APPLESS_MAIN(TestStrength)
#include "tst_strength.moc"
