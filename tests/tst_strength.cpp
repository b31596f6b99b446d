#include "core/GeneratedPassword.h"
#include "core/Strength.h"
#include "core/Superscript.h"

#include <QTest>

#include <limits>

class TestStrength : public QObject
{
    Q_OBJECT

private slots:
    void rating_data();
    void rating();
    void crackTime_data();
    void crackTime();
    void humanDuration_data();
    void humanDuration();
    void superscript_data();
    void superscript();
    void identityIsTheId();
};

void TestStrength::rating_data()
{
    QTest::addColumn<double>("bits");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("color");

    using C = Strength::Color;
    QTest::newRow("0") << 0.0 << int(Strength::Level::weak) << "Weak" << int(C::red);
    QTest::newRow("39.99") << 39.99 << int(Strength::Level::weak) << "Weak" << int(C::red);
    QTest::newRow("40") << 40.0 << int(Strength::Level::fair) << "Fair" << int(C::orange);
    QTest::newRow("63.9") << 63.9 << int(Strength::Level::fair) << "Fair" << int(C::orange);
    QTest::newRow("64") << 64.0 << int(Strength::Level::good) << "Good" << int(C::yellow);
    QTest::newRow("80") << 80.0 << int(Strength::Level::strong) << "Strong" << int(C::yellowGreen);
    QTest::newRow("111.9") << 111.9 << int(Strength::Level::strong) << "Strong"
                           << int(C::yellowGreen);
    QTest::newRow("112") << 112.0 << int(Strength::Level::excellent) << "Excellent" << int(C::mint);
}

void TestStrength::rating()
{
    QFETCH(double, bits);
    QFETCH(int, level);
    QFETCH(QString, label);
    QFETCH(int, color);
    const Strength strength(bits);
    QCOMPARE(int(strength.level()), level);
    QCOMPARE(strength.label(), label);
    QCOMPARE(int(strength.color()), color);
}

void TestStrength::crackTime_data()
{
    QTest::addColumn<double>("bits");
    QTest::addColumn<QString>("text");

    QTest::newRow("37 bits") << 37.0 << "instantly";
    QTest::newRow("40 bits") << 40.0 << "5 seconds";
    QTest::newRow("64 bits") << 64.0 << "2 years";
    QTest::newRow("80 bits") << 80.0 << "192 thousand years";
    QTest::newRow("112 bits") << 112.0 << "823 trillion years";
    QTest::newRow("128 bits") << 128.0 << "54 quintillion years";
    QTest::newRow("133 bits") << 133.0 << "effectively forever";
    QTest::newRow("1025 bits overflows") << 1025.0 << "effectively forever";
}

void TestStrength::crackTime()
{
    QFETCH(double, bits);
    QFETCH(QString, text);
    GeneratedPassword password;
    password.entropyBits = bits;
    QCOMPARE(password.crackTime(), text);
}

void TestStrength::humanDuration_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");

    const double year = 31'557'600.0;
    QTest::newRow("negative") << -5.0 << "instantly";
    QTest::newRow("zero") << 0.0 << "instantly";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "effectively forever";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "effectively forever";
    QTest::newRow("1.5 s") << 1.5 << "1 seconds";
    QTest::newRow("59.9 s") << 59.9 << "59 seconds";
    QTest::newRow("60 s") << 60.0 << "1 minutes";
    QTest::newRow("3600 s") << 3600.0 << "1 hours";
    QTest::newRow("86400 s") << 86'400.0 << "1 days";
    QTest::newRow("just under a year") << year - 1 << "365 days";
    QTest::newRow("one year") << year << "1 years";
    QTest::newRow("999.9 years") << 999.9 * year << "999 years";
    QTest::newRow("1000 years") << 1000 * year << "1 thousand years";
    QTest::newRow("999,500 years stays in thousands") << 999'500 * year << "1000 thousand years";
    QTest::newRow("999,999 years") << 999'999 * year << "1000 thousand years";
    QTest::newRow("half rounds to even") << 2'500 * year << "2 thousand years";
    QTest::newRow("1e21 years") << 1e21 * year << "effectively forever";
}

void TestStrength::humanDuration()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(GeneratedPassword::humanDuration(seconds), text);
}

void TestStrength::superscript_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("128") << "128"
                         << "\u00B9\u00B2\u2078";
    QTest::newRow("all digits") << "0123456789"
                                << "\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("minus kept") << "-5"
                                << "-\u2075";
    QTest::newRow("letters and spaces kept") << "a 1"
                                             << "a \u00B9";
    QTest::newRow("keycap digit is another character") << "1\uFE0F\u20E3"
                                                       << "1\uFE0F\u20E3";
}

void TestStrength::superscript()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(superscripted(text), expected);
}

void TestStrength::identityIsTheId()
{
    GeneratedPassword a{QUuid::createUuid(), QStringLiteral("same"), 10, 2, 10,
                        GeneratorMode::basic};
    GeneratedPassword b = a;
    QCOMPARE(a, b);
    b.id = QUuid::createUuid();
    QVERIFY(!(a == b));
    GeneratedPassword c = a;
    c.text = QStringLiteral("other");
    QCOMPARE(a, c);
}

QTEST_APPLESS_MAIN(TestStrength)
#include "tst_strength.moc"
