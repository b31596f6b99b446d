#include "ui/controls/StrengthMeter.h"

#include "core/Superscript.h"
#include "ui/style/EaseOutAnimation.h"
#include "ui/style/Theme.h"

#include <QAccessible>
#include <QPainter>

#include <cmath>
#include <limits>

StrengthMeter::StrengthMeter(QWidget *parent)
    : QWidget(parent)
    , m_fromColor(fillColor())
    , m_animation(new EaseOutAnimation(0.2, this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Strength"));
    connect(m_animation, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

void StrengthMeter::setBits(double bits)
{
    if (bits == m_bits)
        return;
    // Glide on from wherever the bar stands now, even mid-way.
    const qreal progress = m_animation->progress();
    m_fromFraction = m_fromFraction + (fraction(m_bits) - m_fromFraction) * progress;
    m_fromColor = Theme::mix(m_fromColor, fillColor(), progress);
    m_bits = bits;
    m_animation->restart();
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, accessibleValue(bits));
        QAccessible::updateAccessibility(&event);
    }
}

qreal StrengthMeter::fraction(double bits)
{
    const double f = bits * (1.0 / scaleBits);
    if (f > 1)
        return 1;
    if (f > 0)
        return f;
    return 0; // zero, negative or not a number
}

QString StrengthMeter::accessibleValue(double bits)
{
    return tr("%1, 2 to the %2 power").arg(Strength(bits).label()).arg(wholeBits(bits));
}

QColor StrengthMeter::fillColor() const
{
    return Theme::strength(Strength(m_bits).color(), palette());
}

QSize StrengthMeter::sizeHint() const
{
    return {160, barHeight};
}

QSize StrengthMeter::minimumSizeHint() const
{
    return {int(minimumFill), barHeight};
}

void StrengthMeter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF track(0, (height() - barHeight) / 2.0, width(), barHeight);
    const qreal radius = barHeight / 2.0;
    painter.setBrush(Theme::foreground(Theme::Foreground::quaternary, palette()));
    painter.drawRoundedRect(track, radius, radius);

    const qreal progress = m_animation->progress();
    const qreal shown = m_fromFraction + (fraction(m_bits) - m_fromFraction) * progress;
    const QColor color = Theme::mix(m_fromColor, fillColor(), progress);
    QRectF fill(track.topLeft(), QSizeF(qMax(minimumFill, shown * track.width()), barHeight));
    // From the leading edge: the right one in a right-to-left window.
    if (layoutDirection() == Qt::RightToLeft)
        fill.moveRight(track.right());
    const qreal fillRadius = qMin(radius, fill.width() / 2);
    painter.setBrush(color);
    painter.drawRoundedRect(fill, fillRadius, fillRadius);
}
