#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// What screen readers learn of the widgets whose meaning Qt cannot infer:
// the password display, the strength meter and the whole-number slider.
// A factory for QAccessible::installFactory, installed once at start.
QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);
