#include "ui/Symbols.h"

#include "ui/SymbolIconEngine.h"

#include <QFile>

namespace Symbols {

namespace {

// The theme icons of the same meaning, best first: Breeze names, then the
// freedesktop and Adwaita ones.
QStringList themeNames(const QString &name)
{
    if (name == QLatin1String("clock.arrow.circlepath"))
        return {QStringLiteral("view-history"), QStringLiteral("document-open-recent-symbolic"),
                QStringLiteral("document-open-recent")};
    if (name == QLatin1String("gearshape"))
        return {QStringLiteral("configure"), QStringLiteral("emblem-system-symbolic"),
                QStringLiteral("preferences-system-symbolic")};
    if (name == QLatin1String("doc.on.doc"))
        return {QStringLiteral("edit-copy-symbolic"), QStringLiteral("edit-copy")};
    if (name == QLatin1String("clock"))
        return {QStringLiteral("clock"), QStringLiteral("preferences-system-time-symbolic")};
    return {};
}

} // namespace

QIcon icon(const QString &name)
{
    for (const QString &themeName : themeNames(name)) {
        if (QIcon::hasThemeIcon(themeName))
            return QIcon::fromTheme(themeName);
    }
    const QString path = QStringLiteral(":/symbols/%1.svg").arg(name);
    if (!QFile::exists(path))
        return QIcon();
    return QIcon(new SymbolIconEngine(path));
}

} // namespace Symbols
