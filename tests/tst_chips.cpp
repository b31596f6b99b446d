#include "CharacterChip.h"
#include "ChipRow.h"
#include "ChipRowTitle.h"
#include "GroupToggleButton.h"
#include "LabeledRow.h"
#include "Palettes.h"
#include "StrengthMeter.h"
#include "StyledLabel.h"
#include "Theme.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

using Palettes::alpha;
using Palettes::sameColor;

#define QCOMPARE_COLOR(actual, expected)                                                           \
    QVERIFY2(sameColor(actual, expected), qPrintable(QStringLiteral("%1 != %2")                    \
                                                         .arg((actual).name(QColor::HexArgb),      \
                                                              (expected).name(QColor::HexArgb))))

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
                   bool withToggleAll)
    {
        ChipRow::ToggleAll all;
        if (withToggleAll)
            all = [this](bool value) { toggledAll.append(value); };
        auto *row = new ChipRow(
            title, characters, [this](const QString &c) { return on.contains(c); },
            [this](const QString &c) {
                toggled.append(c);
                on.contains(c) ? void(on.remove(c)) : void(on.insert(c));
            },
            all);
        row->setPalette(Palettes::light());
        return row;
    }
};

} // namespace

class TestChips : public QObject
{
    Q_OBJECT

private slots:
    void chipLook_data();
    void chipLook();
    void groupLook_data();
    void groupLook();
    void clickAndSpaceCallTheAction_data();
    void clickAndSpaceCallTheAction();
    void cornerOutsideTheRoundedShapeDoesNotClick();
    void rowTitle_data();
    void rowTitle();
    void rowWithoutToggleAllHasPlainTitle();
    void chipsFollowThePredicateByPosition();
    void twentyChipsWrapInThreeHundred();
    void arrowKeysMoveAlongTheRow();
    void titleColumnsShareOneEdge();
    void accessibility();
};

void TestChips::chipLook_data()
{
    QTest::addColumn<bool>("isOn");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<QColor>("textColor");
    QTest::addColumn<int>("weight");

    QTest::newRow("on") << true << alpha(accent, 0.22) << alpha(accent, 0.55) << accent
                        << int(QFont::DemiBold);
    QTest::newRow("off") << false << QColor(Qt::transparent) << alpha(text, 0.5 * 0.3)
                         << alpha(text, 0.5 * 0.45) << int(QFont::Normal);
}

void TestChips::chipLook()
{
    QFETCH(bool, isOn);
    QFETCH(QColor, fill);
    QFETCH(QColor, border);
    QFETCH(QColor, textColor);
    QFETCH(int, weight);

    CharacterChip chip(QStringLiteral("#"), isOn, {});
    chip.setPalette(Palettes::light());
    QCOMPARE_COLOR(chip.chrome().fill(chip.palette()), fill);
    QCOMPARE_COLOR(chip.chrome().border(chip.palette()), border);
    QCOMPARE_COLOR(chip.textColor(), textColor);
    QCOMPARE(int(chip.labelFont().weight()), weight);
    QCOMPARE(chip.labelFont().pixelSize(), 12);
    QCOMPARE(chip.chrome().cornerRadius, 4.0);
    QCOMPARE(chip.sizeHint(), QSize(22, 22));
}

void TestChips::groupLook_data()
{
    QTest::addColumn<bool>("isOn");
    QTest::addColumn<bool>("isPartial");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<QColor>("textColor");
    QTest::addColumn<bool>("struck");

    QTest::newRow("on") << true << false << alpha(accent, 0.22) << alpha(accent, 0.55) << accent
                        << false;
    QTest::newRow("on wins over partial")
        << true << true << alpha(accent, 0.22) << alpha(accent, 0.55) << accent << false;
    QTest::newRow("partial") << false << true << alpha(accent, 0.08) << alpha(accent, 0.35)
                             << alpha(accent, 0.6) << false;
    QTest::newRow("off") << false << false << QColor(Qt::transparent) << alpha(text, 0.5 * 0.3)
                         << alpha(text, 0.5 * 0.5) << true;
}

void TestChips::groupLook()
{
    QFETCH(bool, isOn);
    QFETCH(bool, isPartial);
    QFETCH(QColor, fill);
    QFETCH(QColor, border);
    QFETCH(QColor, textColor);
    QFETCH(bool, struck);

    GroupToggleButton button(digitsGroup(), isOn, isPartial, {});
    button.setPalette(Palettes::light());
    QCOMPARE_COLOR(button.chrome().fill(button.palette()), fill);
    QCOMPARE_COLOR(button.chrome().border(button.palette()), border);
    QCOMPARE_COLOR(button.textColor(), textColor);
    QCOMPARE(button.isStruckThrough(), struck);
    QCOMPARE_COLOR(button.strikeColor(), alpha(text, 0.5 * 0.6));
    QCOMPARE(int(button.labelFont().weight()), int(QFont::DemiBold));
    QCOMPARE(button.chrome().cornerRadius, 5.0);
}

void TestChips::clickAndSpaceCallTheAction_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("chip") << "chip";
    QTest::newRow("group button") << "group";
    QTest::newRow("row title") << "title";
}

void TestChips::clickAndSpaceCallTheAction()
{
    QFETCH(QString, control);
    int calls = 0;
    std::unique_ptr<QAbstractButton> button;
    std::unique_ptr<ChipRow> row;
    if (control == QLatin1String("chip")) {
        button = std::make_unique<CharacterChip>(QStringLiteral("a"), true, [&] { ++calls; });
    } else if (control == QLatin1String("group")) {
        button = std::make_unique<GroupToggleButton>(digitsGroup(), false, true, [&] { ++calls; });
    } else {
        row = std::make_unique<ChipRow>(
            QStringLiteral("Symbols"), QStringList{"!"}, [](const QString &) { return true; },
            [](const QString &) {}, [&](bool) { ++calls; });
    }
    QAbstractButton *target = row ? row->titleButton() : button.get();
    const bool checkedBefore = target->isChecked();
    QCOMPARE(target->focusPolicy(), Qt::StrongFocus);

    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(calls, 1);
    QTest::keyClick(target, Qt::Key_Space);
    QCOMPARE(calls, 2);
    // The creator decides the new state; a click alone changes nothing.
    QCOMPARE(target->isChecked(), checkedBefore);
}

void TestChips::cornerOutsideTheRoundedShapeDoesNotClick()
{
    int calls = 0;
    CharacterChip chip(QStringLiteral("a"), false, [&] { ++calls; });
    chip.resize(chip.sizeHint());
    // (A null point would mean the centre to QTest.)
    QTest::mouseClick(&chip, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(calls, 0);
    QTest::mouseClick(&chip, Qt::LeftButton, {}, QPoint(2, 11));
    QCOMPARE(calls, 1);
}

void TestChips::rowTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("characters");
    QTest::addColumn<QStringList>("on");
    QTest::addColumn<bool>("allOn");
    QTest::addColumn<bool>("anyOn");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("hint");

    const QStringList symbols{"!", "#", "$"};
    const QString turnOff = QStringLiteral("Turns off the whole row");
    const QString turnOn = QStringLiteral("Turns on the whole row");
    QTest::newRow("all on") << "Symbols" << symbols << symbols << true << true
                            << "Turn off all symbols" << turnOff;
    QTest::newRow("one off") << "Symbols" << symbols << QStringList{"!", "$"} << false << true
                             << "Turn on all symbols" << turnOn;
    QTest::newRow("all off") << "Symbols" << symbols << QStringList{} << false << false
                             << "Turn on all symbols" << turnOn;
    QTest::newRow("empty row") << "Symbols" << QStringList{} << QStringList{} << true << false
                               << "Turn off all symbols" << turnOff;
    QTest::newRow("whole title in lower case") << "A–Z" << QStringList{"A", "B"} << QStringList{"A"}
                                               << false << true << "Turn on all a–z" << turnOn;
}

void TestChips::rowTitle()
{
    QFETCH(QString, title);
    QFETCH(QStringList, characters);
    QFETCH(QStringList, on);
    QFETCH(bool, allOn);
    QFETCH(bool, anyOn);
    QFETCH(QString, toolTip);
    QFETCH(QString, hint);

    RowModel model;
    model.on = QSet<QString>(on.cbegin(), on.cend());
    std::unique_ptr<ChipRow> row(model.build(title, characters, true));
    QCOMPARE(row->allOn(), allOn);
    QCOMPARE(row->anyOn(), anyOn);
    ChipRowTitle *button = row->titleButton();
    QVERIFY(button);
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE(button->accessibleDescription(), hint);
    QCOMPARE(button->font().pixelSize(), 12);
    const QColor expected = anyOn ? text : alpha(text, 0.5 * 0.6);
    QCOMPARE_COLOR(button->textColor(), expected);

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
    QCOMPARE(label->font().pixelSize(), 12);
    QCOMPARE_COLOR(label->textColor(), alpha(text, 0.5));
}

void TestChips::chipsFollowThePredicateByPosition()
{
    RowModel model;
    model.on = {"y"};
    // A repeated character still makes a chip of its own.
    std::unique_ptr<ChipRow> row(model.build(std::nullopt, {"x", "y", "x"}, false));
    QCOMPARE(row->chips().size(), 3);
    QList<bool> states;
    QStringList shown;
    for (const CharacterChip *chip : row->chips()) {
        states.append(chip->isOn());
        shown.append(chip->character());
    }
    QCOMPARE(shown, (QStringList{"x", "y", "x"}));
    QCOMPARE(states, (QList<bool>{false, true, false}));

    QTest::mouseClick(row->chips().at(2), Qt::LeftButton);
    QCOMPARE(model.toggled, QStringList{"x"});
    // The row asks again after the click: both "x" chips are now on.
    QVERIFY(row->chips().at(0)->isOn());
    QVERIFY(row->chips().at(2)->isOn());
    QTest::keyClick(row->chips().at(1), Qt::Key_Space);
    QCOMPARE(model.toggled, (QStringList{"x", "y"}));
    QVERIFY(!row->chips().at(1)->isOn());
}

void TestChips::twentyChipsWrapInThreeHundred()
{
    RowModel model;
    QStringList twenty;
    for (int i = 0; i < 20; ++i)
        twenty.append(QString(QChar(u'a' + i)));
    std::unique_ptr<ChipRow> row(model.build(std::nullopt, twenty, false));
    QCOMPARE(row->heightForWidth(300), 49);
    row->resize(300, 49);
    row->show();
    QVERIFY(QTest::qWaitForWindowExposed(row.get()));
    QCOMPARE(row->chipArea()->geometry(), QRect(0, 0, 300, 49));
    QCOMPARE(row->chips().at(10)->geometry(), QRect(270, 0, 22, 22));
    QCOMPARE(row->chips().at(11)->geometry(), QRect(0, 27, 22, 22));
    QCOMPARE(row->chips().at(19)->geometry(), QRect(8 * 27, 27, 22, 22));
}

void TestChips::arrowKeysMoveAlongTheRow()
{
    RowModel model;
    std::unique_ptr<ChipRow> row(model.build(QStringLiteral("Symbols"), {"!", "#", "$"}, true));
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
    std::unique_ptr<ChipRow> chipRow(model.build(QStringLiteral("Symbols"), {"!", "#"}, true));
    auto *meter = new StrengthMeter;
    auto *readout = new QLabel(QStringLiteral("2"));
    readout->setFixedWidth(52);
    LabeledRow labeled(QStringLiteral("Strength"), meter, readout);
    for (QWidget *row : {static_cast<QWidget *>(chipRow.get()), static_cast<QWidget *>(&labeled)}) {
        row->resize(400, row->heightForWidth(400) > 0 ? row->heightForWidth(400) : 30);
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

void TestChips::accessibility()
{
    CharacterChip on(QStringLiteral("&"), true, {});
    CharacterChip off(QStringLiteral("%"), false, {});
    GroupToggleButton partial(digitsGroup(), false, true, {});
    GroupToggleButton full(digitsGroup(), true, false, {});

    const struct
    {
        QWidget *widget;
        QString name;
        bool checked;
    } cases[] = {
        {&on, "&", true}, {&off, "%", false}, {&partial, "0–9", false}, {&full, "0–9", true}};
    for (const auto &c : cases) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(c.widget);
        QVERIFY(iface);
        // Qt's role for a button that stays on or off, which every desktop
        // bridge reads out with its state.
        QCOMPARE(iface->role(), QAccessible::CheckBox);
        QCOMPARE(iface->text(QAccessible::Name), c.name);
        QVERIFY(iface->state().checkable);
        QCOMPARE(bool(iface->state().checked), c.checked);
        QVERIFY(iface->state().focusable);
    }

    RowModel model;
    std::unique_ptr<ChipRow> row(model.build(QStringLiteral("Symbols"), {"!"}, true));
    QAccessibleInterface *title = QAccessible::queryAccessibleInterface(row->titleButton());
    QCOMPARE(title->role(), QAccessible::Button);
    QCOMPARE(title->text(QAccessible::Name), QStringLiteral("Symbols"));
    QCOMPARE(title->text(QAccessible::Description), QStringLiteral("Turns on the whole row"));
    QVERIFY(!title->state().checkable);
}

QTEST_MAIN(TestChips)
#include "tst_chips.moc"
