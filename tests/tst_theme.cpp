#include "EaseOutAnimation.h"
#include "Palettes.h"
#include "Symbols.h"
#include "Theme.h"

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QTest>

using Palettes::alpha;
using Palettes::sameColor;

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void foregroundLevels_data();
    void foregroundLevels();
    void coloursFollowThePalettesDarkness();
    void onAccentComesFromTheAsset();
    void fonts_data();
    void fonts();
    void symbolsAreTintedLikeText_data();
    void symbolsAreTintedLikeText();
    void easeOutCurve();
};

void TestTheme::initTestCase()
{
    // No desktop theme: the shipped drawings must stand in.
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
}

void TestTheme::foregroundLevels_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << Palettes::light() << false << QColor(0x20, 0x20, 0x20);
    QTest::newRow("dark") << Palettes::dark() << true << QColor(0xE8, 0xE8, 0xE8);
}

void TestTheme::foregroundLevels()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, dark);
    QFETCH(QColor, text);
    using Theme::Foreground;

    QCOMPARE(Theme::isDark(palette), dark);
    QVERIFY(sameColor(Theme::foreground(Foreground::primary, palette), text));
    QVERIFY(sameColor(Theme::foreground(Foreground::secondary, palette), alpha(text, 0.5)));
    QVERIFY(sameColor(Theme::foreground(Foreground::tertiary, palette), alpha(text, 0.26)));
    QVERIFY(sameColor(Theme::foreground(Foreground::quaternary, palette), alpha(text, 0.1)));
    QVERIFY(sameColor(Theme::separator(palette), alpha(text, 0.1)));
    QCOMPARE(Theme::accent(palette), palette.color(QPalette::Highlight));
}

void TestTheme::coloursFollowThePalettesDarkness()
{
    const QPalette light = Palettes::light();
    const QPalette dark = Palettes::dark();
    QCOMPARE(Theme::standard(Theme::Standard::pink, light), QColor(0xFF2D55));
    QCOMPARE(Theme::standard(Theme::Standard::pink, dark), QColor(0xFF375F));
    QCOMPARE(Theme::strength(Strength::Color::mint, light), QColor(0x00C7BE));
    QCOMPARE(Theme::strength(Strength::Color::mint, dark), QColor(0x63E6E2));
    // The yellow-green of "strong" is the one colour without a dark variant.
    const QColor yellowGreen = QColor::fromRgbF(0.62f, 0.85f, 0.16f);
    QCOMPARE(Theme::strength(Strength::Color::yellowGreen, light), yellowGreen);
    QCOMPARE(Theme::strength(Strength::Color::yellowGreen, dark), yellowGreen);
}

void TestTheme::onAccentComesFromTheAsset()
{
    // The palette would say black; the shipped asset says white.
    QPalette palette = Palettes::light();
    palette.setColor(QPalette::HighlightedText, Qt::black);
    QCOMPARE(Theme::onAccent(palette), QColor(Qt::white));
    palette = Palettes::dark();
    palette.setColor(QPalette::HighlightedText, Qt::black);
    QCOMPARE(Theme::onAccent(palette), QColor(Qt::white));
}

void TestTheme::fonts_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("fixedPitch");

    using T = Theme::TextStyle;
    const int normal = QGuiApplication::font().weight();
    QTest::newRow("body") << Theme::font(T::body) << 13 << normal << false;
    QTest::newRow("callout") << Theme::font(T::callout) << 12 << normal << false;
    QTest::newRow("caption") << Theme::font(T::caption) << 10 << normal << false;
    QTest::newRow("password") << Theme::font(13, QFont::Medium, true) << 13 << int(QFont::Medium)
                              << true;
}

void TestTheme::fonts()
{
    QFETCH(QFont, font);
    QFETCH(int, pixelSize);
    QFETCH(int, weight);
    QFETCH(bool, fixedPitch);
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(int(font.weight()), weight);
    QCOMPARE(QFontInfo(font).fixedPitch(), fixedPitch);
}

void TestTheme::symbolsAreTintedLikeText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("clock.arrow.circlepath") << "clock.arrow.circlepath";
    QTest::newRow("gearshape") << "gearshape";
    QTest::newRow("doc.on.doc") << "doc.on.doc";
    QTest::newRow("clock") << "clock";
}

void TestTheme::symbolsAreTintedLikeText()
{
    QFETCH(QString, name);
    const QPalette original = QGuiApplication::palette();
    for (const QPalette &palette : {Palettes::light(), Palettes::dark()}) {
        QGuiApplication::setPalette(palette);
        const QIcon icon = Symbols::icon(name);
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        const QColor ink = palette.color(QPalette::ButtonText);
        int covered = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() == 255) {
                    QCOMPARE(pixel.rgb(), ink.rgb());
                    ++covered;
                }
            }
        }
        // A drawing, neither empty nor a filled square.
        QVERIFY2(covered > 20 && covered < 32 * 32 / 2, qPrintable(QString::number(covered)));
    }
    QGuiApplication::setPalette(original);
    QVERIFY(Symbols::icon(QStringLiteral("no.such.symbol")).isNull());
}

void TestTheme::easeOutCurve()
{
    // The cubic Bézier (0, 0), (0.58, 1), (1, 1), solved for x by bisection.
    const auto bezier = [](double a, double b, double t) {
        const double u = 1 - t;
        return 3 * u * u * t * a + 3 * u * t * t * b + t * t * t;
    };
    const QEasingCurve curve = EaseOutAnimation::curve();
    for (const double x : {0.1, 0.25, 0.5, 0.75, 0.9}) {
        double low = 0;
        double high = 1;
        for (int i = 0; i < 60; ++i) {
            const double mid = (low + high) / 2;
            (bezier(0, 0.58, mid) < x ? low : high) = mid;
        }
        const double expected = bezier(0, 1, low);
        QVERIFY2(qAbs(curve.valueForProgress(x) - expected) < 1e-3, qPrintable(QString::number(x)));
    }
    // Ease-out: ahead of linear everywhere inside.
    QVERIFY(curve.valueForProgress(0.5) > 0.6);
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
