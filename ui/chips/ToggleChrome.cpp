#include "ui/chips/ToggleChrome.h"

#include "ui/style/Theme.h"

#include <QPainter>

QColor ToggleChrome::fill(const QPalette &palette) const
{
    if (state == ToggleState::on)
        return Theme::withOpacity(Theme::accent(palette), 0.22);
    if (state == ToggleState::partial)
        return Theme::withOpacity(Theme::accent(palette), 0.08);
    return Qt::transparent;
}

QColor ToggleChrome::border(const QPalette &palette) const
{
    if (state == ToggleState::on)
        return Theme::withOpacity(Theme::accent(palette), 0.55);
    if (state == ToggleState::partial)
        return Theme::withOpacity(Theme::accent(palette), 0.35);
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette), 0.3);
}

void ToggleChrome::paint(QPainter &painter, const QRectF &rect, const QPalette &palette) const
{
    constexpr qreal lineWidth = 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill(palette));
    painter.drawRoundedRect(rect, cornerRadius, cornerRadius);
    const qreal inset = lineWidth / 2;
    const qreal radius = qMax<qreal>(0, cornerRadius - inset);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(border(palette), lineWidth));
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
    painter.restore();
}
