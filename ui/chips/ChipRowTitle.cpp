#include "ui/chips/ChipRowTitle.h"

#include "ui/style/Theme.h"

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
    setRowState(ToggleState::on);
}

void ChipRowTitle::setRowState(ToggleState state)
{
    if (state == m_rowState)
        return;
    m_rowState = state;
    const bool allOn = state == ToggleState::on;
    // English lowers the title inside the sentence ("Turn on all symbols");
    // a language whose nouns keep their capitals says "keep" here. A range
    // such as "A\u2013Z" names its case, and keeps it.
    const bool range = text().size() == 3 && text().at(1) == u'\u2013';
    const bool lowered =
        !range && tr("lower", "the row's title in the tooltip: lower or keep") != u"keep";
    const QString title = lowered ? text().toLower() : text();
    setToolTip((allOn ? tr("Turn off all %1") : tr("Turn on all %1")).arg(title));
    setAccessibleDescription(allOn ? tr("Turns off the whole row") : tr("Turns on the whole row"));
    update();
}

QColor ChipRowTitle::textColor() const
{
    if (m_rowState != ToggleState::off)
        return Theme::foreground(Theme::Foreground::primary, palette());
    return Theme::withOpacity(Theme::foreground(Theme::Foreground::secondary, palette()), 0.6);
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
    painter.drawText(rect(), Qt::AlignCenter | Theme::ownDirection(text()), text());
    if (Theme::showsFocusRing(this))
        Theme::paintFocusRing(painter, rect(), 4, palette());
}
