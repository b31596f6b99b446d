#pragma once

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
