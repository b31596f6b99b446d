#include "services/Clipboard.h"

#include "core/GeneratorModel.h"

#ifdef Q_OS_MACOS
#include "services/ConcealedTypeConverter.h"
#endif

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace {

#ifdef Q_OS_WIN
// Qt passes a type of this form to Windows as the named clipboard format.
QString windowsFormat(const char *name)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}
#endif

QMimeData *markedItem(const QString &text)
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
    // Klipper, CopyQ and other clipboard histories on X11 and Wayland.
    item->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
#endif
    item->setText(text);
    return item;
}

} // namespace

std::chrono::milliseconds Clipboard::autoClearDelay()
{
    bool ok = false;
    const int testDelay = qEnvironmentVariableIntValue("TESSELLON_TEST_CLEAR_AFTER_MS", &ok);
    return ok && testDelay >= 0 ? std::chrono::milliseconds(testDelay) : CopyTimings{}.autoClear;
}

Clipboard::Clipboard(PendingClear::Clock clock, QObject *parent)
    : QObject(parent)
    , m_pendingClear(QGuiApplication::clipboard(), std::move(clock))
{}

void Clipboard::copy(const QString &text, std::optional<std::chrono::milliseconds> autoClearAfter)
{
#ifdef Q_OS_MACOS
    // Once per process, after the application exists; Qt owns converters
    // and deletes them when it shuts down.
    [[maybe_unused]] static const auto *converter = new ConcealedTypeConverter;
#endif
    m_pendingClear.cancel();
    // setMimeData empties the clipboard and writes the item in one step, so
    // no other program sees it empty in between: some clipboard managers
    // refill an empty clipboard from their history.
    QGuiApplication::clipboard()->setMimeData(markedItem(text));
    if (autoClearAfter)
        m_pendingClear.schedule(text, std::max(*autoClearAfter, std::chrono::milliseconds::zero()));
}
