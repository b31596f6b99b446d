#pragma once

#include <QString>

#include <optional>

// Hands a password to tessellon-clipboard, which puts it on the clipboard
// with the concealed markers and serves it from the background once this
// program has returned (X11 and Wayland serve a copy from the copying
// process), clearing it after the minute unless told not to. The password
// goes through a pipe: never a command line, an environment variable or a
// file. Returns once the copy is in place, or the reason it is not.
std::optional<QString> handOffToClipboard(const QString &password, bool clearAfterAMinute);
