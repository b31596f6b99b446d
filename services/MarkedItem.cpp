#include "services/MarkedItem.h"

#include <QMimeData>
#include <QUuid>

namespace {

#ifdef Q_OS_WIN
// Qt passes a type of this form to Windows as the named clipboard format.
QString windowsFormat(const char *name)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}
#endif

} // namespace

QByteArray newCopyId()
{
    return QUuid::createUuid().toByteArray(QUuid::Id128);
}

QList<std::pair<QString, QByteArray>> markers(const QByteArray &copyId)
{
    // The markers come first, so that a tool that goes through the types in
    // order meets them before the text. Clipboard tools on macOS look for the
    // concealed type (nspasteboard.org); it says all by being there.
    QList<std::pair<QString, QByteArray>> types{{concealedType, QByteArray()}};
#if defined(Q_OS_WIN)
    // Windows' clipboard history and cloud sync read the last two as DWORDs.
    // The first only has to be there; it gets the same four bytes because
    // Windows may refuse to hand out an empty memory block.
    const QByteArray dwordZero(4, '\0');
    types.append({windowsFormat("ExcludeClipboardContentFromMonitorProcessing"), dwordZero});
    types.append({windowsFormat("CanIncludeInClipboardHistory"), dwordZero});
    types.append({windowsFormat("CanUploadToCloudClipboard"), dwordZero});
#elif defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Klipper and the histories that follow it read the first; CopyQ 6, as
    // Debian 12 ships it, stores everything but what it is told to hide.
    types.append({QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret")});
    types.append({QStringLiteral("application/x-copyq-hidden"), QByteArrayLiteral("1")});
#endif
    if (!copyId.isEmpty())
        types.append({copyIdType, copyId});
    return types;
}

QMimeData *markedItem(const QString &text, const QByteArray &copyId)
{
    auto *item = new QMimeData;
    for (const auto &[type, value] : markers(copyId))
        item->setData(type, value);
    item->setText(text);
    return item;
}
