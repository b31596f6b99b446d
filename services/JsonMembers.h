#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The raw text of each member value of a JSON object, as written in the
// document. QJsonDocument turns any whole number that fits, written with an
// exponent or just past the 64-bit edge, into an integer; telling integer
// literals apart needs the text itself.
namespace JsonMembers {

// Keys with their escapes resolved; a repeated key keeps its last value.
// Empty for text that is not one well-formed JSON object.
QHash<QString, QByteArray> rawValues(const QByteArray &json);

// The value of a literal written as an integer that fits in 64 bits.
std::optional<qint64> integerLiteral(const QByteArray &raw);

} // namespace JsonMembers
