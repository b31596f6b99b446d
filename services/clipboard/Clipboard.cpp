#include "services/clipboard/Clipboard.h"

#include "core/SecretWipe.h"
#include "services/clipboard/ClipboardHandOff.h"
#include "services/clipboard/MarkedItem.h"

#ifdef Q_OS_MACOS
#include "services/clipboard/ConcealedTypeConverter.h"
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
    // Another program's copy lets go of ours; a clear may not be announced.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { wipeIfReleased(m_item); });
    connect(&m_pendingClear, &PendingClear::cleared, this, [this] { wipeIfReleased(m_item); });
    connect(&m_pendingClear, &PendingClear::ended, this, &Clipboard::clearEnded);
}

// The platform owns an item once it is on the clipboard and deletes it
// when it likes: X11 and Qt 6.8's Wayland clipboard at the next copy or at
// exit, Qt 6.4's Wayland clipboard never. Deleting it once the clipboard
// has let go of it would leave Qt 6.8 a dangling pointer to delete again at
// exit; so its text is wiped then, and the item itself deleted only once
// no Qt can hold it any more (at the next copy, or after the application).
void Clipboard::wipeIfReleased(const QPointer<MarkedItem> &item)
{
    if (item && QGuiApplication::clipboard()->mimeData() != item.data())
        item->wipe();
}

void Clipboard::copy(const QString &text, std::optional<std::chrono::milliseconds> autoClearAfter)
{
#ifdef Q_OS_MACOS
    // Once per process, after the application exists; Qt owns converters
    // and deletes them when it shuts down.
    [[maybe_unused]] static const auto *converter = new ConcealedTypeConverter;
#endif
    m_pendingClear.cancel();
    const QPointer<MarkedItem> previous = m_item;
    const QByteArray copyId = newCopyId();
    m_item = new MarkedItem(text, copyId);
    // setMimeData empties the clipboard and writes the item in one step, so
    // no other program sees it empty in between: some clipboard managers
    // refill an empty clipboard from their history.
    QGuiApplication::clipboard()->setMimeData(m_item);
    // Every platform deletes the item a new one replaces, but Qt 6.4's
    // Wayland clipboard, which has let go of it for good by now.
    delete previous.data();
    if (autoClearAfter)
        m_pendingClear.schedule(copyId,
                                std::max(*autoClearAfter, std::chrono::milliseconds::zero()));
}

void Clipboard::letGoAtQuit()
{
    std::optional<PendingClear::Held> held = m_pendingClear.held();
    if (!held)
        return;
    if (handOffToClipboard(held->text, held->left)) {
        m_pendingClear.clearNow(); // refused
    } else {
        m_pendingClear.cancel(); // the helper has it, and its own clear
        // Its copy has taken this one's place, which the platform tells
        // within moments; then the item is let go of, and wiped.
        const QDeadlineTimer told(std::chrono::seconds(2));
        while (QGuiApplication::clipboard()->mimeData() == m_item.data() && !told.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        wipeIfReleased(m_item);
    }
    // Read back from a manager that served it, the text is a copy of its own.
    wipeInPlace(held->text);
}
