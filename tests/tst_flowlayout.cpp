#include "ui/FlowLayout.h"

#include <QTest>
#include <QWidget>

using Sizes = QList<QSizeF>;
using Indices = QList<QList<qsizetype>>;
using Rects = QList<QRect>;

// One fixed-size child per size, in a flow with spacing 5.
struct Flow
{
    Flow(const Sizes &sizes, int lineSpacing = 5)
        : layout(new FlowLayout(&container))
    {
        layout->setSpacing(5);
        layout->setLineSpacing(lineSpacing);
        for (const QSizeF &size : sizes) {
            children.append(new QWidget(&container));
            children.last()->setFixedSize(size.toSize());
            layout->addWidget(children.last());
        }
    }

    QWidget container;
    FlowLayout *layout;
    QList<QWidget *> children;
};

static Sizes chips(int count)
{
    return Sizes(count, QSizeF(22, 22));
}

class TestFlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void measuring_data();
    void measuring();
    void placing_data();
    void placing();
    void hiddenChildTakesNoPlace();
    void heightForWidthCountsMargins();
};

void TestFlowLayout::measuring_data()
{
    QTest::addColumn<Sizes>("sizes");
    QTest::addColumn<int>("lineSpacing");
    QTest::addColumn<qreal>("proposedWidth");
    QTest::addColumn<Indices>("rows");
    QTest::addColumn<QSizeF>("size");

    // A line spacing of 7 tells it apart from the spacing of 5.
    const Sizes three{{10, 10}, {20, 12}, {30, 8}};
    QTest::newRow("no children") << Sizes{} << 5 << 100.0 << Indices{} << QSizeF(0, 0);
    QTest::newRow("unbounded width: one row")
        << three << 7 << FlowLayout::unbounded << Indices{{0, 1, 2}} << QSizeF(70, 12);
    QTest::newRow("width 0: a row each")
        << three << 7 << 0.0 << Indices{{0}, {1}, {2}} << QSizeF(30, 10 + 12 + 8 + 2 * 7);
    QTest::newRow("exact fit stays in the row")
        << chips(3) << 5 << 76.0 << Indices{{0, 1, 2}} << QSizeF(76, 22);
    QTest::newRow("one short of a fit wraps")
        << chips(3) << 5 << 75.0 << Indices{{0, 1}, {2}} << QSizeF(49, 49);
    QTest::newRow("over-wide child alone on its row")
        << Sizes{{40, 10}, {200, 10}, {40, 10}} << 5 << 100.0 << Indices{{0}, {1}, {2}}
        << QSizeF(200, 40);
    QTest::newRow("over-wide first child")
        << Sizes{{200, 10}, {40, 10}} << 5 << 100.0 << Indices{{0}, {1}} << QSizeF(200, 25);
    QTest::newRow("mixed heights: the tallest counts")
        << Sizes{{22, 22}, {22, 30}} << 5 << 100.0 << Indices{{0, 1}} << QSizeF(49, 30);
    QTest::newRow("chip rows: 7 in 100")
        << chips(7) << 5 << 100.0 << Indices{{0, 1, 2}, {3, 4, 5}, {6}} << QSizeF(76, 76);
    QTest::newRow("chip rows: 20 in 300")
        << chips(20) << 5 << 300.0
        << Indices{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {11, 12, 13, 14, 15, 16, 17, 18, 19}}
        << QSizeF(292, 49);
}

void TestFlowLayout::measuring()
{
    QFETCH(Sizes, sizes);
    QFETCH(int, lineSpacing);
    QFETCH(qreal, proposedWidth);
    QFETCH(Indices, rows);
    QFETCH(QSizeF, size);

    Flow flow(sizes, lineSpacing);
    Indices indices;
    for (const FlowLayout::Row &row : flow.layout->rows(sizes, proposedWidth))
        indices.append(row.indices);
    QCOMPARE(indices, rows);
    QCOMPARE(flow.layout->sizeThatFits(proposedWidth), size);
    if (std::isfinite(proposedWidth))
        QCOMPARE(flow.layout->heightForWidth(int(proposedWidth)), int(size.height()));
    else
        QCOMPARE(flow.layout->sizeHint(), size.toSize());
}

void TestFlowLayout::placing_data()
{
    QTest::addColumn<Sizes>("sizes");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<Rects>("placed");

    QTest::newRow("chips at another origin")
        << chips(4) << QRect(15, 40, 100, 200)
        << Rects{{15, 40, 22, 22}, {42, 40, 22, 22}, {69, 40, 22, 22}, {15, 67, 22, 22}};
    QTest::newRow("mixed heights centred in the row")
        << Sizes{{22, 22}, {22, 30}, {10, 10}} << QRect(0, 0, 60, 100)
        << Rects{{0, 4, 22, 22}, {27, 0, 22, 30}, {0, 35, 10, 10}};
    QTest::newRow("over-wide child at the left edge")
        << Sizes{{40, 10}, {200, 20}} << QRect(3, 0, 100, 100)
        << Rects{{3, 0, 40, 10}, {3, 15, 200, 20}};
    QTest::newRow("no children") << Sizes{} << QRect(0, 0, 100, 100) << Rects{};
}

void TestFlowLayout::placing()
{
    QFETCH(Sizes, sizes);
    QFETCH(QRect, bounds);
    QFETCH(Rects, placed);

    Flow flow(sizes);
    flow.layout->setGeometry(bounds);
    Rects geometries;
    for (const QWidget *child : flow.children)
        geometries.append(child->geometry());
    QCOMPARE(geometries, placed);
}

void TestFlowLayout::hiddenChildTakesNoPlace()
{
    Flow flow(chips(3));
    flow.children.at(1)->hide();
    QCOMPARE(flow.layout->sizeThatFits(), QSizeF(49, 22));
    flow.layout->setGeometry(QRect(0, 0, 100, 100));
    QCOMPARE(flow.children.at(2)->geometry(), QRect(27, 0, 22, 22));
}

void TestFlowLayout::heightForWidthCountsMargins()
{
    Flow flow(chips(7));
    flow.layout->setContentsMargins(4, 3, 6, 2);
    // Less 10 of side margins, 110 leaves the 100 that hold three a row.
    QCOMPARE(flow.layout->heightForWidth(110), 76 + 5);
    QCOMPARE(flow.layout->minimumSize(), QSize(22 + 10, 22 + 5));
}

QTEST_MAIN(TestFlowLayout)
#include "tst_flowlayout.moc"
