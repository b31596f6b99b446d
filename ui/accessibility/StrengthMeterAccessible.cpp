#include "ui/accessibility/StrengthMeterAccessible.h"

#include "ui/controls/StrengthMeter.h"

StrengthMeterAccessible::StrengthMeterAccessible(StrengthMeter *meter)
    : QAccessibleWidget(meter, QAccessible::ProgressBar)
{}

QString StrengthMeterAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Value:
        return StrengthMeter::accessibleValue(meter()->bits());
    case QAccessible::Description:
        // AT-SPI carries no text value, so Linux screen readers learn it
        // from the description.
        return StrengthMeter::accessibleValue(meter()->bits());
    default:
        return QAccessibleWidget::text(t);
    }
}

const StrengthMeter *StrengthMeterAccessible::meter() const
{
    return static_cast<const StrengthMeter *>(widget());
}
