#include "ui/ChipRowTitle.h"

#include "ui/Theme.h"

#include <QFontMetrics>
#include <QPainter>

ChipRowTitle::ChipRowTitle(const QString &title, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(title);
    setAccessibleName(title);
    setFont(Theme::font(Theme::TextStyle::callout));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setRowState(true, false);
}

void ChipRowTitle::setRowState(bool allOn, bool anyOnNow)
{
    anyOn = anyOnNow;
    setToolTip(toolTipFor(text(), allOn));
    setAccessibleDescription(hintFor(allOn));
    update();
}

QColor ChipRowTitle::textColor() const
{
    if (anyOn)
        return Theme::foreground(Theme::Foreground::primary, palette());
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.6);
}

QString ChipRowTitle::toolTipFor(const QString &title, bool allOn)
{
    return (allOn ? QStringLiteral("Turn off all ") : QStringLiteral("Turn on all "))
           + title.toLower();
}

QString ChipRowTitle::hintFor(bool allOn)
{
    return allOn ? QStringLiteral("Turns off the whole row")
                 : QStringLiteral("Turns on the whole row");
}

QSize ChipRowTitle::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()), metrics.height())
           + QSize(2 * ringMargin, 2 * ringMargin);
}

QSize ChipRowTitle::minimumSizeHint() const
{
    return sizeHint();
}

void ChipRowTitle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (isDown())
        painter.setOpacity(0.7);
    painter.setPen(textColor());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (Theme::showsFocusRing(this))
        Theme::paintFocusRing(painter, rect(), 4, palette());
}
