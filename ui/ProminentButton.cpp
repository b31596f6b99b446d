#include "ui/ProminentButton.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>

ProminentButton::ProminentButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setAutoDefault(false);
}

QColor ProminentButton::fillColor() const
{
    const QColor accent = Theme::accent(palette());
    if (!isEnabled())
        return Theme::withOpacity(accent, 0.4);
    return isDown() ? accent.darker(115) : accent;
}

QColor ProminentButton::titleColor() const
{
    const QColor title = Theme::onAccent(palette());
    return isEnabled() ? title : Theme::withOpacity(title, 0.6);
}

void ProminentButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(2, 2, -2, -2);
    QPainterPath shape;
    shape.addRoundedRect(face, cornerRadius, cornerRadius);
    painter.fillPath(shape, fillColor());
    painter.setPen(titleColor());
    painter.setFont(font());
    painter.drawText(face, Qt::AlignCenter, text());
    if (Theme::showsFocusRing(this))
        Theme::paintFocusRing(painter, face, cornerRadius, palette());
}
