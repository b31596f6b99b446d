#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// Hands a password to tessellon-clipboard, which puts it on the clipboard
// with the concealed markers and serves it from the background once the
// caller has gone (X11 serves a copy from the copying process), clearing it
// after the given time (never later than its own minute) unless there is
// none. The command line hands over each --copy; the window, at quit, a copy
// whose minute is still running. The password goes through a pipe: never a
// command line, an environment variable or a file. Returns once the copy is
// in place, or the reason it is not.
std::optional<QString> handOffToClipboard(const QString &password,
                                          std::optional<std::chrono::milliseconds> clearAfter);

class QObject;
class QProcess;

// Starts tessellon-clipboard to clear the window's copy with this id where
// the platform's own clear would not hold: on a Wayland compositor without
// data control that puts back the text a program withdraws (GNOME's), it
// clears through the session's Xwayland instead. Null where the helper is
// not installed. Once the process has finished, helperCleared() tells
// whether the copy is gone; if not, the caller clears it itself.
QProcess *startClearingThroughHelper(const QByteArray &copyId, QObject *parent);
bool helperCleared(QProcess *process);
