#include "ui/chips/CharacterChip.h"

#include "ui/style/Theme.h"

#include <QPainter>

CharacterChip::CharacterChip(const QString &character, QWidget *parent)
    : ToggleButton(4, parent)
    , m_character(character)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The character goes to screen readers as the name; as button text it
    // could turn "&" into a mnemonic.
    setAccessibleName(character);
}

QColor CharacterChip::textColor() const
{
    if (isOn())
        return Theme::legible(Theme::accent(palette()), chrome().fill(palette()), palette());
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.45);
}

QFont CharacterChip::labelFont() const
{
    return Theme::monospacedFont(12, isOn() ? QFont::DemiBold : QFont::Normal);
}

QSize CharacterChip::sizeHint() const
{
    return {side, side};
}

void CharacterChip::paintLabel(QPainter &painter, const QRectF &bounds) const
{
    painter.setFont(labelFont());
    painter.setPen(textColor());
    painter.drawText(bounds, Qt::AlignCenter, m_character);
}
