#include "support/Palettes.h"
#include "ui/CharacterChip.h"
#include "ui/ChipRow.h"
#include "ui/ChipRowTitle.h"
#include "ui/FlowLayout.h"
#include "ui/GroupToggleButton.h"
#include "ui/LabeledRow.h"
#include "ui/StyledLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

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

// Flows fixed-size children, one per rect's size, into a width; gives where
// they went from the corner inside the margins. Spacing 5 against line
// spacing 7, uneven margins and an origin off the corner make slips show.
Rects flow(QWidget &container, const Rects &children, int width, int hidden = -1)
{
    auto *layout = new FlowLayout(&container);
    layout->setSpacing(5);
    layout->setLineSpacing(7);
    layout->setContentsMargins(4, 3, 6, 2);
    for (const QRect &rect : children) {
        auto *child = new QWidget(&container);
        child->setFixedSize(rect.size());
        child->setHidden(layout->count() == hidden);
        layout->addWidget(child);
    }
    layout->setGeometry(QRect(15, 40, width + 10, 500));
    Rects placed;
    for (int i = 0; i < layout->count(); ++i)
        placed.append(layout->itemAt(i)->widget()->geometry().translated(-19, -43));
    return placed;
}

} // namespace

Q_DECLARE_METATYPE(Look)

class TestChips : public QObject
{
    Q_OBJECT

private slots:
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

    void clicksOnlyAsk_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("cornerClicks");
        // Chips and group buttons are rounded; the row title is not.
        QTest::newRow("chip") << 0 << false;
        QTest::newRow("group button") << 1 << false;
        QTest::newRow("row title") << 2 << true;
    }

    void clicksOnlyAsk()
    {
        QFETCH(int, control);
        QFETCH(bool, cornerClicks);
        CharacterChip chip(QStringLiteral("a"));
        chip.setOn(true);
        GroupToggleButton group(digits);
        group.setState(ToggleState::partial);
        ChipRow row(QStringLiteral("Symbols"), {"!"});
        QAbstractButton *target = QList<QAbstractButton *>{&chip, &group, row.title()}[control];
        const bool checkedBefore = target->isChecked();
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        QCOMPARE(target->focusPolicy(), Qt::StrongFocus);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::keyClick(target, Qt::Key_Space);
        QCOMPARE(clicks.size(), 2);
        // The owner decides the new state; a click alone changes nothing.
        QCOMPARE(target->isChecked(), checkedBefore);
        // A corner pixel, then one on the left edge: only the title takes both.
        target->resize(target->sizeHint());
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, target->height() / 2));
        QCOMPARE(clicks.size(), cornerClicks ? 4 : 3);
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

        QSignalSpy all(&row, &ChipRow::allToggled);
        QSignalSpy one(&row, &ChipRow::characterToggled);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(row.chips().at(1), Qt::Key_Space);
        QCOMPARE(all.size(), 1);
        QCOMPARE(all.first().first().toBool(), shown != "+++");
        QCOMPARE(one.size(), 1);
        QCOMPARE(one.first().first().toString(), "#");
    }

    void chipsWrapShareTheTitleEdgeAndTakeArrows()
    {
        QStringList twenty;
        for (char16_t c = u'a'; c < u'a' + 20; ++c)
            twenty.append(QString(QChar(c)));
        ChipRow row(QStringLiteral("Symbols"), twenty);
        auto *readout = new QLabel(QStringLiteral("2"));
        readout->setFixedWidth(52);
        auto *content = new QWidget;
        LabeledRow labeled(QStringLiteral("Strength"), content, readout);
        // The chips get 300 of the 388: eleven of 22 with 5 between in a line.
        row.resize(388, row.heightForWidth(388));
        labeled.resize(400, 30);
        labeled.show();
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&labeled) && QTest::qWaitForWindowActive(&row));
        QCOMPARE(row.height(), 49);
        const auto at = [&](int i) { return row.chips().at(i)->mapTo(&row, QPoint(0, 0)); };
        QCOMPARE((QList{at(0), at(10), at(11)}),
                 (QList{QPoint(88, 0), QPoint(358, 0), QPoint(88, 27)}));
        QCOMPARE(row.chips().at(19)->size(), QSize(22, 22));

        // Titles end on the edge of their 78-wide column; the readout is 10 apart.
        QCOMPARE(content->width(), 400 - 88 - 10 - 52);
        const QRect title(row.title()->mapTo(&row, QPoint(0, 0)), row.title()->size());
        QCOMPARE(title.right() + 1 - ChipRowTitle::ringMargin, 78);
        QCOMPARE(labeled.titleLabel()->geometry().right() + 1, 78);
        QCOMPARE(labeled.titleLabel()->alignment(), Qt::AlignRight | Qt::AlignVCenter);
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
    }

    void hiddenChildTakesNoPlace()
    {
        // The hidden child is the largest, so any place it takes shows.
        QWidget container;
        QCOMPARE(flow(container, {{0, 0, 22, 22}, {0, 0, 40, 40}, {0, 0, 22, 22}}, 100, 1).at(2),
                 QRect(27, 0, 22, 22));
        // Margins add 10 across and 5 down: one row of two, and one chip.
        QCOMPARE(container.layout()->sizeHint(), QSize(59, 27));
        QCOMPARE(container.layout()->minimumSize(), QSize(32, 27));
    }
};

QTEST_MAIN(TestChips)
#include "tst_chips.moc"
