// The toggles: character chips, group buttons, chip rows and the flow
// layout they wrap in.
#include "support/Palettes.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRow.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/chips/FlowLayout.h"
#include "ui/chips/GroupToggleButton.h"
#include "ui/style/Theme.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <array>

namespace {

const QColor text(0x20, 0x20, 0x20);

const CharacterGroup digits{CharacterGroup::Kind::digits, QStringLiteral("0–9"), {"0", "1", "2"}};

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

} // namespace

class TestToggles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // Each state looks more present than the next: on, then partly on, then
    // off. On is the accent and bolder; off keeps its border and is struck
    // through on a group button; a screen reader hears partly on as off.
    void looksFollowTheirState()
    {
        for (const QPalette &palette : {Palettes::light(), Palettes::dark()}) {
            CharacterChip chip(QStringLiteral("&"));
            GroupToggleButton group(digits);
            for (ToggleButton *toggle :
                 {static_cast<ToggleButton *>(&chip), static_cast<ToggleButton *>(&group)}) {
                toggle->setPalette(palette);
                const bool isGroup = toggle == &group;
                const auto textOf = [&] { return isGroup ? group.textColor() : chip.textColor(); };
                QList<std::array<qreal, 3>> presence; // fill, border and text opacity
                for (ToggleState state :
                     {ToggleState::on, ToggleState::partial, ToggleState::off}) {
                    if (state == ToggleState::partial && !isGroup)
                        continue; // a chip is on or off
                    toggle->setState(state);
                    const ToggleChrome chrome = toggle->chrome();
                    presence.append({chrome.fill(palette).alphaF(), chrome.border(palette).alphaF(),
                                     textOf().alphaF()});
                    if (state == ToggleState::on)
                        QVERIFY(textOf() == palette.color(QPalette::Highlight));
                    if (isGroup)
                        QCOMPARE(group.isStruckThrough(), state == ToggleState::off);
                    QCOMPARE(bool(QAccessible::queryAccessibleInterface(toggle)->state().checked),
                             state == ToggleState::on);
                }
                for (int part = 0; part < 3; ++part) {
                    for (qsizetype i = 1; i < presence.size(); ++i)
                        QVERIFY(presence[i - 1][part] > presence[i][part]);
                }
                QVERIFY(presence.last()[0] == 0 && presence.last()[1] > 0);
            }
            // The strike shows over the text it strikes.
            QVERIFY(group.strikeColor().alphaF() > group.textColor().alphaF());
            chip.setState(ToggleState::off);
            const int offWeight = chip.labelFont().weight();
            chip.setState(ToggleState::on);
            QVERIFY(chip.labelFont().weight() > offWeight);
        }
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
                                 << "Turn on all A–Z"; // a range keeps its case
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
        // A row with nothing on has a fainter title, in the same ink.
        QCOMPARE(button->textColor().rgb(), text.rgb());
        QCOMPARE(button->textColor().alphaF() < 1, !shown.contains(u'+'));
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
};

QTEST_MAIN(TestToggles)
#include "tst_toggles.moc"
