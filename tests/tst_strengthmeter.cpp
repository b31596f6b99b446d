#include "EaseOutAnimation.h"
#include "Palettes.h"
#include "StrengthMeter.h"
#include "Theme.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

using Palettes::sameColor;

class TestStrengthMeter : public QObject
{
    Q_OBJECT

private slots:
    void fillWidthAndColour_data();
    void fillWidthAndColour();
    void accessibleValue_data();
    void accessibleValue();
    void changesGlideOnlyWhenBitsChange();
};

void TestStrengthMeter::fillWidthAndColour_data()
{
    QTest::addColumn<double>("bits");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<QColor>("color");

    const QColor red(0xFF, 0x3B, 0x30);
    const QColor yellow(0xFF, 0xCC, 0x00);
    const QColor yellowGreen = QColor::fromRgbF(0.62f, 0.85f, 0.16f);
    const QColor mint(0x00, 0xC7, 0xBE);
    // In a meter 200 wide.
    QTest::newRow("0 bits: a 2-px sliver") << 0.0 << 2.0 << red;
    QTest::newRow("negative bits") << -3.0 << 2.0 << red;
    QTest::newRow("1 bit is raised to 2 px") << 1.0 << 2.0 << red;
    QTest::newRow("64 bits: half") << 64.0 << 100.0 << yellow;
    QTest::newRow("80 bits: 62.5 %") << 80.0 << 125.0 << yellowGreen;
    QTest::newRow("128 bits: full") << 128.0 << 200.0 << mint;
    QTest::newRow("300 bits: full") << 300.0 << 200.0 << mint;
}

void TestStrengthMeter::fillWidthAndColour()
{
    QFETCH(double, bits);
    QFETCH(qreal, width);
    QFETCH(QColor, color);

    QCOMPARE(StrengthMeter::fillWidth(bits, 200), width);

    StrengthMeter meter;
    meter.setPalette(Palettes::light());
    meter.resize(200, 7);
    meter.setBits(bits);
    QTRY_VERIFY_WITH_TIMEOUT(!meter.isAnimating(), 2000);
    QVERIFY(sameColor(meter.fillColor(), color));

    const QImage image = meter.grab().toImage();
    QCOMPARE(image.size(), QSize(200, 7));
    if (width >= 8) {
        // The fill's middle is its colour; past its end lies the track.
        QCOMPARE(image.pixelColor(int(width / 2), 3).rgb(), color.rgb());
        if (width < 200)
            QVERIFY(image.pixelColor(int(width) + 4, 3).rgb() != color.rgb());
    }
}

void TestStrengthMeter::accessibleValue_data()
{
    QTest::addColumn<double>("bits");
    QTest::addColumn<QString>("value");

    QTest::newRow("0") << 0.0 << "Weak, 2 to the 0 power";
    QTest::newRow("51.7") << 51.7 << "Fair, 2 to the 51 power";
    QTest::newRow("64") << 64.0 << "Good, 2 to the 64 power";
    QTest::newRow("95.3") << 95.3 << "Strong, 2 to the 95 power";
    QTest::newRow("127.99") << 127.99 << "Excellent, 2 to the 127 power";
    QTest::newRow("300") << 300.0 << "Excellent, 2 to the 300 power";
}

void TestStrengthMeter::accessibleValue()
{
    QFETCH(double, bits);
    QFETCH(QString, value);

    StrengthMeter meter;
    meter.setBits(bits);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&meter);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::ProgressBar);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Strength"));
    QCOMPARE(iface->text(QAccessible::Value), value);
}

void TestStrengthMeter::changesGlideOnlyWhenBitsChange()
{
    StrengthMeter meter;
    auto *animation = meter.findChild<EaseOutAnimation *>();
    QVERIFY(animation);
    QCOMPARE(animation->duration(), 200);
    QCOMPARE(meter.sizeHint().height(), 7);
    QCOMPARE(meter.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);

    meter.setBits(64);
    QVERIFY(meter.isAnimating());
    QTRY_VERIFY_WITH_TIMEOUT(!meter.isAnimating(), 2000);
    meter.setBits(64);
    QVERIFY(!meter.isAnimating());
}

QTEST_MAIN(TestStrengthMeter)
#include "tst_strengthmeter.moc"
