#include "ui/FlowLayout.h"

#include <QTest>
#include <QWidget>

using Rects = QList<QRect>;

// Flows fixed-size children, one per rect's size, into a width; gives where
// they went from the corner inside the margins. Spacing 5 against line
// spacing 7, uneven margins and an origin off the corner make slips show.
static Rects flow(QWidget &container, const Rects &children, int width, int hidden = -1)
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

class TestFlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
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

    void rows()
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

QTEST_MAIN(TestFlowLayout)
#include "tst_flowlayout.moc"
