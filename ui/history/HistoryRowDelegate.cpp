#include "ui/history/HistoryRowDelegate.h"

#include "core/Strength.h"
#include "core/Superscript.h"
#include "ui/history/HistoryListModel.h"
#include "ui/history/MiddleElision.h"
#include "ui/style/Symbols.h"
#include "ui/style/Theme.h"
#include "ui/text/FittedText.h"
#include "ui/text/LineBreaking.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

QString HistoryRowDelegate::ratingText(double bits)
{
    return Strength(bits).label() + QStringLiteral(" \u00B7 ") + powerOfTwo(bits);
}

QFont HistoryRowDelegate::textFont()
{
    return Theme::monospacedFont(12);
}

qreal HistoryRowDelegate::textWidth(const QStyleOptionViewItem &option)
{
    return option.rect.width() - 2 * horizontalPadding;
}

QSize HistoryRowDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    const QString shown =
        middleElided(index.data().toString(), textFont(), textWidth(option), maxTextLines);
    const qreal text = wrappedHeight(shown, textFont(), textWidth(option));
    const int details = QFontMetrics(Theme::font(Theme::TextStyle::caption2)).height();
    return QSize(option.rect.width(),
                 int(std::ceil(text)) + lineSpacing + details + 2 * verticalPadding);
}

void HistoryRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    // The panel from the view's own option, not through initStyleOption():
    // that keeps the row's roles, its password among them, in the delegate's
    // private cache until the next paint, which outlives Clear History.
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);

    painter->save();
    const QRect inner = option.rect.adjusted(horizontalPadding, verticalPadding, -horizontalPadding,
                                             -verticalPadding);
    const QString shown =
        middleElided(index.data().toString(), textFont(), inner.width(), maxTextLines);
    QTextLayout layout(FittedText::inOrder(shown), textFont());
    const qreal y = layOutPassword(layout, inner.width());
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    layout.draw(painter, inner.topLeft());

    const int top = inner.top() + int(std::ceil(y)) + lineSpacing;
    paintDetails(*painter, QRect(inner.left(), top, inner.width(), inner.bottom() - top + 1),
                 option.direction, index.data(HistoryListModel::entropyRole).toDouble(),
                 option.palette, selected);
    painter->restore();
}

qreal HistoryRowDelegate::layOutPassword(QTextLayout &layout, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    return breakIntoLines(layout, width);
}

// The dot, the rating and the copy symbol, mirrored in a right-to-left window.
void HistoryRowDelegate::paintDetails(QPainter &painter, const QRect &rect,
                                      Qt::LayoutDirection direction, double bits,
                                      const QPalette &palette, bool selected) const
{
    const auto mirrored = [&](const QRect &r) { return QStyle::visualRect(direction, rect, r); };
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF dot =
        QRectF(mirrored(QRect(rect.left(), rect.center().y() - dotSize / 2, dotSize, dotSize)))
            .translated(0, 0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::strength(Strength(bits).color(), palette));
    painter.drawEllipse(dot);

    const QFont caption = Theme::font(Theme::TextStyle::caption2);
    painter.setFont(caption);
    // On a pressed row the subdued greys would vanish into the highlight:
    // the rating takes the highlight's own text colour, the symbol a half of it.
    const QColor highlighted = palette.color(QPalette::HighlightedText);
    painter.setPen(selected ? highlighted
                            : Theme::foreground(Theme::Foreground::secondary, palette));
    const QRect label = mirrored(rect.adjusted(dotSize + detailSpacing, 0, 0, 0));
    // Left in the painter's direction: beside the dot on either side.
    painter.setLayoutDirection(direction);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, ratingText(bits));

    // The copy symbol, the size of the caption text, in the tertiary level.
    const int side = QFontMetrics(caption).height();
    const QRect symbol =
        mirrored(QRect(rect.right() - side + 1, rect.center().y() - side / 2, side, side));
    const QPixmap pixmap = Symbols::icon(QStringLiteral("doc.on.doc"))
                               .pixmap(side, side, selected ? QIcon::Selected : QIcon::Normal);
    painter.setOpacity(selected ? 0.5
                                : Theme::foreground(Theme::Foreground::tertiary, palette).alphaF());
    painter.drawPixmap(symbol, pixmap);
}
