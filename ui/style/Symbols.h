#pragma once

#include <QIcon>
#include <QString>

// Symbol images by name ("clock.arrow.circlepath", "gearshape", "doc.on.doc",
// "clock", "chevron.right.2", "chevron.left.2"): the drawings compiled in
// from resources/symbols, tinted from the palette on every desktop. Theme
// icons are never asked: they come in fixed colours that Qt does not
// recolour, and vanish on dark themes.
namespace Symbols {

QIcon icon(const QString &name);

} // namespace Symbols
