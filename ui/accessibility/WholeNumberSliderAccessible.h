#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class WholeNumberSlider;

// What screen readers learn of a `WholeNumberSlider`: the whole number it
// stands for and its range, not the fine steps it moves in.
class WholeNumberSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit WholeNumberSliderAccessible(WholeNumberSlider *slider);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    WholeNumberSlider *slider() const;
};
