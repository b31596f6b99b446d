#include "ui/accessibility/PasswordDisplayAccessible.h"

#include "ui/controls/PasswordDisplay.h"

PasswordDisplayAccessible::PasswordDisplayAccessible(PasswordDisplay *display)
    : QAccessibleWidget(display, QAccessible::StaticText)
{}
