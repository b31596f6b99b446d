#pragma once

#include <QLayout>
#include <QList>
#include <QSizeF>

#include <limits>

// Places its items left to right in their order and starts a new row when
// the next item would make the row wider than the width available, the way
// words wrap into lines. Each item keeps its size hint; items in a row are
// centred vertically on the row's tallest. Hidden widgets take no place.
class FlowLayout : public QLayout
{
    Q_OBJECT

public:
    struct Row
    {
        QList<qsizetype> indices; // ascending, never empty
        qreal width = 0;          // items plus spacing between neighbours
        qreal height = 0;         // the tallest item
    };

    static constexpr qreal unbounded = std::numeric_limits<qreal>::infinity();

    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    // Horizontal gap between neighbours in a row.
    int spacing() const override;
    void setSpacing(int spacing) override;
    // Vertical gap between rows.
    int lineSpacing() const;
    void setLineSpacing(int lineSpacing);

    // Breaks items of the given sizes into rows no wider than maxWidth. The
    // first item of a row stays there even when it alone is wider.
    QList<Row> rows(const QList<QSizeF> &sizes, qreal maxWidth) const;
    // The size the items need within a width, margins left out: the widest
    // row, which may be less or, for an over-wide item, more than offered.
    QSizeF sizeThatFits(qreal proposedWidth = unbounded) const;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    QList<QLayoutItem *> visibleItems() const;
    static QList<QSizeF> idealSizes(const QList<QLayoutItem *> &of);
    QSize withMargins(const QSizeF &size) const;

    QList<QLayoutItem *> m_items;
    int m_spacing = 0;
    int m_lineSpacing = 0;
};
