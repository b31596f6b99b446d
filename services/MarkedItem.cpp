#include "services/MarkedItem.h"

#include <QMimeData>

namespace {

#ifdef Q_OS_WIN
// Qt passes a type of this form to Windows as the named clipboard format.
QString windowsFormat(const char *name)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}
#endif

} // namespace

QMimeData *markedItem(const QString &text, const QByteArray &copyId)
{
    auto *item = new QMimeData;
    // The markers come first, so that a tool that goes through the types in
    // order meets them before the text. Clipboard tools on macOS look for the
    // concealed type (nspasteboard.org); it says all by being there.
    item->setData(concealedType, QByteArray());
#if defined(Q_OS_WIN)
    // Windows' clipboard history and cloud sync read the last two as DWORDs.
    // The first only has to be there; it gets the same four bytes because
    // Windows may refuse to hand out an empty memory block.
    const QByteArray dwordZero(4, '\0');
    item->setData(windowsFormat("ExcludeClipboardContentFromMonitorProcessing"), dwordZero);
    item->setData(windowsFormat("CanIncludeInClipboardHistory"), dwordZero);
    item->setData(windowsFormat("CanUploadToCloudClipboard"), dwordZero);
#elif defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Klipper and the histories that follow it read the first; CopyQ 6, as
    // Debian 12 ships it, stores everything but what it is told to hide.
    item->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    item->setData(QStringLiteral("application/x-copyq-hidden"), QByteArrayLiteral("1"));
#endif
    if (!copyId.isEmpty())
        item->setData(copyIdType, copyId);
    item->setText(text);
    return item;
}
