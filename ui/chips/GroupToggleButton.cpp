#include "ui/chips/GroupToggleButton.h"

#include "ui/style/Theme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

GroupToggleButton::GroupToggleButton(const CharacterGroup &group, QWidget *parent)
    : ToggleButton(5, parent)
    , m_group(group)
{
    // Buttons placed side by side share the row's width.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(group.title());
}

QColor GroupToggleButton::textColor() const
{
    switch (state()) {
    case ToggleState::on:
        return Theme::legible(Theme::accent(palette()), chrome().fill(palette()), palette());
    case ToggleState::partial:
        return Theme::withOpacity(Theme::accent(palette()), 0.6);
    case ToggleState::off:
        break;
    }
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.5);
}

QFont GroupToggleButton::labelFont() const
{
    return Theme::monospacedFont(12, QFont::DemiBold);
}

QColor GroupToggleButton::strikeColor() const
{
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.6);
}

QSize GroupToggleButton::sizeHint() const
{
    const QFontMetricsF metrics(labelFont());
    return QSize(int(std::ceil(metrics.horizontalAdvance(m_group.title()))),
                 int(std::ceil(metrics.height())) + 2 * verticalPadding);
}

QSize GroupToggleButton::minimumSizeHint() const
{
    return sizeHint();
}

void GroupToggleButton::paintLabel(QPainter &painter, const QRectF &bounds) const
{
    const QFont font = labelFont();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(textColor());
    painter.drawText(bounds, Qt::AlignCenter | Theme::ownDirection(m_group.title()),
                     m_group.title());
    if (!isStruckThrough())
        return;
    // Drawn by hand: the line has its own colour, unlike the font's.
    const qreal textWidth = metrics.horizontalAdvance(m_group.title());
    const qreal baseline = bounds.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    const qreal y = baseline - metrics.strikeOutPos();
    const qreal left = bounds.center().x() - textWidth / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(strikeColor(), metrics.lineWidth()));
    painter.drawLine(QPointF(left, y), QPointF(left + textWidth, y));
    painter.restore();
}
