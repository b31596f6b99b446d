#pragma once

#include <QAccessibleWidget>

class StrengthMeter;

// What screen readers learn of a `StrengthMeter`: a level indicator named
// "Strength" whose value is the rating and the power of two in words.
class StrengthMeterAccessible : public QAccessibleWidget
{
public:
    explicit StrengthMeterAccessible(StrengthMeter *meter);

    QString text(QAccessible::Text t) const override;

private:
    const StrengthMeter *meter() const;
};
