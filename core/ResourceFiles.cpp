#include "core/ResourceFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ResourceFiles {

QString locate(const QString &relativePath)
{
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        dir.filePath(relativePath),                                         // build tree, Windows
        dir.filePath(QStringLiteral("../share/tessellon/") + relativePath), // installed
        dir.filePath(QStringLiteral("../Resources/") + relativePath),       // macOS bundle
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

} // namespace ResourceFiles
