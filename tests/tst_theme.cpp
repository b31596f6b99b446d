// The theme and what draws straight from it: the strength meter, the symbols, the shades.
#include "support/Palettes.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/style/SymbolStyle.h"
#include "ui/style/Symbols.h"
#include "ui/style/Theme.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // 200 px wide: full from 128 bits, 2 px at least; a glide down from 300 matches one from 128.
    void meterFillColourAndValue()
    {
        QList<QImage> halfWayDown;
        const auto row = [&](double bits, qreal width, QList<QRgb> colours, const QString &value) {
            for (const bool dark : {false, true}) {
                StrengthMeter meter;
                meter.setPalette(dark ? Palettes::dark() : Palettes::light());
                meter.resize(200, meter.sizeHint().height());
                auto *glide = meter.findChild<QAbstractAnimation *>();
                // A change of bits glides on from where the bar stood.
                const QImage before = meter.grab().toImage();
                meter.setBits(bits);
                QCOMPARE(meter.grab().toImage(), before);
                glide->setCurrentTime(glide->duration());
                const QImage bar = meter.grab().toImage();
                QVERIFY(bar.size() == QSize(200, 7) && bar.pixel(1, 3) == colours[dark]);
                meter.setLayoutDirection(Qt::RightToLeft); // filled from the leading edge
                const QImage rtl = meter.grab().toImage();
                QVERIFY(rtl.pixel(198, 3) == colours[dark] && rtl.pixel(1, 3) == bar.pixel(198, 3));
                // The fill's width along the middle row, antialiased ends by coverage.
                const auto rgb = [](QRgb c) { return QVector3D(qRed(c), qGreen(c), qBlue(c)); };
                const QVector3D track = rgb(before.pixel(100, 3)),
                                full = rgb(colours[dark]) - track;
                qreal drawn = 0;
                for (int x = 0; x < bar.width(); ++x)
                    drawn += QVector3D::dotProduct(rgb(bar.pixel(x, 3)) - track, full);
                drawn /= full.lengthSquared();
                QVERIFY2(qAbs(drawn - width) < 0.25, qPrintable(QString::number(drawn)));
                // AT-SPI carries no text value: screen readers there read the description.
                const auto *reader = QAccessible::queryAccessibleInterface(&meter);
                for (const auto text : {QAccessible::Value, QAccessible::Description})
                    QCOMPARE(reader->text(text), value);
                meter.setBits(0);
                glide->setCurrentTime(glide->duration() / 2);
                halfWayDown << meter.grab().toImage();
            }
        };
        row(1, 2, {0xFFFF3B30, 0xFFFF453A}, u"Weak, 2 to the 1 power"_s);
        row(51.7, 80.78, {0xFFFF9500, 0xFFFF9F0A}, u"Fair, 2 to the 51 power"_s);
        row(64, 100, {0xFFFFCC00, 0xFFFFD60A}, u"Good, 2 to the 64 power"_s);
        row(80, 125, {0xFF9ED929, 0xFF9ED929}, u"Strong, 2 to the 80 power"_s);
        row(128, 200, {0xFF00C7BE, 0xFF63E6E2}, u"Excellent, 2 to the 128 power"_s);
        row(300, 200, {0xFF00C7BE, 0xFF63E6E2}, u"Excellent, 2 to the 300 power"_s);
        QCOMPARE(halfWayDown.value(10), halfWayDown.value(8)); // light, from 300 and from 128
    }

    void themeShadesAndSymbols()
    {
        using F = Theme::Foreground;
        for (QPalette palette : {Palettes::light(), Palettes::dark()}) {
            const QColor text = palette.color(QPalette::WindowText);
            qreal previous = 1.01;
            for (F role : {F::primary, F::secondary, F::tertiary, F::quaternary}) {
                const QColor shade = Theme::foreground(role, palette);
                QVERIFY(shade.rgb() == text.rgb() && shade.alphaF() < previous && shade.alpha());
                previous = shade.alphaF();
            }
            // Ink greyed when unfocused (GTK's backdrop) stays as focused; disabled, it stays grey.
            QPalette unfocused = palette;
            for (auto group : {QPalette::Inactive, QPalette::Disabled})
                unfocused.setColor(group, QPalette::WindowText, 0x929595);
            unfocused.setCurrentColorGroup(QPalette::Inactive);
            QCOMPARE(Theme::foreground(F::secondary, unfocused).rgb(), text.rgb());
            unfocused.setCurrentColorGroup(QPalette::Disabled);
            QCOMPARE(Theme::foreground(F::primary, unfocused), QColor(0x929595));

            // Symbols and our style's menu-bar overflow arrows are drawings in button-text ink, not
            // empty nor square (the GTK contrast runs see no fixed-colour theme icon stands in).
            QGuiApplication::setPalette(palette);
            for (const QIcon &icon :
                 {Symbols::icon("clock.arrow.circlepath"), Symbols::icon("gearshape"),
                  Symbols::icon("doc.on.doc"), Symbols::icon("clock"),
                  SymbolStyle().standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)}) {
                const QImage image = icon.pixmap(QSize(32, 32)).toImage();
                int covered = 0;
                for (int i = 0; i < 32 * 32; ++i) {
                    const QColor pixel = image.pixelColor(i % 32, i / 32);
                    covered += pixel.alpha() == 255;
                    QVERIFY(pixel.alpha() < 255
                            || pixel.rgb() == palette.color(QPalette::ButtonText).rgb());
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
