#include "support/Palettes.h"
#include "ui/Symbols.h"
#include "ui/Theme.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void coloursFollowThePalette()
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
