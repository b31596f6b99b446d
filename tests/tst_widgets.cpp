// The interface's building blocks, each alone, and the theme they draw with.
#include "support/Palettes.h"
#include "support/SamplePasswords.h"
#include "ui/AccessibleInterfaces.h"
#include "ui/CharacterChip.h"
#include "ui/ChipRow.h"
#include "ui/ChipRowTitle.h"
#include "ui/FittedText.h"
#include "ui/FlowLayout.h"
#include "ui/GroupToggleButton.h"
#include "ui/PasswordDisplay.h"
#include "ui/StrengthMeter.h"
#include "ui/StyledLabel.h"
#include "ui/SymbolStyle.h"
#include "ui/Symbols.h"
#include "ui/Theme.h"
#include "ui/history/HistoryRowDelegate.h"

#include <QAbstractAnimation>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>
#include <QVector3D>

#include <cmath>

using Palettes::alpha;

namespace {

const QColor accent(0x0A, 0x64, 0xD6);
const QColor text(0x20, 0x20, 0x20);

const CharacterGroup digits{CharacterGroup::Kind::digits, QStringLiteral("0–9"), {"0", "1", "2"}};

// What a toggle looks like in one state.
struct Look
{
    QColor fill;
    QColor border;
    QColor text;
    int weight = QFont::DemiBold;
};

using Rects = QList<QRect>;

// Where children of the rects' sizes flow in a width, from inside the margins;
// uneven spacings and margins and an origin off the corner make slips show.
// A hidden child, larger than any, follows the first: it must take no place.
Rects flow(QWidget &container, const Rects &children, int width)
{
    auto *layout = new FlowLayout(&container);
    layout->setSpacing(5);
    layout->setLineSpacing(7);
    layout->setContentsMargins(4, 3, 6, 2);
    for (const QRect &rect : children) {
        auto *child = new QWidget(&container);
        child->setFixedSize(rect.size());
        layout->addWidget(child);
        if (layout->count() == 1) {
            auto *hidden = new QWidget(&container);
            hidden->setFixedSize(400, 400);
            hidden->hide();
            layout->addWidget(hidden);
        }
    }
    layout->setGeometry(QRect(15, 40, width + 10, 500));
    Rects placed;
    for (int i = 0; i < layout->count(); ++i) {
        if (QWidget *child = layout->itemAt(i)->widget(); !child->isHidden())
            placed.append(child->geometry().translated(-19, -43));
    }
    return placed;
}

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

using namespace SamplePasswords;
using Password = std::optional<GeneratedPassword>;
using Message = std::optional<QString>;

Q_DECLARE_METATYPE(Look)

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    void looks_data()
    {
        QTest::addColumn<bool>("group");
        QTest::addColumn<ToggleState>("state");
        QTest::addColumn<Look>("look");
        const Look on{alpha(accent, 0.22), alpha(accent, 0.55), accent};
        const QColor offBorder = alpha(text, 0.5 * 0.3);
        QTest::newRow("chip on") << false << ToggleState::on << on;
        QTest::newRow("chip off") << false << ToggleState::off
                                  << Look{Qt::transparent, offBorder, alpha(text, 0.5 * 0.45),
                                          QFont::Normal};
        QTest::newRow("group on") << true << ToggleState::on << on;
        QTest::newRow("group partial")
            << true << ToggleState::partial
            << Look{alpha(accent, 0.08), alpha(accent, 0.35), alpha(accent, 0.6)};
        QTest::newRow("group off")
            << true << ToggleState::off << Look{Qt::transparent, offBorder, alpha(text, 0.5 * 0.5)};
    }

    void looks()
    {
        QFETCH(bool, group);
        QFETCH(ToggleState, state);
        QFETCH(Look, look);
        CharacterChip chip(QStringLiteral("&"));
        GroupToggleButton button(digits);
        ToggleButton *toggle = group ? static_cast<ToggleButton *>(&button) : &chip;
        toggle->setPalette(Palettes::light());
        toggle->setState(state);
        QCOMPARE_COLOR(toggle->chrome().fill(toggle->palette()), look.fill);
        QCOMPARE_COLOR(toggle->chrome().border(toggle->palette()), look.border);
        QCOMPARE_COLOR(group ? button.textColor() : chip.textColor(), look.text);
        QCOMPARE(int((group ? button.labelFont() : chip.labelFont()).weight()), look.weight);
        if (group) {
            QCOMPARE(button.isStruckThrough(), state == ToggleState::off);
            QCOMPARE_COLOR(button.strikeColor(), alpha(text, 0.5 * 0.6));
        }
        // A screen reader hears partly on as off.
        QCOMPARE(bool(QAccessible::queryAccessibleInterface(toggle)->state().checked),
                 state == ToggleState::on);
    }

    void cornersOnlyOfTheTitleClick()
    {
        CharacterChip chip(QStringLiteral("a"));
        GroupToggleButton group(digits);
        ChipRow row(QStringLiteral("Symbols"), {"!"});
        // Chips and group buttons are rounded; the row title is not.
        for (QAbstractButton *target : QList<QAbstractButton *>{&chip, &group, row.title()}) {
            QSignalSpy clicks(target, &QAbstractButton::clicked);
            QCOMPARE(target->focusPolicy(), Qt::StrongFocus);
            // A corner pixel, then one on the left edge: only the title takes both.
            target->resize(target->sizeHint());
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, target->height() / 2));
            QCOMPARE(clicks.size(), target == row.title() ? 2 : 1);
        }
    }

    void rowShowsItsSelection_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("all on") << "Symbols" << QStringList{"!", "#", "$"} << "+++"
                                << "Turn off all symbols";
        QTest::newRow("one off") << "Symbols" << QStringList{"!", "$", "%"} << "+-+"
                                 << "Turn on all symbols";
        QTest::newRow("all off") << "A–Z" << QStringList{} << "---"
                                 << "Turn on all a–z";
    }

    void rowShowsItsSelection()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, selected);
        QFETCH(QString, shown);
        QFETCH(QString, toolTip);
        ChipRow row(title, {"!", "#", "$"});
        row.setPalette(Palettes::light());
        row.setSelection(CharacterSet(selected));
        QString states;
        for (const CharacterChip *chip : row.chips())
            states += chip->isOn() ? u'+' : u'-';
        QCOMPARE(states, shown);

        ChipRowTitle *button = row.title();
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE_COLOR(button->textColor(), shown.contains(u'+') ? text : alpha(text, 0.5 * 0.6));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description),
                 shown == "+++" ? "Turns off the whole row" : "Turns on the whole row");
    }

    void chipsWrapShareTheTitleEdgeAndTakeArrows()
    {
        QStringList twenty;
        for (char16_t c = u'a'; c < u'a' + 20; ++c)
            twenty.append(QString(QChar(c)));
        ChipRow row(QStringLiteral("Symbols"), twenty);
        // The chips get 300 of the 388: eleven of 22 with 5 between in a line.
        row.resize(388, row.heightForWidth(388));
        row.show();
        QVERIFY(QTest::qWaitForWindowActive(&row));
        QCOMPARE(row.height(), 49);
        const auto at = [&](int i) { return row.chips().at(i)->mapTo(&row, QPoint(0, 0)); };
        QCOMPARE((QList{at(0), at(10), at(11)}),
                 (QList{QPoint(88, 0), QPoint(358, 0), QPoint(88, 27)}));
        QCOMPARE(row.chips().at(19)->size(), QSize(22, 22));

        // The title ends on the edge of its 78-wide column.
        const QRect title(row.title()->mapTo(&row, QPoint(0, 0)), row.title()->size());
        QCOMPARE(title.right() + 1 - ChipRowTitle::ringMargin, 78);
        // The title text lines up with the first line of chips.
        QCOMPARE(title.top() + ChipRowTitle::ringMargin, 3);

        // The arrow keys move along the row, and from its first chip to its title.
        row.chips().at(0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), row.chips().at(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), row.title());
    }

    // The layout the chips flow in, alone.
    void flowRows_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<Rects>("placed");

        // Rows centred on their tallest; a row as wide as the width still holds.
        QTest::newRow("none") << 100 << Rects{};
        QTest::newRow("one row") << 1000 << Rects{{0, 1, 10, 10}, {15, 0, 20, 12}, {40, 2, 30, 8}};
        QTest::newRow("width 0") << 0 << Rects{{0, 0, 10, 10}, {0, 17, 20, 12}, {0, 36, 30, 8}};
        QTest::newRow("exact fit") << 76 << Rects{{0, 0, 22, 22}, {27, 0, 22, 22}, {54, 0, 22, 22}};
        QTest::newRow("1 px short")
            << 75 << Rects{{0, 0, 22, 22}, {27, 0, 22, 22}, {0, 29, 22, 22}};
        QTest::newRow("over-wide")
            << 100 << Rects{{0, 0, 40, 10}, {0, 17, 200, 10}, {0, 34, 40, 10}};
        QTest::newRow("over-wide first") << 100 << Rects{{0, 0, 200, 10}, {0, 17, 40, 10}};
        QTest::newRow("tallest last")
            << 60 << Rects{{0, 4, 22, 22}, {27, 0, 22, 30}, {0, 37, 10, 10}};
    }

    void flowRows()
    {
        QFETCH(int, width);
        QFETCH(Rects, placed);

        QWidget container;
        QCOMPARE(flow(container, placed, width), placed);
        // What the rows need: the widest by all of them, and 5 of margins down.
        QRect needed;
        for (const QRect &rect : placed)
            needed |= rect;
        const auto *layout = static_cast<FlowLayout *>(container.layout());
        QCOMPARE(layout->sizeThatFits(width), QSizeF(needed.size()));
        QCOMPARE(layout->heightForWidth(width + 10), needed.height() + 5);
        // Ideally one row; at least the widest and the tallest; margins around.
        int across = -5, widest = 0, tallest = 0;
        for (const QRect &rect : placed) {
            across += rect.width() + 5;
            widest = std::max(widest, rect.width());
            tallest = std::max(tallest, rect.height());
        }
        QCOMPARE(layout->sizeHint(), QSize(std::max(across, 0) + 10, tallest + 5));
        QCOMPARE(layout->minimumSize(), QSize(widest + 10, tallest + 5));
    }

    void coloursByCharacterClass()
    {
        // A combining accent, a non-ASCII digit and letter, a symbol beyond the BMP.
        const QString text = QStringLiteral("aZ9-_ e\u0301\u0663\u03BB\U0001F600");
        const QString classes = QStringLiteral("aa9---a9a-");
        // Letters in the text colour, digits orange, the rest pink.
        const std::pair<QPalette, QList<QRgb>> looks[] = {
            {Palettes::light(), {0x202020, 0xFF9500, 0xFF2D55}},
            {Palettes::dark(), {0xE8E8E8, 0xFF9F0A, 0xFF375F}}};
        for (const auto &[palette, colours] : looks) {
            // Gapless runs over the whole text, as many as characters.
            const QList<QTextLayout::FormatRange> runs = PasswordDisplay::styled(text, palette);
            QCOMPARE(runs.size(), classes.size());
            qsizetype end = 0;
            for (qsizetype i = 0; i < runs.size(); ++i) {
                QCOMPARE(runs.at(i).start, end);
                end += runs.at(i).length;
                QCOMPARE_COLOR(runs.at(i).format.foreground().color(),
                               QColor(colours.at(QStringLiteral("a9-").indexOf(classes.at(i)))));
            }
            QCOMPARE(end, text.size());
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

        const QString message = QStringLiteral("Choose at least two characters."), none;
        const QString pw = QStringLiteral("k7#Qm2-Vx9!pR4").repeated(10).left(128);
        QTest::newRow("message wins")
            << "q8-Lw" << message << 400 << message << QList{12, 12} << false;
        QTest::newRow("nothing: one space") << none << none << 400 << " " << QList{13, 13} << false;
        QTest::newRow("empty password") << "" << none << 400 << "" << QList{13, 13} << false;
        // At most three lines: 13 px down to 0.6 of it, 8 in whole pixels, then cut.
        QTest::newRow("long, narrowest window")
            << pw << none << 444 << pw << QList{13, 13} << false;
        QTest::newRow("long, narrower") << pw << none << 300 << pw << QList{8, 12} << false;
        QTest::newRow("long, far too narrow") << pw << none << 140 << pw << QList{8, 8} << true;
        const QStringList words = QStringLiteral("distill badge harbor quilt meadow lantern pivot "
                                                 "saddle orbit thimble vortex cobalt")
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
        display.setPassword(password.isNull() ? Password() : sample(password),
                            message.isNull() ? Message() : message);
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
        // Lines end after a separator or a space where they can, not inside a word.
        int breaks = 0;
        for (qsizetype at = 1; at < content.visibleLength(); ++at) {
            if (content.caretAt(at).y1() != content.caretAt(at - 1).y1()) {
                QVERIFY2(!shown.at(at - 1).isLetterOrNumber(), qPrintable(shown.left(at)));
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

    // Every character of a password is drawn with the glyph it has on its
    // own, whatever ligatures the monospaced face offers (run with Fira Code
    // as that face, this bites): in the display, and in the history's rows.
    void drawsEachCharacterAsItself()
    {
        const QString text = QStringLiteral("a==b!=c->d<=e>=f<-g=>hwwwi||j::k");
        PasswordDisplay display;
        display.setPassword(sample(text), Message());
        display.resize(600, display.heightForWidth(600));
        QTextLayout row(text, HistoryRowDelegate::textFont());
        row.beginLayout();
        row.createLine();
        row.endLayout();
        for (const QList<QGlyphRun> &runs : {display.content().glyphRuns(), row.glyphRuns()}) {
            QVERIFY(!runs.isEmpty());
            QList<quint32> drawn, alone;
            for (const QGlyphRun &run : runs)
                drawn += run.glyphIndexes();
            for (const QChar character : text)
                alone += runs.first().rawFont().glyphIndexesForString(character);
            QCOMPARE(drawn, alone);
        }
    }

    void fadesInOnlyForANewId()
    {
        PasswordDisplay display;
        const GeneratedPassword narrow = sample(QStringLiteral("iiiiiiii"));
        display.setPassword(narrow, {});
        QVERIFY(display.isFading());
        QTRY_VERIFY_WITH_TIMEOUT(!display.isFading(), 2000);
        display.setPassword(narrow, {});
        QVERIFY(!display.isFading());
        // The same text under a new id is a new password.
        display.setPassword(sample(narrow.text), {});
        QVERIFY(display.isFading());
        // Monospaced, whatever faces the machine has: "W" as wide as "i".
        const qreal width = display.content().boundingSize().width();
        display.setPassword(sample(QStringLiteral("WWWWWWWW")), {});
        QCOMPARE(display.content().boundingSize().width(), width);
        QTRY_VERIFY_WITH_TIMEOUT(!display.isFading(), 2000);
        display.setPassword(std::nullopt, QStringLiteral("No word list."));
        QVERIFY(display.isFading());
    }

    void selectsAndCopies()
    {
        QWidget window;
        auto *display = new PasswordDisplay(&window);
        const QString text = QStringLiteral("Tm4-pz");
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
        QCOMPARE(commands.size(), 1);
        QCOMPARE(copies.size(), 0);

        // Dragged from the end back to the start: the anchor stays at the end.
        const int y = display->height() / 2;
        QTest::mousePress(display, Qt::LeftButton, {}, QPoint(290, y));
        QTest::mouseMove(display, QPoint(10, y));
        QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(10, y));
        QCOMPARE(display->selectedText(), text);
        QTest::keyClick(display, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(display, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(display, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(display->selectedText(), text.mid(1));
        // With one they copy just that, and the window never hears of them.
        QTest::keySequence(display, QKeySequence::Copy);
        QCOMPARE(commands.size(), 1);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(copies.first().first().toString(), text.mid(1));

        QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(20, y));
        QCOMPARE(display->selectedText(), text);
        display->setPassword(sample(QStringLiteral("other9")), {});
        QVERIFY(display->selectedText().isEmpty());
    }

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

    void themeColoursSymbolsAndFonts()
    {
        for (QPalette palette : {Palettes::light(), Palettes::dark()}) {
            const QColor text = palette.color(QPalette::WindowText);
            using F = Theme::Foreground;
            const std::pair<F, qreal> shades[] = {
                {F::primary, 1}, {F::secondary, 0.5}, {F::tertiary, 0.26}, {F::quaternary, 0.1}};
            for (const auto &[role, opacity] : shades)
                QCOMPARE_COLOR(Theme::foreground(role, palette), Palettes::alpha(text, opacity));

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

        using T = Theme::TextStyle;
        const std::pair<T, int> pixelSizes[] = {
            {T::body, 13}, {T::callout, 12}, {T::caption, 10}, {T::caption2, 10}};
        for (const auto &[style, pixels] : pixelSizes)
            QCOMPARE(Theme::font(style).pixelSize(), pixels);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
