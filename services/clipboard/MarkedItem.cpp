#include "services/clipboard/MarkedItem.h"

#include "core/SecretWipe.h"

#include <QUuid>

namespace {

#ifdef Q_OS_WIN
// Qt passes a type of this form to Windows as the named clipboard format.
QString windowsFormat(const char *name)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}
#endif

// Every item alive, for the sweep at exit; main thread only.
QList<MarkedItem *> &livingItems()
{
    static QList<MarkedItem *> items;
    return items;
}

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

MarkedItem::MarkedItem(const QString &text, const QByteArray &copyId)
{
    for (const auto &[type, value] : markers(copyId))
        setData(type, value);
    // A buffer of its own, so that wiping it never touches the caller's
    // string (the password still on show).
    const QString own(text.constData(), text.size());
    lockInMemory(own);
    setText(own);
    m_utf8 = text.toUtf8();
    lockInMemory(m_utf8);
    livingItems().append(this);
}

MarkedItem::~MarkedItem()
{
    wipe();
    livingItems().removeOne(this);
}

void MarkedItem::deleteUnclaimed()
{
    while (!livingItems().isEmpty())
        delete livingItems().constLast();
}

void MarkedItem::wipe()
{
    // What is stored, as stored: a text asked for in another form would be
    // converted into a fresh copy, and that is not the one to zero.
    for (const QString &format : formats()) {
        if (!format.startsWith(u"text/"))
            continue;
        const QVariant stored = QMimeData::retrieveData(format, QMetaType());
        if (stored.typeId() == QMetaType::QString)
            wipeInPlace(stored.toString());
        else if (stored.typeId() == QMetaType::QByteArray)
            wipeInPlace(stored.toByteArray());
    }
    wipeInPlace(m_utf8);
    m_utf8.clear();
    clear();
}

QVariant MarkedItem::retrieveData(const QString &format, QMetaType type) const
{
    if (type.id() == QMetaType::QByteArray && !m_utf8.isEmpty()
        && (format == u"text/plain" || format == u"text/plain;charset=utf-8"))
        return m_utf8;
    return QMimeData::retrieveData(format, type);
}
