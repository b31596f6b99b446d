#include "support/Palettes.h"
#include "ui/StrengthMeter.h"

#include <QAbstractAnimation>
#include <QAccessible>
#include <QImage>
#include <QTest>
#include <QVector3D>

// The fill's width as drawn along the bar's middle row: each pixel counts
// for how far its colour has gone from the track's towards the fill's, so
// that the antialiased ends count by their coverage.
static qreal drawnFill(const QImage &bar, const QColor &fill, const QColor &track)
{
    const auto rgb = [](const QColor &c) { return QVector3D(c.redF(), c.greenF(), c.blueF()); };
    const QVector3D full = rgb(fill) - rgb(track);
    qreal width = 0;
    for (int x = 0; x < bar.width(); ++x)
        width += QVector3D::dotProduct(rgb(bar.pixelColor(x, 3)) - rgb(track), full);
    return width / full.lengthSquared();
}

class TestStrengthMeter : public QObject
{
    Q_OBJECT

private slots:
    void fillAndAccessibleValue_data()
    {
        QTest::addColumn<double>("bits");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QRgb>("light");
        QTest::addColumn<QRgb>("dark");
        QTest::addColumn<QString>("value");

        // In a meter 200 wide on a scale of 128 bits; 2 at the least.
        QTest::newRow("-3") << -3.0 << 2.0 << 0xFF3B30u << 0xFF453Au << "Weak, 2 to the -3 power";
        QTest::newRow("1") << 1.0 << 2.0 << 0xFF3B30u << 0xFF453Au << "Weak, 2 to the 1 power";
        QTest::newRow("51.7") << 51.7 << 80.78 << 0xFF9500u << 0xFF9F0Au
                              << "Fair, 2 to the 51 power";
        QTest::newRow("64") << 64.0 << 100.0 << 0xFFCC00u << 0xFFD60Au << "Good, 2 to the 64 power";
        QTest::newRow("80") << 80.0 << 125.0 << 0x9ED929u << 0x9ED929u
                            << "Strong, 2 to the 80 power";
        QTest::newRow("300") << 300.0 << 200.0 << 0x00C7BEu << 0x63E6E2u
                             << "Excellent, 2 to the 300 power";
    }

    void fillAndAccessibleValue()
    {
        QFETCH(double, bits);
        QFETCH(qreal, width);
        QFETCH(QRgb, light);
        QFETCH(QRgb, dark);
        QFETCH(QString, value);

        for (const auto &[palette, color] : {std::pair(Palettes::light(), QColor(light)),
                                             std::pair(Palettes::dark(), QColor(dark))}) {
            StrengthMeter meter;
            meter.setPalette(palette);
            meter.resize(200, meter.sizeHint().height());
            const QColor track = meter.grab().toImage().pixelColor(100, 3);
            // A change of bits glides; the same bits again do not.
            meter.setBits(bits);
            QVERIFY(meter.isAnimating());
            QTRY_VERIFY_WITH_TIMEOUT(!meter.isAnimating(), 2000);
            meter.setBits(bits);
            QVERIFY(!meter.isAnimating());

            const QImage bar = meter.grab().toImage();
            QCOMPARE(bar.size(), QSize(200, 7));
            QCOMPARE(bar.pixelColor(1, 3).rgb(), color.rgb());
            const qreal drawn = drawnFill(bar, color, track);
            QVERIFY2(qAbs(drawn - width) < 0.25, qPrintable(QString::number(drawn)));

            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&meter);
            QCOMPARE(iface->role(), QAccessible::ProgressBar);
            QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Strength"));
            QCOMPARE(iface->text(QAccessible::Value), value);
        }
    }

    void fullPastTheScale()
    {
        // Past 128 bits the bar is simply full, so a glide down from 300 bits
        // looks like one from 128, held half way through its 0.2 s.
        QList<QImage> halfWay;
        for (const double from : {128.0, 300.0}) {
            StrengthMeter meter;
            meter.resize(200, 7);
            auto *glide = meter.findChild<QAbstractAnimation *>();
            QVERIFY(glide);
            QCOMPARE(glide->duration(), 200);
            meter.setBits(from);
            glide->setCurrentTime(200);
            meter.setBits(0);
            glide->setCurrentTime(100);
            halfWay.append(meter.grab().toImage());
        }
        QCOMPARE(halfWay.last(), halfWay.first());
    }
};

QTEST_MAIN(TestStrengthMeter)
#include "tst_strengthmeter.moc"
