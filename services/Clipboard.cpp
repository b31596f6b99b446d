#include "services/Clipboard.h"

#include "services/ClipboardHandOff.h"
#include "services/MarkedItem.h"

#ifdef Q_OS_MACOS
#include "services/ConcealedTypeConverter.h"
#endif

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

Clipboard::Clipboard(PendingClear::Clock clock, QObject *parent)
    : QObject(parent)
    , m_pendingClear(QGuiApplication::clipboard(), std::move(clock))
{
    connect(&m_pendingClear, &PendingClear::cleared, this, [this] { deleteIfReleased(m_item); });
    connect(&m_pendingClear, &PendingClear::ended, this, &Clipboard::clearEnded);
}

// Qt 6.4's Wayland clipboard never deletes an item once it lets go of it
// (later versions do, as every other platform does), which would keep the
// password in memory for good: an item the clipboard no longer holds, and
// that nobody deleted, is deleted here. Only there: X11's clipboard reports
// another owner before Qt has let go of the item, and deletes it itself.
void Clipboard::deleteIfReleased(const QPointer<QMimeData> &item)
{
    if (item && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        && QGuiApplication::clipboard()->mimeData() != item.data())
        delete item.data();
}

void Clipboard::copy(const QString &text, std::optional<std::chrono::milliseconds> autoClearAfter)
{
#ifdef Q_OS_MACOS
    // Once per process, after the application exists; Qt owns converters
    // and deletes them when it shuts down.
    [[maybe_unused]] static const auto *converter = new ConcealedTypeConverter;
#endif
    m_pendingClear.cancel();
    const QPointer<QMimeData> previous = m_item;
    const QByteArray copyId = newCopyId();
    m_item = markedItem(text, copyId);
    // setMimeData empties the clipboard and writes the item in one step, so
    // no other program sees it empty in between: some clipboard managers
    // refill an empty clipboard from their history.
    QGuiApplication::clipboard()->setMimeData(m_item);
    deleteIfReleased(previous);
    if (autoClearAfter)
        m_pendingClear.schedule(text, copyId,
                                std::max(*autoClearAfter, std::chrono::milliseconds::zero()));
}

void Clipboard::letGoAtQuit()
{
    std::optional<PendingClear::Held> held = m_pendingClear.held();
    if (!held)
        return;
    const std::optional<QString> refused = handOffToClipboard(held->text, held->left);
    held->text.fill(u'\0');
    if (refused) {
        m_pendingClear.clearNow();
        return;
    }
    m_pendingClear.cancel(); // the helper has it, and its own clear
    // Its copy has taken this one's place, which the platform tells within
    // moments; then the item is let go of, and deleted where Qt would not.
    const QDeadlineTimer told(std::chrono::seconds(2));
    while (QGuiApplication::clipboard()->mimeData() == m_item.data() && !told.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
    deleteIfReleased(m_item);
}
