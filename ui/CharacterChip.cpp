#include "ui/CharacterChip.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>

CharacterChip::CharacterChip(const QString &character, bool isOn, std::function<void()> action,
                             QWidget *parent)
    : QAbstractButton(parent)
    , shown(character)
{
    setCheckable(true);
    setChecked(isOn);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The character goes to screen readers as the name; as button text it
    // could turn "&" into a mnemonic.
    setAccessibleName(character);
    connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] {
        if (action)
            action();
    });
}

ToggleChrome CharacterChip::chrome() const
{
    return {isOn(), false, cornerRadius};
}

QColor CharacterChip::textColor() const
{
    if (isOn())
        return Theme::accent(palette());
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.45);
}

QFont CharacterChip::labelFont() const
{
    return Theme::font(12, isOn() ? QFont::DemiBold : QFont::Normal, true);
}

QSize CharacterChip::sizeHint() const
{
    return {side, side};
}

void CharacterChip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (isDown())
        painter.setOpacity(0.7);
    const QRectF bounds = rect();
    chrome().paint(painter, bounds, palette());
    painter.setFont(labelFont());
    painter.setPen(textColor());
    painter.drawText(bounds, Qt::AlignCenter, shown);
    if (Theme::showsFocusRing(this))
        Theme::paintFocusRing(painter, bounds, cornerRadius, palette());
}

bool CharacterChip::hitButton(const QPoint &pos) const
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    return shape.contains(QPointF(pos));
}
