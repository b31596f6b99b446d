// The password display: its colours, its fitting, its glyphs, its fade and its selection.
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

// What the box is given at a width, and what it must show, at a pixel size from least to most.
struct Box
{
    QString password; // null for none
    int width;
    QList<int> sizes;
    bool cut = false;
    QString message = {}, shown = {}; // null for none, and for the password
};
Q_DECLARE_METATYPE(Box)

class TestPasswordDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // Letters in the text colour, digits orange, the rest pink, a run a character (a combining
    // accent, a non-ASCII digit and letter, a symbol beyond the BMP); each drawn as its own glyph
    // whatever ligatures the face has (Fira Code's), in the display and in the history's rows.
    void eachCharacterAsItself()
    {
        const QString text = u"aZ9-_ e\u0301\u0663\u03BB\U0001F600"_s;
        for (const auto &[palette, colours] :
             {std::pair(Palettes::light(), QList<QRgb>{0xFF202020, 0xFFFF9500, 0xFFFF2D55}),
              std::pair(Palettes::dark(), QList<QRgb>{0xFFE8E8E8, 0xFFFF9F0A, 0xFFFF375F})}) {
            QString seen; // each run's class, by its colour, where it starts
            for (const QTextLayout::FormatRange &run : PasswordDisplay::styled(text, palette)) {
                seen += u"?a9-"_s.at(colours.indexOf(run.format.foreground().color().rgba()) + 1);
                seen += QString::number(run.start) + u':' + QString::number(run.length) + u' ';
            }
            QCOMPARE(seen, u"a0:1 a1:1 92:1 -3:1 -4:1 -5:1 a6:2 98:1 a9:1 -10:2 "_s);
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
        QTest::addColumn<Box>("box");
        const QString message = u"Choose at least two characters."_s, none;
        const QString pw = u"k7#Qm2-Vx9!pR4"_s.repeated(10).left(128);
        QTest::newRow("message wins") << Box{u"q8-Lw"_s, 400, {12, 12}, false, message, message};
        QTest::newRow("nothing: one space") << Box{none, 400, {13, 13}, false, none, u" "_s};
        QTest::newRow("empty password") << Box{u""_s, 400, {13, 13}};
        // At most three lines: 13 px down to 0.6 of it, 8 in whole pixels, then cut.
        QTest::newRow("long, narrowest window") << Box{pw, 444, {13, 13}};
        QTest::newRow("long, narrower") << Box{pw, 300, {8, 12}};
        QTest::newRow("long, far too narrow") << Box{pw, 140, {8, 8}, true};
        // Nowhere to end a line but inside the run of letters and digits.
        QTest::newRow("long, letters and digits")
            << Box{u"k7Qm2Vx9pR4"_s.repeated(12).left(128), 300, {8, 12}};
        const QString words = u"distill badge harbor quilt meadow lantern pivot saddle orbit "
                              u"thimble vortex cobalt"_s;
        for (const char separator : {'-', '=', '/', '.'}) {
            for (int width : {250, 330, 444})
                QTest::addRow("passphrase, '%c' in %d", separator, width)
                    << Box{QString(words).replace(u' ', QChar(separator)), width, {8, 13}};
        }
    }

    void fitsTheBox()
    {
        QFETCH(Box, box);
        const QString shown = box.shown.isNull() ? box.password : box.shown;
        PasswordDisplay display;
        display.setPassword(box.password.isNull() ? std::nullopt
                                                  : std::optional(sample(box.password)),
                            box.message.isNull() ? std::nullopt : std::optional(box.message));
        const int height = display.heightForWidth(box.width);
        display.resize(box.width, height);
        const FittedText &content = display.content();
        const int pixels = content.pixelSize(), lines = content.lineCount();
        QCOMPARE(content.text(), shown);
        QVERIFY(pixels >= box.sizes[0] && pixels <= box.sizes[1] && lines >= 1 && lines <= 3);
        QCOMPARE(content.isTruncated(), box.cut);
        // Padded 10 at the sides and 8 above and below; lines 1 to 2 font sizes high.
        const QSizeF text = content.boundingSize();
        QVERIFY(text.height() >= lines * pixels && text.height() < 2 * lines * pixels);
        QVERIFY(text.width() <= box.width - 20 && height == int(std::ceil(text.height())) + 16);
        // Lines end after a separator or space where they can; the first character is on line 1.
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
        const bool selectable = shown == box.password && !shown.isEmpty();
        QCOMPARE(display.focusPolicy(), selectable ? Qt::StrongFocus : Qt::NoFocus);
        display.selectAll();
        QCOMPARE(display.selectedText(), selectable ? shown.left(content.visibleLength()) : u""_s);
    }

    // A new id fades in, same text or not, a repeat not; in any face, "W" is as wide as "i".
    void fadesInOnlyForANewId()
    {
        PasswordDisplay display;
        auto *fade = display.findChild<QAbstractAnimation *>();
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
        QSignalSpy commands(window.addAction(QString(), QKeySequence::Copy), &QAction::triggered),
            copies(display, &PasswordDisplay::copyRequested);
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
        QVERIFY(commands.size() == 1 && copies.size() == 1 && copies[0][0] == text.mid(1));
        QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(20, y));
        QCOMPARE(display->selectedText(), text);
        display->setPassword(sample(u"other9"_s), {});
        QVERIFY(display->selectedText().isEmpty());
    }
};

QTEST_MAIN(TestPasswordDisplay)
#include "tst_passworddisplay.moc"
