#include "support/Palettes.h"
#include "ui/EaseOutAnimation.h"
#include "ui/Symbols.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QTest>

using Palettes::alpha;

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void coloursByRole_data();
    void coloursByRole();
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

void TestTheme::coloursByRole_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << Palettes::light() << false << QColor(0x20, 0x20, 0x20);
    QTest::newRow("dark") << Palettes::dark() << true << QColor(0xE8, 0xE8, 0xE8);
}

void TestTheme::coloursByRole()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, dark);
    QFETCH(QColor, text);
    using Theme::Foreground;

    QCOMPARE(Theme::isDark(palette), dark);
    QCOMPARE_COLOR(Theme::foreground(Foreground::primary, palette), text);
    QCOMPARE_COLOR(Theme::foreground(Foreground::secondary, palette), alpha(text, 0.5));
    QCOMPARE_COLOR(Theme::foreground(Foreground::tertiary, palette), alpha(text, 0.26));
    QCOMPARE_COLOR(Theme::foreground(Foreground::quaternary, palette), alpha(text, 0.1));
    QCOMPARE_COLOR(Theme::separator(palette), alpha(text, 0.1));
    QCOMPARE(Theme::accent(palette), palette.color(QPalette::Highlight));
    // The one strength colour without a dark variant.
    QCOMPARE(Theme::strength(Strength::Color::yellowGreen, palette),
             QColor::fromRgbF(0.62f, 0.85f, 0.16f));
    // The palette would say black; the shipped asset says white.
    palette.setColor(QPalette::HighlightedText, Qt::black);
    QCOMPARE(Theme::onAccent(palette), QColor(Qt::white));
}

void TestTheme::fonts_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("fixedPitch");

    using T = Theme::TextStyle;
    QTest::newRow("body") << Theme::font(T::body) << 13 << false;
    QTest::newRow("callout") << Theme::font(T::callout) << 12 << false;
    QTest::newRow("caption") << Theme::font(T::caption) << 10 << false;
    QTest::newRow("password") << Theme::monospacedFont(13, QFont::Medium) << 13 << true;
}

void TestTheme::fonts()
{
    QFETCH(QFont, font);
    QFETCH(int, pixelSize);
    QFETCH(bool, fixedPitch);
    QCOMPARE(font.pixelSize(), pixelSize);
    // The face the system finds, not just the hint.
    QCOMPARE(QFontInfo(font).fixedPitch(), fixedPitch);
}

void TestTheme::symbolsAreTintedLikeText_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"clock.arrow.circlepath", "gearshape", "doc.on.doc", "clock"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestTheme::symbolsAreTintedLikeText()
{
    QFETCH(QString, name);
    const QPalette original = QGuiApplication::palette();
    for (const QPalette &palette : {Palettes::light(), Palettes::dark()}) {
        QGuiApplication::setPalette(palette);
        const QImage image = Symbols::icon(name).pixmap(QSize(32, 32)).toImage();
        const QRgb ink = palette.color(QPalette::ButtonText).rgb();
        int covered = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).alpha() == 255) {
                    QCOMPARE(image.pixelColor(x, y).rgb(), ink);
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
    // The cubic Bézier (0, 0), (0.58, 1), (1, 1) at five points.
    const std::pair<double, double> points[] = {
        {0.1, 0.1606}, {0.25, 0.3781}, {0.5, 0.6846}, {0.75, 0.9065}, {0.9, 0.983}};
    const QEasingCurve curve = EaseOutAnimation::curve();
    for (const auto &[x, y] : points)
        QVERIFY2(qAbs(curve.valueForProgress(x) - y) < 1e-3, qPrintable(QString::number(x)));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
