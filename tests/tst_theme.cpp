// The theme and what draws straight from it: the strength meter, the
// symbols and the foreground shades.
#include "support/Palettes.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/style/SymbolStyle.h"
#include "ui/style/Symbols.h"
#include "ui/style/Theme.h"

#include <QtTest>
#include <QtWidgets>

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // In a meter 200 wide on a scale of 128 bits; 2 at the least.
    void fillAndAccessibleValue_data()
    {
        QTest::addColumn<double>("bits");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QList<QRgb>>("colours"); // light, dark
        QTest::addColumn<QString>("value");
        QTest::newRow("1") << 1.0 << 2.0 << QList<QRgb>{0xFF3B30, 0xFF453A}
                           << "Weak, 2 to the 1 power";
        QTest::newRow("51.7") << 51.7 << 80.78 << QList<QRgb>{0xFF9500, 0xFF9F0A}
                              << "Fair, 2 to the 51 power";
        QTest::newRow("64") << 64.0 << 100.0 << QList<QRgb>{0xFFCC00, 0xFFD60A}
                            << "Good, 2 to the 64 power";
        QTest::newRow("80") << 80.0 << 125.0 << QList<QRgb>{0x9ED929, 0x9ED929}
                            << "Strong, 2 to the 80 power";
        QTest::newRow("300") << 300.0 << 200.0 << QList<QRgb>{0x00C7BE, 0x63E6E2}
                             << "Excellent, 2 to the 300 power";
    }

    void fillAndAccessibleValue()
    {
        QFETCH(double, bits);
        QFETCH(qreal, width);
        QFETCH(QList<QRgb>, colours);
        QFETCH(QString, value);
        for (const bool dark : {false, true}) {
            StrengthMeter meter;
            meter.setPalette(dark ? Palettes::dark() : Palettes::light());
            meter.resize(200, meter.sizeHint().height());
            // A change of bits glides on from where the bar stood.
            const QImage before = meter.grab().toImage();
            meter.setBits(bits);
            QCOMPARE(meter.grab().toImage(), before);
            meter.findChild<QAbstractAnimation *>()->setCurrentTime(200); // at its end
            const QImage bar = meter.grab().toImage();
            QCOMPARE(bar.size(), QSize(200, 7));
            QCOMPARE(bar.pixelColor(1, 3).rgb(), QColor(colours.at(dark)).rgb());
            // The fill's width along the middle row, antialiased ends by coverage.
            const auto rgb = [](QRgb c) { return QVector3D(qRed(c), qGreen(c), qBlue(c)); };
            const QVector3D track = rgb(before.pixel(100, 3)), full = rgb(colours.at(dark)) - track;
            qreal drawn = 0;
            for (int x = 0; x < bar.width(); ++x)
                drawn += QVector3D::dotProduct(rgb(bar.pixel(x, 3)) - track, full);
            drawn /= full.lengthSquared();
            QVERIFY2(qAbs(drawn - width) < 0.25, qPrintable(QString::number(drawn)));
            // AT-SPI carries no text value: screen readers there read the description.
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&meter);
            QCOMPARE((QStringList{reader->text(QAccessible::Value),
                                  reader->text(QAccessible::Description)}),
                     QStringList(2, value));
        }
    }

    // Full past 128 bits: a glide down from 300 looks like one from 128.
    void fullPastTheScale()
    {
        QList<QImage> halfWay;
        for (const double from : {128.0, 300.0}) {
            StrengthMeter meter;
            meter.resize(200, 7);
            auto *glide = meter.findChild<QAbstractAnimation *>();
            QCOMPARE(glide->duration(), 200);
            meter.setBits(from);
            glide->setCurrentTime(200);
            meter.setBits(0);
            glide->setCurrentTime(100);
            halfWay.append(meter.grab().toImage());
        }
        QCOMPARE(halfWay.last(), halfWay.first());
    }

    void themeShadesAndSymbols()
    {
        for (QPalette palette : {Palettes::light(), Palettes::dark()}) {
            // The shades of text: the text's own ink, each level fainter.
            const QColor text = palette.color(QPalette::WindowText);
            using F = Theme::Foreground;
            qreal previous = 1.01;
            for (F role : {F::primary, F::secondary, F::tertiary, F::quaternary}) {
                const QColor shade = Theme::foreground(role, palette);
                QVERIFY(shade.rgb() == text.rgb() && shade.alphaF() < previous
                        && shade.alpha() > 0);
                previous = shade.alphaF();
            }
            // A theme that greys an unfocused window (GTK's backdrop) leaves
            // its ink as it was focused; a disabled window keeps its own.
            QPalette unfocused = palette;
            for (auto group : {QPalette::Inactive, QPalette::Disabled})
                unfocused.setColor(group, QPalette::WindowText, 0x929595);
            unfocused.setCurrentColorGroup(QPalette::Inactive);
            QCOMPARE(Theme::foreground(F::secondary, unfocused).rgb(), text.rgb());
            unfocused.setCurrentColorGroup(QPalette::Disabled);
            QCOMPARE(Theme::foreground(F::primary, unfocused), QColor(0x929595));

            // Symbols are drawings, inked like button text, not empty and not
            // a square; the GTK contrast runs see that a theme's fixed-colour
            // icons never stand in for them. The menu bar's overflow arrows
            // come from our style, not from Qt's image.
            QGuiApplication::setPalette(palette);
            const QRgb ink = palette.color(QPalette::ButtonText).rgb();
            for (const QIcon &icon :
                 {Symbols::icon("clock.arrow.circlepath"), Symbols::icon("gearshape"),
                  Symbols::icon("doc.on.doc"), Symbols::icon("clock"),
                  SymbolStyle().standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)}) {
                const QImage image = icon.pixmap(QSize(32, 32)).toImage();
                int covered = 0;
                for (int i = 0; i < 32 * 32; ++i) {
                    const QColor pixel = image.pixelColor(i % 32, i / 32);
                    covered += pixel.alpha() == 255;
                    QVERIFY(pixel.alpha() < 255 || pixel.rgb() == ink);
                }
                QVERIFY(covered > 20 && covered < 32 * 32 / 2);
            }
            // The palette would say black; the shipped asset says white.
            palette.setColor(QPalette::HighlightedText, Qt::black);
            QCOMPARE(Theme::onAccent(palette), QColor(Qt::white));
        }
        QVERIFY(Symbols::icon("no.such.symbol").isNull());
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
