#include "ui/AccessibleInterfaces.h"

#include "ui/PasswordDisplay.h"
#include "ui/PasswordDisplayAccessible.h"
#include "ui/StrengthMeter.h"
#include "ui/StrengthMeterAccessible.h"
#include "ui/WholeNumberSlider.h"
#include "ui/WholeNumberSliderAccessible.h"

QAccessibleInterface *accessibleInterface(const QString &className, QObject *object)
{
    // Qt asks for each class of the object's chain in turn, most derived first.
    if (className == QLatin1String("PasswordDisplay"))
        return new PasswordDisplayAccessible(static_cast<PasswordDisplay *>(object));
    if (className == QLatin1String("StrengthMeter"))
        return new StrengthMeterAccessible(static_cast<StrengthMeter *>(object));
    if (className == QLatin1String("WholeNumberSlider"))
        return new WholeNumberSliderAccessible(static_cast<WholeNumberSlider *>(object));
    return nullptr;
}
