#include "ui/style/Symbols.h"

#include "ui/style/SymbolIconEngine.h"

#include <QFile>

namespace Symbols {

QIcon icon(const QString &name)
{
    const QString path = QStringLiteral(":/symbols/%1.svg").arg(name);
    if (!QFile::exists(path))
        return QIcon();
    return QIcon(new SymbolIconEngine(path));
}

} // namespace Symbols
