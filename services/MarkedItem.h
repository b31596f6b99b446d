#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QString>

#include <utility>

class QMimeData;

// The type that marks a clipboard item as concealed. Every item the
// generator copies carries it, on every platform.
inline constexpr QLatin1StringView concealedType("org.nspasteboard.ConcealedType");
// A private type holding an id of the copy's own, drawn anew for each copy:
// a clipboard manager that takes an item over serves it whole, id included,
// so the clear knows its copy from anyone else's, whoever serves it.
inline constexpr QLatin1StringView copyIdType("application/x-tessellon-copy-id");

// 128 random bits as hex: one copy's id, never that of another.
QByteArray newCopyId();

// The types that keep a copy out of clipboard histories on this platform,
// each with its value, in the order they are offered, and, unless empty,
// the copy's id after them.
QList<std::pair<QString, QByteArray>> markers(const QByteArray &copyId);

// A new clipboard item holding the text, with the markers that keep it out
// of clipboard histories ahead of it and, unless empty, the copy's id.
QMimeData *markedItem(const QString &text, const QByteArray &copyId);
