#pragma once

#include <QIcon>
#include <QString>

// Symbol images by name ("clock.arrow.circlepath", "gearshape", "doc.on.doc",
// "clock"): the desktop theme's icon of the same meaning when it has one,
// else the drawing compiled in from resources/symbols, tinted like text.
namespace Symbols {

QIcon icon(const QString &name);

} // namespace Symbols
