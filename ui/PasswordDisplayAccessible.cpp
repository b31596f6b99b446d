#include "ui/PasswordDisplayAccessible.h"

#include "ui/PasswordDisplay.h"

PasswordDisplayAccessible::PasswordDisplayAccessible(PasswordDisplay *display)
    : QAccessibleWidget(display, QAccessible::StaticText)
{}
