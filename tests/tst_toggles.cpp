// The toggles: character chips, group buttons, chip rows and the flow
// layout they wrap in.
#include "support/Palettes.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/chips/CharacterChip.h"
#include "ui/chips/ChipRow.h"
#include "ui/chips/ChipRowTitle.h"
#include "ui/chips/FlowLayout.h"
#include "ui/chips/GroupToggleButton.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;
using Rects = QList<QRect>;

class TestToggles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installFactory(accessibleInterface); }

    // Each state looks more present than the next: on, then partly on, then
    // off. On is the accent and bolder; off keeps its border and is struck
    // through on a group button; a screen reader hears a check box, checked only when on.
    void looksFollowTheirState()
    {
        for (const QPalette &palette : {Palettes::light(), Palettes::dark()}) {
            CharacterChip chip(u"&"_s);
            GroupToggleButton group({CharacterGroup::Kind::digits, u"0–9"_s, {"0", "1", "2"}});
            for (ToggleButton *toggle : QList<ToggleButton *>{&chip, &group}) {
                toggle->setPalette(palette);
                const bool isGroup = toggle == &group;
                QList<std::array<qreal, 3>> presence; // fill, border and text opacity
                for (ToggleState state :
                     {ToggleState::on, ToggleState::partial, ToggleState::off}) {
                    if (state == ToggleState::partial && !isGroup)
                        continue; // a chip is on or off
                    toggle->setState(state);
                    const ToggleChrome chrome = toggle->chrome();
                    const QColor text = isGroup ? group.textColor() : chip.textColor();
                    presence.append({chrome.fill(palette).alphaF(), chrome.border(palette).alphaF(),
                                     text.alphaF()});
                    QVERIFY(state != ToggleState::on || text == palette.color(QPalette::Highlight));
                    QVERIFY(!isGroup || group.isStruckThrough() == (state == ToggleState::off));
                    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(toggle);
                    QCOMPARE(reader->role(), QAccessible::CheckBox);
                    QCOMPARE(bool(reader->state().checked), state == ToggleState::on);
                }
                for (qsizetype i = 1; i < presence.size(); ++i) {
                    for (int part = 0; part < 3; ++part)
                        QVERIFY(presence[i - 1][part] > presence[i][part]);
                }
                QVERIFY(presence.last()[0] == 0 && presence.last()[1] > 0);
            }
            // The strike shows over the text it strikes.
            QVERIFY(group.strikeColor().alphaF() > group.textColor().alphaF());
            const int offWeight = chip.labelFont().weight();
            chip.setState(ToggleState::on);
            QVERIFY(chip.labelFont().weight() > offWeight);

            // Chips and group buttons are rounded, the row title is not: a
            // corner pixel, then one on the left edge, and only the title takes both.
            ChipRow row(u"Symbols"_s, {"!"});
            for (QAbstractButton *target : QList<QAbstractButton *>{&chip, &group, row.title()}) {
                QSignalSpy clicks(target, &QAbstractButton::clicked);
                QCOMPARE(target->focusPolicy(), Qt::StrongFocus);
                target->resize(target->sizeHint());
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, target->height() / 2));
                QCOMPARE(clicks.size(), target == row.title() ? 2 : 1);
            }
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
        QCOMPARE(button->textColor().rgb(), qRgb(0x20, 0x20, 0x20));
        QCOMPARE(button->textColor().alphaF() < 1, !shown.contains(u'+'));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description),
                 shown == "+++" ? "Turns off the whole row" : "Turns on the whole row");
    }

    void chipsWrapShareTheTitleEdgeAndTakeArrows()
    {
        QStringList twenty;
        for (char16_t c = u'a'; c < u'a' + 20; ++c)
            twenty.append(QString(QChar(c)));
        ChipRow row(u"Symbols"_s, twenty);
        // The chips get 300 of the 388: eleven of 22 with 5 between in a line.
        row.resize(388, row.heightForWidth(388));
        row.show();
        QVERIFY(QTest::qWaitForWindowActive(&row));
        QCOMPARE(row.height(), 49);
        const auto at = [&](QWidget *widget) { return widget->mapTo(&row, QPoint(0, 0)); };
        QCOMPARE((QList{at(row.chips()[0]), at(row.chips()[10]), at(row.chips()[11])}),
                 (QList{QPoint(88, 0), QPoint(358, 0), QPoint(88, 27)}));
        QCOMPARE(row.chips().at(19)->size(), QSize(22, 22));
        // The title ends on the edge of its 78-wide column, its text level
        // with the first line of chips.
        const QPoint title = at(row.title()) + QPoint(row.title()->width(), 0);
        QCOMPARE(title + QPoint(-ChipRowTitle::ringMargin, ChipRowTitle::ringMargin),
                 QPoint(78, 3));

        // The arrow keys move along the row, and from its first chip to its title.
        row.chips().at(0)->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(key != Qt::Key_Right || QApplication::focusWidget() == row.chips().at(1));
        }
        QCOMPARE(QApplication::focusWidget(), row.title());
    }

    // The layout the chips flow in, alone. Rows are centred on their
    // tallest; a row as wide as the width still holds.
    void flowRows_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<Rects>("placed");
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
        // Uneven spacings and margins and an origin off the corner make slips
        // show. A hidden child, larger than any, follows the first: it must take no place.
        QWidget container;
        auto *layout = new FlowLayout(&container);
        layout->setSpacing(5);
        layout->setLineSpacing(7);
        layout->setContentsMargins(4, 3, 6, 2);
        QWidgetList children;
        for (const QRect &rect : placed) {
            children << new QWidget(&container);
            children.last()->setFixedSize(rect.size());
            layout->addWidget(children.last());
            if (children.size() == 1) {
                auto *hidden = new QWidget(&container);
                hidden->setFixedSize(400, 400);
                hidden->hide();
                layout->addWidget(hidden);
            }
        }
        layout->setGeometry(QRect(15, 40, width + 10, 500));
        Rects shown;
        for (QWidget *child : children)
            shown << child->geometry().translated(-19, -43);
        QCOMPARE(shown, placed);
        // What the rows need: the widest by all of them, and 5 of margins down.
        // Ideally one row; at least the widest and the tallest; margins around.
        QRect needed;
        int across = -5, widest = 0, tallest = 0;
        for (const QRect &rect : placed) {
            needed |= rect;
            across += rect.width() + 5;
            widest = std::max(widest, rect.width());
            tallest = std::max(tallest, rect.height());
        }
        QCOMPARE(layout->sizeThatFits(width), QSizeF(needed.size()));
        QCOMPARE(layout->heightForWidth(width + 10), needed.height() + 5);
        QCOMPARE(layout->sizeHint(), QSize(std::max(across, 0) + 10, tallest + 5));
        QCOMPARE(layout->minimumSize(), QSize(widest + 10, tallest + 5));
    }
};

QTEST_MAIN(TestToggles)
#include "tst_toggles.moc"
