// The password display: its colours, its fitting, its glyphs, its fade and
// its selection.
#include "support/Palettes.h"
#include "support/SamplePasswords.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/history/HistoryRowDelegate.h"
#include "ui/text/FittedText.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;
using namespace SamplePasswords;

class TestPasswordDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // Letters in the text colour, digits orange, the rest pink, one run a
    // character: a combining accent, a non-ASCII digit and letter, a symbol
    // beyond the BMP. Each is drawn with the glyph it has on its own,
    // whatever ligatures the monospaced face offers (run with Fira Code as
    // that face, this bites): in the display, and in the history's rows.
    void eachCharacterAsItself()
    {
        const QString text = u"aZ9-_ e\u0301\u0663\u03BB\U0001F600"_s, classes = u"aa9---a9a-"_s;
        for (const auto &[palette, colours] :
             {std::pair(Palettes::light(), QList<QRgb>{0x202020, 0xFF9500, 0xFF2D55}),
              std::pair(Palettes::dark(), QList<QRgb>{0xE8E8E8, 0xFF9F0A, 0xFF375F})}) {
            const QList<QTextLayout::FormatRange> runs = PasswordDisplay::styled(text, palette);
            QCOMPARE(runs.size(), classes.size());
            qsizetype end = 0;
            for (qsizetype i = 0; i < runs.size(); ++i) {
                QCOMPARE(runs.at(i).start, end);
                end += runs.at(i).length;
                QCOMPARE(runs.at(i).format.foreground().color().rgba(),
                         QColor(colours.at(u"a9-"_s.indexOf(classes.at(i)))).rgba());
            }
            QCOMPARE(end, text.size());
        }

        const QString ligatures = u"a==b!=c->d<=e>=f<-g=>hwwwi||j::k"_s;
        PasswordDisplay display;
        display.setPassword(sample(ligatures), {});
        display.resize(600, display.heightForWidth(600));
        QTextLayout row(FittedText::inOrder(ligatures), HistoryRowDelegate::textFont());
        HistoryRowDelegate::layOutPassword(row, 600);
        for (const QList<QGlyphRun> &runs : {display.content().glyphRuns(), row.glyphRuns()}) {
            QList<quint32> drawn, alone;
            for (const QGlyphRun &run : runs)
                drawn += run.glyphIndexes();
            for (const QChar character : ligatures)
                alone += runs.value(0).rawFont().glyphIndexesForString(character);
            QVERIFY(!drawn.isEmpty());
            QCOMPARE(drawn, alone);
        }
    }

    void fitsTheBox_data()
    {
        QTest::addColumn<QString>("password"); // null for none
        QTest::addColumn<QString>("message");  // null for none
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("sizes"); // in pixels, the least and the most
        QTest::addColumn<bool>("cut");
        const QString message = u"Choose at least two characters."_s, none;
        const QString pw = u"k7#Qm2-Vx9!pR4"_s.repeated(10).left(128);
        QTest::newRow("message wins")
            << "q8-Lw" << message << 400 << message << QList{12, 12} << false;
        QTest::newRow("nothing: one space") << none << none << 400 << " " << QList{13, 13} << false;
        QTest::newRow("empty password") << "" << none << 400 << "" << QList{13, 13} << false;
        // At most three lines: 13 px down to 0.6 of it, 8 in whole pixels, then cut.
        QTest::newRow("long, narrowest window")
            << pw << none << 444 << pw << QList{13, 13} << false;
        QTest::newRow("long, narrower") << pw << none << 300 << pw << QList{8, 12} << false;
        QTest::newRow("long, far too narrow") << pw << none << 140 << pw << QList{8, 8} << true;
        // Nowhere to end a line but inside the run of letters and digits.
        const QString run = u"k7Qm2Vx9pR4"_s.repeated(12).left(128);
        QTest::newRow("long, letters and digits")
            << run << none << 300 << run << QList{8, 12} << false;
        const QStringList words =
            u"distill badge harbor quilt meadow lantern pivot saddle orbit thimble vortex cobalt"_s
                .split(u' ');
        for (const char *separator : {"-", "=", "/", "."}) {
            for (int width : {250, 330, 444}) {
                const QString phrase = words.join(QLatin1String(separator));
                QTest::addRow("passphrase, '%s' in %d", separator, width)
                    << phrase << none << width << phrase << QList{8, 13} << false;
            }
        }
    }

    void fitsTheBox()
    {
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(int, width);
        QFETCH(QString, shown);
        QFETCH(QList<int>, sizes);
        QFETCH(bool, cut);
        PasswordDisplay display;
        display.setPassword(password.isNull() ? std::nullopt : std::optional(sample(password)),
                            message.isNull() ? std::nullopt : std::optional(message));
        const int height = display.heightForWidth(width);
        display.resize(width, height);
        const FittedText &content = display.content();
        QCOMPARE(content.text(), shown);
        const int pixels = content.pixelSize(), lines = content.lineCount();
        QVERIFY(pixels >= sizes[0] && pixels <= sizes[1]);
        QCOMPARE(content.isTruncated(), cut);
        // Padded 10 at the sides and 8 above and below; lines 1 to 2 font sizes high.
        const QSizeF text = content.boundingSize();
        QVERIFY(lines >= 1 && lines <= 3);
        QVERIFY(text.height() >= lines * pixels && text.height() < 2 * lines * pixels);
        QVERIFY(text.width() <= width - 20);
        QCOMPARE(height, int(std::ceil(text.height())) + 16);
        // Lines end after a separator or a space where they can, not inside a
        // word; the first character stands on the first line.
        const bool separated =
            std::ranges::any_of(shown, [](QChar c) { return !c.isLetterOrNumber(); });
        QCOMPARE(content.caretAt(0).y1(), 0.0);
        int breaks = 0;
        for (qsizetype at = 1; at < content.visibleLength(); ++at) {
            if (content.caretAt(at).y1() != content.caretAt(at - 1).y1()) {
                QVERIFY2(!separated || !shown.at(at - 1).isLetterOrNumber(),
                         qPrintable(shown.left(at)));
                ++breaks;
            }
        }
        QCOMPARE(breaks, lines - 1);
        // Only a password can be selected, and only as far as it shows.
        const bool selectable = shown == password && !shown.isEmpty();
        QCOMPARE(display.focusPolicy(), selectable ? Qt::StrongFocus : Qt::NoFocus);
        display.selectAll();
        QCOMPARE(display.selectedText(),
                 selectable ? shown.left(content.visibleLength()) : QString());
    }

    // A new id fades in over 0.15 s, the same text under a new id too; the
    // same password again does not. Monospaced, whatever faces the machine
    // has: "W" as wide as "i".
    void fadesInOnlyForANewId()
    {
        PasswordDisplay display;
        auto *fade = display.findChild<QAbstractAnimation *>();
        QCOMPARE(fade->duration(), 150);
        const GeneratedPassword narrow = sample(u"iiiiiiii"_s);
        for (const auto &[password, fades] :
             {std::pair(narrow, true), {narrow, false}, {sample(narrow.text), true}}) {
            fade->setCurrentTime(fade->duration());
            display.setPassword(password, {});
            QCOMPARE(fade->state() == QAbstractAnimation::Running, fades);
        }
        const qreal width = display.content().boundingSize().width();
        display.setPassword(sample(u"WWWWWWWW"_s), {});
        QCOMPARE(display.content().boundingSize().width(), width);
        fade->setCurrentTime(fade->duration());
        display.setPassword(std::nullopt, u"No word list."_s);
        QCOMPARE(fade->state(), QAbstractAnimation::Running);
    }

    void selectsAndCopies()
    {
        QWidget window;
        auto *display = new PasswordDisplay(&window);
        const QString text = u"Tm4-pz"_s;
        display->setPassword(sample(text), {});
        display->resize(300, display->heightForWidth(300));
        // A window command on the copy keys, as a menu's "Copy Password" might be.
        auto *command = new QAction(&window);
        command->setShortcut(QKeySequence::Copy);
        window.addAction(command);
        QSignalSpy commands(command, &QAction::triggered);
        QSignalSpy copies(display, &PasswordDisplay::copyRequested);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        display->setFocus();
        // Without a selection the keys go on to the window.
        QTest::keySequence(display, QKeySequence::Copy);
        QVERIFY(commands.size() == 1 && copies.isEmpty());
        // Dragged from the end back to the start: the anchor stays at the end.
        const int y = display->height() / 2;
        QTest::mousePress(display, Qt::LeftButton, {}, QPoint(290, y));
        QTest::mouseMove(display, QPoint(10, y));
        QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(10, y));
        QCOMPARE(display->selectedText(), text);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
            QTest::keyClick(display, key, Qt::ShiftModifier);
        QCOMPARE(display->selectedText(), text.mid(1));
        // With one they copy just that, and the window never hears of them.
        QTest::keySequence(display, QKeySequence::Copy);
        QVERIFY(commands.size() == 1 && copies.size() == 1);
        QCOMPARE(copies.first(), QVariantList{text.mid(1)});
        QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(20, y));
        QCOMPARE(display->selectedText(), text);
        display->setPassword(sample(u"other9"_s), {});
        QVERIFY(display->selectedText().isEmpty());
    }
};

QTEST_MAIN(TestPasswordDisplay)
#include "tst_passworddisplay.moc"
