// The theme and what draws straight from it: the strength meter, the
// symbols and the foreground shades.
#include "support/Palettes.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/style/SymbolStyle.h"
#include "ui/style/Symbols.h"
#include "ui/style/Theme.h"

#include <QAbstractAnimation>
#include <QAccessible>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QVector3D>

namespace {

// The fill's width along the bar's middle row, antialiased ends by coverage.
qreal drawnFill(const QImage &bar, const QColor &fill, const QColor &track)
{
    const auto rgb = [](const QColor &c) { return QVector3D(c.redF(), c.greenF(), c.blueF()); };
    const QVector3D full = rgb(fill) - rgb(track);
    qreal width = 0;
    for (int x = 0; x < bar.width(); ++x)
        width += QVector3D::dotProduct(rgb(bar.pixelColor(x, 3)) - rgb(track), full);
    return width / full.lengthSquared();
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    void fillAndAccessibleValue_data()
    {
        QTest::addColumn<double>("bits");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QRgb>("light");
        QTest::addColumn<QRgb>("dark");
        QTest::addColumn<QString>("value");

        // In a meter 200 wide on a scale of 128 bits; 2 at the least.
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
            // A change of bits glides on from where the bar stood.
            const QImage before = meter.grab().toImage();
            meter.setBits(bits);
            QCOMPARE(meter.grab().toImage(), before);
            meter.findChild<QAbstractAnimation *>()->setCurrentTime(200); // at its end

            const QImage bar = meter.grab().toImage();
            QCOMPARE(bar.size(), QSize(200, 7));
            QCOMPARE(bar.pixelColor(1, 3).rgb(), color.rgb());
            const qreal drawn = drawnFill(bar, color, track);
            QVERIFY2(qAbs(drawn - width) < 0.25, qPrintable(QString::number(drawn)));

            QCOMPARE(QAccessible::queryAccessibleInterface(&meter)->text(QAccessible::Value),
                     value);
        }
    }

    void fullPastTheScale()
    {
        // Full past 128 bits: a glide down from 300 looks like one from 128.
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

    void themeShadesAndSymbols()
    {
        for (QPalette palette : {Palettes::light(), Palettes::dark()}) {
            const QColor text = palette.color(QPalette::WindowText);
            // The shades of text: the text's own ink, each level fainter.
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
            const QColor grey(0x92, 0x95, 0x95);
            QPalette unfocused = palette;
            unfocused.setColor(QPalette::Inactive, QPalette::WindowText, grey);
            unfocused.setColor(QPalette::Disabled, QPalette::WindowText, grey);
            unfocused.setCurrentColorGroup(QPalette::Inactive);
            QCOMPARE(Theme::foreground(F::secondary, unfocused).rgb(), text.rgb());
            unfocused.setCurrentColorGroup(QPalette::Disabled);
            QCOMPARE(Theme::foreground(F::primary, unfocused), grey);

            // Symbols are drawings, inked like button text; the GTK contrast runs
            // see that a theme's fixed-colour icons never stand in for them.
            QGuiApplication::setPalette(palette);
            const QRgb ink = palette.color(QPalette::ButtonText).rgb();
            // The menu bar's overflow arrows come from our style, not from Qt's image.
            const QIcon overflow =
                SymbolStyle().standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
            for (const QIcon &icon :
                 {Symbols::icon("clock.arrow.circlepath"), Symbols::icon("gearshape"),
                  Symbols::icon("doc.on.doc"), Symbols::icon("clock"), overflow}) {
                const QImage image = icon.pixmap(QSize(32, 32)).toImage();
                int covered = 0;
                for (int i = 0; i < 32 * 32; ++i) {
                    const QColor pixel = image.pixelColor(i % 32, i / 32);
                    covered += pixel.alpha() == 255;
                    QVERIFY(pixel.alpha() < 255 || pixel.rgb() == ink);
                }
                QVERIFY(covered > 20 && covered < 32 * 32 / 2); // not empty, not a square
            }

            // The palette would say black; the shipped asset says white.
            palette.setColor(QPalette::HighlightedText, Qt::black);
            QCOMPARE(Theme::onAccent(palette), QColor(Qt::white));
        }
        QVERIFY(Symbols::icon(QStringLiteral("no.such.symbol")).isNull());
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
