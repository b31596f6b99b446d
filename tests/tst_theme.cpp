#include "support/Palettes.h"
#include "ui/Symbols.h"
#include "ui/Theme.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void coloursFollowThePalette()
    {
        // No desktop theme: the shipped drawings must stand in.
        QIcon::setThemeSearchPaths({});
        QIcon::setFallbackSearchPaths({});
        for (QPalette palette : {Palettes::light(), Palettes::dark()}) {
            const QColor text = palette.color(QPalette::WindowText);
            using F = Theme::Foreground;
            QCOMPARE_COLOR(Theme::foreground(F::primary, palette), text);
            QCOMPARE_COLOR(Theme::foreground(F::secondary, palette), Palettes::alpha(text, 0.5));
            QCOMPARE_COLOR(Theme::foreground(F::tertiary, palette), Palettes::alpha(text, 0.26));
            QCOMPARE_COLOR(Theme::foreground(F::quaternary, palette), Palettes::alpha(text, 0.1));
            QCOMPARE_COLOR(Theme::separator(palette), Palettes::alpha(text, 0.1));

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
    }

    void textStyles()
    {
        using T = Theme::TextStyle;
        const std::pair<T, int> pixelSizes[] = {
            {T::body, 13}, {T::callout, 12}, {T::caption, 10}, {T::caption2, 10}};
        for (const auto &[style, pixels] : pixelSizes)
            QCOMPARE(Theme::font(style).pixelSize(), pixels);
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
