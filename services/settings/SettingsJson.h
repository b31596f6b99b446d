#pragma once

#include "core/Settings.h"

#include <QByteArray>

#include <optional>

// The stored form of the settings: one JSON object with eight members.
namespace SettingsJson {

// All eight members; character sets as one string, sorted by scalar value.
QByteArray encode(const Settings &settings);

// Members are read by key with a default each and the counts clamped into
// range. Nothing for text that is not strict JSON (RFC 8259; a leading
// UTF-8 byte-order mark is allowed) or not an object, or that holds a
// member of the wrong type, an integer that is not a 64-bit integer
// literal, or a mode other than the three names.
std::optional<Settings> decode(const QByteArray &json);

} // namespace SettingsJson
