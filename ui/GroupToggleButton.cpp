#include "ui/GroupToggleButton.h"

#include "ui/Theme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

GroupToggleButton::GroupToggleButton(const CharacterGroup &group, bool isOn, bool isPartial,
                                     std::function<void()> action, QWidget *parent)
    : QAbstractButton(parent)
    , shown(group)
{
    setCheckable(true);
    setState(isOn, isPartial);
    setFocusPolicy(Qt::StrongFocus);
    // Buttons placed side by side share the row's width.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(group.title);
    connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] {
        if (action)
            action();
    });
}

void GroupToggleButton::setState(bool isOn, bool isPartial)
{
    partial = isPartial;
    setChecked(isOn);
    update();
}

ToggleChrome GroupToggleButton::chrome() const
{
    return {isOn(), partial, cornerRadius};
}

QColor GroupToggleButton::textColor() const
{
    if (isOn())
        return Theme::accent(palette());
    if (partial)
        return Theme::withOpacity(Theme::accent(palette()), 0.6);
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.5);
}

QFont GroupToggleButton::labelFont() const
{
    return Theme::font(12, QFont::DemiBold, true);
}

bool GroupToggleButton::isStruckThrough() const
{
    return !isOn() && !partial;
}

QColor GroupToggleButton::strikeColor() const
{
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.6);
}

QSize GroupToggleButton::sizeHint() const
{
    const QFontMetricsF metrics(labelFont());
    return QSize(int(std::ceil(metrics.horizontalAdvance(shown.title))),
                 int(std::ceil(metrics.height())) + 2 * verticalPadding);
}

QSize GroupToggleButton::minimumSizeHint() const
{
    return sizeHint();
}

void GroupToggleButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (isDown())
        painter.setOpacity(0.7);
    const QRectF bounds = rect();
    chrome().paint(painter, bounds, palette());

    const QFont font = labelFont();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(textColor());
    painter.drawText(bounds, Qt::AlignCenter, shown.title);

    if (isStruckThrough()) {
        // Drawn by hand: the line has its own colour, unlike the font's.
        const qreal textWidth = metrics.horizontalAdvance(shown.title);
        const qreal baseline = bounds.center().y() + (metrics.ascent() - metrics.descent()) / 2;
        const qreal y = baseline - metrics.strikeOutPos();
        const qreal left = bounds.center().x() - textWidth / 2;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(strikeColor(), metrics.lineWidth()));
        painter.drawLine(QPointF(left, y), QPointF(left + textWidth, y));
    }
    if (Theme::showsFocusRing(this))
        Theme::paintFocusRing(painter, bounds, cornerRadius, palette());
}

bool GroupToggleButton::hitButton(const QPoint &pos) const
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    return shape.contains(QPointF(pos));
}
