#include "ui/chips/FlowLayout.h"

#include <QGuiApplication>
#include <QStyle>
#include <QWidget>

#include <cmath>

FlowLayout::FlowLayout(QWidget *parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    qDeleteAll(m_items);
}

int FlowLayout::spacing() const
{
    return m_spacing;
}

void FlowLayout::setSpacing(int spacing)
{
    m_spacing = spacing;
    invalidate();
}

int FlowLayout::lineSpacing() const
{
    return m_lineSpacing;
}

void FlowLayout::setLineSpacing(int lineSpacing)
{
    m_lineSpacing = lineSpacing;
    invalidate();
}

QList<FlowLayout::Row> FlowLayout::rows(const QList<QSizeF> &sizes, qreal maxWidth) const
{
    QList<Row> result;
    Row current;
    for (qsizetype index = 0; index < sizes.size(); ++index) {
        const QSizeF size = sizes.at(index);
        if (current.indices.isEmpty()) {
            current.width = size.width();
        } else {
            const qreal candidate = current.width + m_spacing + size.width();
            if (candidate > maxWidth) {
                result.append(current);
                current = Row{{}, size.width(), 0};
            } else {
                current.width = candidate;
            }
        }
        current.indices.append(index);
        current.height = qMax(current.height, size.height());
    }
    if (!current.indices.isEmpty())
        result.append(current);
    return result;
}

QSizeF FlowLayout::sizeThatFits(qreal proposedWidth) const
{
    const QList<Row> broken = rows(idealSizes(visibleItems()), proposedWidth);
    qreal width = 0;
    qreal height = 0;
    for (const Row &row : broken) {
        width = qMax(width, row.width);
        height += row.height;
    }
    if (!broken.isEmpty())
        height += m_lineSpacing * qreal(broken.size() - 1);
    return {width, height};
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
    invalidate();
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index, nullptr);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem *item = m_items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const qreal inner = width - margins.left() - margins.right();
    return withMargins(sizeThatFits(inner)).height();
}

QSize FlowLayout::sizeHint() const
{
    return withMargins(sizeThatFits(unbounded));
}

QSize FlowLayout::minimumSize() const
{
    // As narrow as the widest item; as low as one row, since the height
    // for a width comes from heightForWidth.
    qreal width = 0;
    qreal height = 0;
    for (const QSizeF &size : idealSizes(visibleItems())) {
        width = qMax(width, size.width());
        height = qMax(height, size.height());
    }
    return withMargins({width, height});
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QRect bounds = contentsRect();
    const QList<QLayoutItem *> placed = visibleItems();
    const QList<QSizeF> sizes = idealSizes(placed);
    // Lines start at the leading edge: the right one in a right-to-left
    // window, beside the row's title.
    const Qt::LayoutDirection direction =
        parentWidget() ? parentWidget()->layoutDirection() : QGuiApplication::layoutDirection();
    qreal y = bounds.y();
    for (const Row &row : rows(sizes, bounds.width())) {
        qreal x = bounds.x();
        for (const qsizetype index : row.indices) {
            const QSizeF size = sizes.at(index);
            const QPointF topLeft(x, y + (row.height - size.height()) * 0.5);
            placed.at(index)->setGeometry(
                QStyle::visualRect(direction, bounds, QRect(topLeft.toPoint(), size.toSize())));
            x += m_spacing + size.width();
        }
        y += m_lineSpacing + row.height;
    }
}

QList<QLayoutItem *> FlowLayout::visibleItems() const
{
    QList<QLayoutItem *> result;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            result.append(item);
    }
    return result;
}

QList<QSizeF> FlowLayout::idealSizes(const QList<QLayoutItem *> &of)
{
    QList<QSizeF> result;
    result.reserve(of.size());
    for (const QLayoutItem *item : of)
        result.append(QSizeF(item->sizeHint()));
    return result;
}

QSize FlowLayout::withMargins(const QSizeF &size) const
{
    const QMargins margins = contentsMargins();
    return QSize(int(std::ceil(size.width())) + margins.left() + margins.right(),
                 int(std::ceil(size.height())) + margins.top() + margins.bottom());
}
