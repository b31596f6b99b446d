// The toggles: character chips, group buttons, chip rows and the flow layout they wrap in.
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

    // Each state looks more present than the next: on, then partly on, then off. On is the accent
    // and bolder; off keeps its border; a screen reader hears a check box, checked only when on.
    void looksFollowTheirState()
    {
        using enum ToggleState;
        for (const QPalette &palette : {Palettes::light(), Palettes::dark()}) {
            CharacterChip chip(u"&"_s);
            GroupToggleButton group({CharacterGroup::Kind::digits, u"0–9"_s, {"0", "1", "2"}});
            for (ToggleButton *toggle : QList<ToggleButton *>{&chip, &group}) {
                toggle->setPalette(palette);
                const bool isGroup = toggle == &group;
                std::array<float, 3> before{2, 2, 2}; // fill, border and text opacity
                for (ToggleState state : isGroup ? QList{on, partial, off} : QList{on, off}) {
                    toggle->setState(state);
                    const QColor text = isGroup ? group.textColor() : chip.textColor();
                    const std::array now{toggle->chrome().fill(palette).alphaF(),
                                         toggle->chrome().border(palette).alphaF(), text.alphaF()};
                    QVERIFY(now[0] < before[0] && now[1] < before[1] && now[2] < before[2]);
                    QVERIFY(state != on || text == palette.color(QPalette::Highlight));
                    before = now;
                    const auto *reader = QAccessible::queryAccessibleInterface(toggle);
                    QVERIFY(reader->role() == QAccessible::CheckBox
                            && bool(reader->state().checked) == (state == on));
                }
                QVERIFY(before[0] == 0 && before[1] > 0);
            }
            // The strike shows over the text it strikes.
            QVERIFY(group.strikeColor().alphaF() > group.textColor().alphaF());
            const int offWeight = chip.labelFont().weight();
            chip.setState(on);
            QVERIFY(chip.labelFont().weight() > offWeight);
            // Chips and group buttons are rounded, the row title not: only it takes a corner click.
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

    // Chips show the selection; the title offers the opposite, fainter (same ink) with none on.
    void rowShowsItsSelection()
    {
        const auto row = [](const QString &title, const QStringList &selected, const char *shown,
                            const QString &toolTip) {
            ChipRow row(title, {"!", "#", "$"});
            row.setPalette(Palettes::light());
            row.setSelection(CharacterSet(selected));
            QString states;
            for (const CharacterChip *chip : row.chips())
                states += chip->isOn() ? u'+' : u'-';
            QCOMPARE(states, shown);
            const QColor ink = row.title()->textColor();
            QVERIFY(row.title()->toolTip() == toolTip && ink.rgb() == qRgb(0x20, 0x20, 0x20));
            QCOMPARE(ink.alphaF() < 1, !states.contains(u'+'));
            QCOMPARE(
                QAccessible::queryAccessibleInterface(row.title())->text(QAccessible::Description),
                states == "+++" ? "Turns off the whole row" : "Turns on the whole row");
        };
        row(u"Symbols"_s, {"!", "#", "$"}, "+++", u"Turn off all symbols"_s);
        row(u"Symbols"_s, {"!", "$", "%"}, "+-+", u"Turn on all symbols"_s);
        row(u"A–Z"_s, {}, "---", u"Turn on all A–Z"_s); // a range keeps its case
    }

    void chipsWrapAndShareTheTitleEdge()
    {
        ChipRow row(u"Symbols"_s, u"abcdefghijklmnopqrst"_s.split(QString(), Qt::SkipEmptyParts));
        // The chips get 300 of the 388: eleven of 22 with 5 between in a line.
        row.resize(388, row.heightForWidth(388));
        row.show();
        QVERIFY(QTest::qWaitForWindowActive(&row));
        QCOMPARE(row.height(), 49);
        // The title ends on the edge of its 78-wide column, its text level with the first line.
        const auto at = [&](QWidget *widget) { return widget->mapTo(&row, QPoint(0, 0)); };
        ChipRowTitle *title = row.title();
        constexpr int ring = ChipRowTitle::ringMargin;
        QCOMPARE((QList{at(row.chips()[0]), at(row.chips()[10]), at(row.chips()[11]),
                        at(title) + QPoint(title->width() - ring, ring)}),
                 (QList{QPoint(88, 0), QPoint(358, 0), QPoint(88, 27), QPoint(78, 3)}));
    }

    // The chips' flow layout alone: rows centre on their tallest; a row as wide as the width fits.
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
        // Uneven spacings and margins and an origin off the corner make slips show. A hidden
        // child, larger than any, follows the first: it must take no place.
        QWidget container;
        auto *layout = new FlowLayout(&container);
        layout->setSpacing(5);
        layout->setLineSpacing(7);
        layout->setContentsMargins(4, 3, 6, 2);
        const auto add = [&](QSize size) {
            auto *child = new QWidget(&container);
            child->setFixedSize(size);
            layout->addWidget(child);
            return child;
        };
        // Needed: the rows' box, 5 of margins down; ideal: one row; least: widest and tallest.
        QWidgetList children;
        QRect needed;
        QSize largest(0, 0);
        int across = -5;
        for (const QRect &rect : placed) {
            children << add(rect.size());
            if (children.size() == 1)
                add({400, 400})->hide();
            needed |= rect;
            largest = largest.expandedTo(rect.size());
            across += rect.width() + 5;
        }
        layout->setGeometry(QRect(15, 40, width + 10, 500));
        for (qsizetype i = 0; i < placed.size(); ++i)
            QCOMPARE(children.at(i)->geometry().translated(-19, -43), placed.at(i));
        QCOMPARE(layout->sizeThatFits(width), QSizeF(needed.size()));
        QCOMPARE(layout->heightForWidth(width + 10), needed.height() + 5);
        QCOMPARE(layout->sizeHint(), QSize(std::max(across, 0) + 10, largest.height() + 5));
        QCOMPARE(layout->minimumSize(), largest + QSize(10, 5));
    }
};

QTEST_MAIN(TestToggles)
#include "tst_toggles.moc"
