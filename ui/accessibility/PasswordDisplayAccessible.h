#pragma once

#include <QAccessibleWidget>

class PasswordDisplay;

// What screen readers learn of a `PasswordDisplay`: a label whose name is
// the password on show, or the message in its place. A plain widget would
// be read as a filler, which screen readers pass over.
class PasswordDisplayAccessible : public QAccessibleWidget
{
public:
    explicit PasswordDisplayAccessible(PasswordDisplay *display);
};
