#include "ui/accessibility/WholeNumberSliderAccessible.h"

#include "ui/controls/WholeNumberSlider.h"

WholeNumberSliderAccessible::WholeNumberSliderAccessible(WholeNumberSlider *slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{}

WholeNumberSlider *WholeNumberSliderAccessible::slider() const
{
    return static_cast<WholeNumberSlider *>(widget());
}

void *WholeNumberSliderAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString WholeNumberSliderAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(slider()->wholeValue());
    return QAccessibleWidget::text(t);
}

QVariant WholeNumberSliderAccessible::currentValue() const
{
    return slider()->wholeValue();
}

void WholeNumberSliderAccessible::setCurrentValue(const QVariant &value)
{
    slider()->setExactValue(value.toDouble());
}

QVariant WholeNumberSliderAccessible::maximumValue() const
{
    return qint64(slider()->maximum() / WholeNumberSlider::scale);
}

QVariant WholeNumberSliderAccessible::minimumValue() const
{
    return qint64(slider()->minimum() / WholeNumberSlider::scale);
}

QVariant WholeNumberSliderAccessible::minimumStepSize() const
{
    return 1;
}
