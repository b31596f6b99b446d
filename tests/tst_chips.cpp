#include "ui/CharacterChip.h"
#include "ui/ChipRow.h"
#include "ui/ChipRowTitle.h"
#include "ui/GroupToggleButton.h"
#include "ui/LabeledRow.h"
#include "support/Palettes.h"
#include "ui/StrengthMeter.h"
#include "ui/StyledLabel.h"
#include "ui/Theme.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

using Palettes::alpha;

namespace {

const QColor accent(0x0A, 0x64, 0xD6);
const QColor text(0x20, 0x20, 0x20);

CharacterGroup digitsGroup()
{
    return {CharacterGroup::Kind::digits, QStringLiteral("0–9"), {"0", "1", "2"}};
}

// A row over a set of enabled characters, the way the option panels wire it.
struct RowModel
{
    QSet<QString> on;
    QStringList toggled;
    QList<bool> toggledAll;

    ChipRow *build(const std::optional<QString> &title, const QStringList &characters,
                   bool withToggleAll = true)
    {
        ChipRow::ToggleAll all;
        if (withToggleAll)
            all = [this](bool value) { toggledAll.append(value); };
        auto *row = new ChipRow(
            title, characters, [this](const QString &c) { return on.contains(c); },
            [this](const QString &c) {
                toggled.append(c);
                if (!on.remove(c))
                    on.insert(c);
            },
            all);
        row->setPalette(Palettes::light());
        return row;
    }
};

// What a toggle looks like in one state.
struct Look
{
    QColor fill;
    QColor border;
    QColor text;
    int weight = QFont::DemiBold;
    bool struck = false;
};

} // namespace

Q_DECLARE_METATYPE(Look)

class TestChips : public QObject
{
    Q_OBJECT

private slots:
    void looksAndAccessibility_data();
    void looksAndAccessibility();
    void clickAndSpaceCallTheAction_data();
    void clickAndSpaceCallTheAction();
    void rowTitle_data();
    void rowTitle();
    void rowWithoutToggleAllHasPlainTitle();
    void chipsFollowThePredicateByPosition();
    void twentyChipsWrapInThreeHundred();
    void arrowKeysMoveAlongTheRow();
    void titleColumnsShareOneEdge();
};

void TestChips::looksAndAccessibility_data()
{
    QTest::addColumn<bool>("group");
    QTest::addColumn<bool>("isOn");
    QTest::addColumn<bool>("isPartial");
    QTest::addColumn<Look>("look");

    const Look on{alpha(accent, 0.22), alpha(accent, 0.55), accent};
    const QColor offBorder = alpha(text, 0.5 * 0.3);
    QTest::newRow("chip on") << false << true << false << on;
    QTest::newRow("chip off") << false << false << false
                              << Look{Qt::transparent, offBorder, alpha(text, 0.5 * 0.45),
                                      QFont::Normal};
    QTest::newRow("group on") << true << true << false << on;
    QTest::newRow("group on wins over partial") << true << true << true << on;
    QTest::newRow("group partial")
        << true << false << true
        << Look{alpha(accent, 0.08), alpha(accent, 0.35), alpha(accent, 0.6)};
    QTest::newRow("group off") << true << false << false
                               << Look{Qt::transparent, offBorder, alpha(text, 0.5 * 0.5),
                                       QFont::DemiBold, true};
}

void TestChips::looksAndAccessibility()
{
    QFETCH(bool, group);
    QFETCH(bool, isOn);
    QFETCH(bool, isPartial);
    QFETCH(Look, look);

    // "&" must not be taken for a mnemonic.
    CharacterChip chip(QStringLiteral("&"), isOn, {});
    GroupToggleButton button(digitsGroup(), isOn, isPartial, {});
    QAbstractButton *widget = group ? static_cast<QAbstractButton *>(&button) : &chip;
    widget->setPalette(Palettes::light());
    const ToggleChrome chrome = group ? button.chrome() : chip.chrome();
    QCOMPARE_COLOR(chrome.fill(widget->palette()), look.fill);
    QCOMPARE_COLOR(chrome.border(widget->palette()), look.border);
    QCOMPARE_COLOR(group ? button.textColor() : chip.textColor(), look.text);
    QCOMPARE(int((group ? button.labelFont() : chip.labelFont()).weight()), look.weight);
    if (group) {
        QCOMPARE(button.isStruckThrough(), look.struck);
        QCOMPARE_COLOR(button.strikeColor(), alpha(text, 0.5 * 0.6));
    }

    // Qt's role for a button that stays on or off, which every desktop
    // bridge reads out with its state; partly on reads as off.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::CheckBox);
    QCOMPARE(iface->text(QAccessible::Name), group ? QStringLiteral("0–9") : QStringLiteral("&"));
    QVERIFY(iface->state().checkable);
    QVERIFY(iface->state().focusable);
    QCOMPARE(bool(iface->state().checked), isOn);
}

void TestChips::clickAndSpaceCallTheAction_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<bool>("cornerClicks");
    // Chips and group buttons are rounded; the row title is not.
    QTest::newRow("chip") << 0 << false;
    QTest::newRow("group button") << 1 << false;
    QTest::newRow("row title") << 2 << true;
}

void TestChips::clickAndSpaceCallTheAction()
{
    QFETCH(int, control);
    QFETCH(bool, cornerClicks);
    int calls = 0;
    CharacterChip chip(QStringLiteral("a"), true, [&] { ++calls; });
    GroupToggleButton group(digitsGroup(), false, true, [&] { ++calls; });
    ChipRow row(
        QStringLiteral("Symbols"), {"!"}, [](const QString &) { return true; },
        [](const QString &) {}, [&](bool) { ++calls; });
    QAbstractButton *target = QList<QAbstractButton *>{&chip, &group, row.titleButton()}[control];
    const bool checkedBefore = target->isChecked();
    QCOMPARE(target->focusPolicy(), Qt::StrongFocus);

    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(calls, 1);
    QTest::keyClick(target, Qt::Key_Space);
    QCOMPARE(calls, 2);
    // The creator decides the new state; a click alone changes nothing.
    QCOMPARE(target->isChecked(), checkedBefore);
    // A corner pixel, then one on the left edge: only the title takes both.
    target->resize(target->sizeHint());
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, target->height() / 2));
    QCOMPARE(calls, cornerClicks ? 4 : 3);
}

void TestChips::rowTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("characters");
    QTest::addColumn<QStringList>("on");
    QTest::addColumn<bool>("allOn");
    QTest::addColumn<bool>("anyOn");
    QTest::addColumn<QString>("toolTip");

    const QStringList symbols{"!", "#", "$"};
    QTest::newRow("all on") << "Symbols" << symbols << symbols << true << true
                            << "Turn off all symbols";
    QTest::newRow("one off") << "Symbols" << symbols << QStringList{"!", "$"} << false << true
                             << "Turn on all symbols";
    QTest::newRow("all off") << "Symbols" << symbols << QStringList{} << false << false
                             << "Turn on all symbols";
    QTest::newRow("empty row") << "Symbols" << QStringList{} << QStringList{} << true << false
                               << "Turn off all symbols";
    QTest::newRow("whole title in lower case")
        << "A–Z" << QStringList{"A", "B"} << QStringList{"A"} << false << true << "Turn on all a–z";
}

void TestChips::rowTitle()
{
    QFETCH(QString, title);
    QFETCH(QStringList, characters);
    QFETCH(QStringList, on);
    QFETCH(bool, allOn);
    QFETCH(bool, anyOn);
    QFETCH(QString, toolTip);

    RowModel model;
    model.on = QSet<QString>(on.cbegin(), on.cend());
    std::unique_ptr<ChipRow> row(model.build(title, characters));
    QCOMPARE(row->allOn(), allOn);
    QCOMPARE(row->anyOn(), anyOn);
    ChipRowTitle *button = row->titleButton();
    QVERIFY(button);
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE_COLOR(button->textColor(), anyOn ? text : alpha(text, 0.5 * 0.6));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), title);
    QCOMPARE(iface->text(QAccessible::Description),
             allOn ? "Turns off the whole row" : "Turns on the whole row");
    QVERIFY(!iface->state().checkable);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(model.toggledAll, QList<bool>{!allOn});
}

void TestChips::rowWithoutToggleAllHasPlainTitle()
{
    RowModel model;
    std::unique_ptr<ChipRow> row(model.build(QStringLiteral("Brackets"), {"(", ")"}, false));
    QVERIFY(!row->titleButton());
    auto *label = row->titleColumn()->findChild<StyledLabel *>();
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Brackets"));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QCOMPARE_COLOR(label->textColor(), alpha(text, 0.5));
}

void TestChips::chipsFollowThePredicateByPosition()
{
    RowModel model;
    model.on = {"y"};
    // A repeated character still makes a chip of its own.
    std::unique_ptr<ChipRow> row(model.build(std::nullopt, {"x", "y", "x"}));
    const auto shown = [&] {
        QStringList chips;
        for (const CharacterChip *chip : row->chips())
            chips.append(chip->character() + (chip->isOn() ? "+" : "-"));
        return chips;
    };
    QCOMPARE(shown(), (QStringList{"x-", "y+", "x-"}));

    QTest::mouseClick(row->chips().at(2), Qt::LeftButton);
    QCOMPARE(model.toggled, QStringList{"x"});
    // The row asks again after the click: both "x" chips are now on.
    QCOMPARE(shown(), (QStringList{"x+", "y+", "x+"}));
    QTest::keyClick(row->chips().at(1), Qt::Key_Space);
    QCOMPARE(model.toggled, (QStringList{"x", "y"}));
    QCOMPARE(shown(), (QStringList{"x+", "y-", "x+"}));
}

void TestChips::twentyChipsWrapInThreeHundred()
{
    RowModel model;
    QStringList twenty;
    for (char16_t c = u'a'; c < u'a' + 20; ++c)
        twenty.append(QString(QChar(c)));
    std::unique_ptr<ChipRow> row(model.build(std::nullopt, twenty));
    QCOMPARE(row->heightForWidth(300), 49);
    row->resize(300, 49);
    row->show();
    QVERIFY(QTest::qWaitForWindowExposed(row.get()));
    // Without a title the chips start at the row's left edge.
    QCOMPARE(row->chipArea()->geometry(), QRect(0, 0, 300, 49));
    QCOMPARE(row->chips().at(10)->geometry(), QRect(270, 0, 22, 22));
    QCOMPARE(row->chips().at(11)->geometry(), QRect(0, 27, 22, 22));
    QCOMPARE(row->chips().at(19)->geometry(), QRect(8 * 27, 27, 22, 22));
}

void TestChips::arrowKeysMoveAlongTheRow()
{
    RowModel model;
    std::unique_ptr<ChipRow> row(model.build(QStringLiteral("Symbols"), {"!", "#", "$"}));
    row->show();
    QVERIFY(QTest::qWaitForWindowActive(row.get()));
    row->chips().at(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), row->chips().at(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), row->titleButton());
}

void TestChips::titleColumnsShareOneEdge()
{
    RowModel model;
    std::unique_ptr<ChipRow> chipRow(model.build(QStringLiteral("Symbols"), {"!", "#"}));
    auto *meter = new StrengthMeter;
    auto *readout = new QLabel(QStringLiteral("2"));
    readout->setFixedWidth(52);
    LabeledRow labeled(QStringLiteral("Strength"), meter, readout);
    chipRow->resize(400, chipRow->heightForWidth(400));
    labeled.resize(400, 30);
    for (QWidget *row : {static_cast<QWidget *>(chipRow.get()), static_cast<QWidget *>(&labeled)}) {
        row->show();
        QVERIFY(QTest::qWaitForWindowExposed(row));
    }
    const int edge = Theme::titleColumnWidth + Theme::titleColumnSpacing;
    QCOMPARE(chipRow->chipArea()->x(), edge);
    QCOMPARE(meter->x(), edge);
    // The meter takes what the readout leaves.
    QCOMPARE(meter->width(), 400 - edge - 10 - 52);
    QCOMPARE(readout->x(), 400 - 52);
    // The title texts end on one right edge.
    const QRect title =
        chipRow->titleButton()->geometry().translated(chipRow->titleColumn()->pos());
    QCOMPARE(title.right() + 1 - ChipRowTitle::ringMargin, Theme::titleColumnWidth);
    QCOMPARE(labeled.titleLabel()->geometry().right() + 1, Theme::titleColumnWidth);
    QCOMPARE(labeled.titleLabel()->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    // The title text lines up with the first line of chips.
    QCOMPARE(title.top() + ChipRowTitle::ringMargin, ChipRow::titleTopPadding);
}

QTEST_MAIN(TestChips)
#include "tst_chips.moc"
