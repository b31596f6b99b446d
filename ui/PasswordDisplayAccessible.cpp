#include "ui/PasswordDisplayAccessible.h"

#include "ui/PasswordDisplay.h"

PasswordDisplayAccessible::PasswordDisplayAccessible(PasswordDisplay *display)
    : QAccessibleWidget(display, QAccessible::StaticText)
{}

void PasswordDisplayAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) {
            return className == QLatin1String("PasswordDisplay") && object->isWidgetType()
                       ? static_cast<QAccessibleInterface *>(
                           new PasswordDisplayAccessible(static_cast<PasswordDisplay *>(object)))
                       : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
