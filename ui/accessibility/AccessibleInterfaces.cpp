#include "ui/accessibility/AccessibleInterfaces.h"

#include "ui/accessibility/PasswordDisplayAccessible.h"
#include "ui/accessibility/StrengthMeterAccessible.h"
#include "ui/accessibility/WholeNumberSliderAccessible.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/controls/StrengthMeter.h"
#include "ui/controls/WholeNumberSlider.h"

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
