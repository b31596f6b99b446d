#include "ui/style/ProminentButton.h"

#include "ui/style/Theme.h"

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

QSize ProminentButton::sizeHint() const
{
    // As tall as the bar's other controls, whatever the style would make of
    // a push button, with the title well clear of the rounded ends.
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 2 * titleMargin, Theme::barHeight(font()));
}

void ProminentButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(face, cornerRadius, cornerRadius);
    painter.fillPath(shape, fillColor());
    painter.setPen(titleColor());
    painter.setFont(font());
    painter.drawText(face, Qt::AlignCenter, text());
    if (!Theme::showsFocusRing(this))
        return;
    // An accent ring would vanish on the accent fill: the title's colour, inside.
    painter.setPen(QPen(titleColor(), 1.5));
    painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), cornerRadius - 2, cornerRadius - 2);
}
