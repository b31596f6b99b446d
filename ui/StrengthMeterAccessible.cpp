#include "ui/StrengthMeterAccessible.h"

#include "ui/StrengthMeter.h"

namespace {

QAccessibleInterface *create(const QString &className, QObject *object)
{
    if (className == QLatin1String("StrengthMeter") && object->isWidgetType())
        return new StrengthMeterAccessible(static_cast<StrengthMeter *>(object));
    return nullptr;
}

} // namespace

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

void StrengthMeterAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    Q_UNUSED(installed);
}

const StrengthMeter *StrengthMeterAccessible::meter() const
{
    return static_cast<const StrengthMeter *>(widget());
}
