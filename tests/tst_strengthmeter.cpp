// The strength meter, and the theme's colours, fonts and symbols it and
// every other widget draws with.
#include "support/Palettes.h"
#include "ui/StrengthMeter.h"
#include "ui/Symbols.h"
#include "ui/Theme.h"

#include <QAbstractAnimation>
#include <QAccessible>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
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

            QCOMPARE(QAccessible::queryAccessibleInterface(&meter)->text(QAccessible::Value),
                     value);
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

    void themeColoursSymbolsAndFonts()
    {
        // A desktop theme with icons of these meanings in a fixed grey, as
        // Adwaita's are: the drawings must be used all the same.
        QTemporaryDir themes;
        QVERIFY(QDir(themes.path()).mkpath("grey/32x32/actions"));
        QFile index(themes.filePath("grey/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=grey\nDirectories=32x32/actions\n"
                    "[32x32/actions]\nSize=32\nType=Fixed\n");
        index.close();
        QImage grey(32, 32, QImage::Format_ARGB32);
        grey.fill(QColor(0x2e, 0x34, 0x36));
        for (const char *name :
             {"document-open-recent-symbolic", "view-history", "emblem-system-symbolic",
              "configure", "edit-copy-symbolic", "edit-copy", "clock"})
            QVERIFY(grey.save(themes.filePath("grey/32x32/actions/%1.png").arg(name)));
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName("grey");
        QVERIFY(QIcon::hasThemeIcon("edit-copy-symbolic"));
        for (QPalette palette : {Palettes::light(), Palettes::dark()}) {
            const QColor text = palette.color(QPalette::WindowText);
            using F = Theme::Foreground;
            const std::pair<F, qreal> shades[] = {
                {F::primary, 1}, {F::secondary, 0.5}, {F::tertiary, 0.26}, {F::quaternary, 0.1}};
            for (const auto &[role, opacity] : shades)
                QCOMPARE_COLOR(Theme::foreground(role, palette), Palettes::alpha(text, opacity));

            // Symbols are drawings, inked like button text.
            QGuiApplication::setPalette(palette);
            const QRgb ink = palette.color(QPalette::ButtonText).rgb();
            for (const char *name :
                 {"clock.arrow.circlepath", "gearshape", "doc.on.doc", "clock"}) {
                const QImage image = Symbols::icon(name).pixmap(QSize(32, 32)).toImage();
                int covered = 0;
                for (int i = 0; i < 32 * 32; ++i) {
                    const QColor pixel = image.pixelColor(i % 32, i / 32);
                    covered += pixel.alpha() == 255;
                    QVERIFY(pixel.alpha() < 255 || pixel.rgb() == ink);
                }
                QVERIFY2(covered > 20 && covered < 32 * 32 / 2, name); // not empty, not a square
            }

            // The palette would say black; the shipped asset says white.
            palette.setColor(QPalette::HighlightedText, Qt::black);
            QCOMPARE(Theme::onAccent(palette), QColor(Qt::white));
        }
        QVERIFY(Symbols::icon(QStringLiteral("no.such.symbol")).isNull());

        using T = Theme::TextStyle;
        const std::pair<T, int> pixelSizes[] = {
            {T::body, 13}, {T::callout, 12}, {T::caption, 10}, {T::caption2, 10}};
        for (const auto &[style, pixels] : pixelSizes)
            QCOMPARE(Theme::font(style).pixelSize(), pixels);
    }
};

QTEST_MAIN(TestStrengthMeter)
#include "tst_strengthmeter.moc"
