#include "services/clipboard/PendingClear.h"

#include "services/clipboard/ClipboardHandOff.h"
#include "services/clipboard/MarkedItem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>

#include <algorithm>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <time.h>
#endif

std::chrono::nanoseconds PendingClear::continuousTime()
{
#if defined(Q_OS_WIN)
    // Milliseconds since boot, sleep and hibernation included.
    return std::chrono::milliseconds(GetTickCount64());
#else
#if defined(CLOCK_BOOTTIME)
    const clockid_t clock = CLOCK_BOOTTIME; // Linux: CLOCK_MONOTONIC stops in sleep
#else
    const clockid_t clock = CLOCK_MONOTONIC; // macOS and the BSDs count sleep in it
#endif
    timespec now{};
    clock_gettime(clock, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
#endif
}

PendingClear::PendingClear(QClipboard *clipboard, Clock clock)
    : m_clipboard(clipboard)
    , m_clock(std::move(clock))
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; a minute should be a minute.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PendingClear::onTimeout);
    connect(clipboard, &QClipboard::dataChanged, this, &PendingClear::noteChange);
}

PendingClear::~PendingClear()
{
    // A clear under way at quit is seen through, not cut short.
    if (m_helperClear)
        m_helperClear->waitForFinished(5000);
}

void PendingClear::cancel()
{
    m_timer.stop();
    if (m_helperClear)
        m_helperClear->disconnect(this); // it clears the old copy only, if still there
    m_copyId.clear();
}

void PendingClear::schedule(const QByteArray &copyId, std::chrono::milliseconds delay)
{
    m_copyId = copyId;
    m_deadline = m_clock() + delay;
    waitForDeadline();
}

std::optional<PendingClear::Held> PendingClear::held() const
{
    using namespace std::chrono;
    if (!m_timer.isActive() || !holdsCopiedItem())
        return std::nullopt;
    const nanoseconds left = std::max(m_deadline - m_clock(), nanoseconds::zero());
    return Held{m_clipboard->mimeData()->text(), ceil<milliseconds>(left)};
}

void PendingClear::clearNow()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    clearIfUnchanged();
}

void PendingClear::waitForDeadline()
{
    using namespace std::chrono;
    const nanoseconds left = std::max(m_deadline - m_clock(), nanoseconds::zero());
    // Never longer than a second at a time: the timer stands still while
    // the machine sleeps, and the clock does not.
    m_timer.start(std::min(ceil<milliseconds>(left), milliseconds(seconds(1))));
}

void PendingClear::onTimeout()
{
    if (m_clock() < m_deadline)
        waitForDeadline();
    else
        clearIfUnchanged();
}

void PendingClear::noteChange()
{
    // Wayland echoes our own copy back as a change, and regaining focus can
    // announce it again, so only a change that took the text away counts.
    if (m_timer.isActive() && !holdsCopiedItem()) {
        cancel();
        emit ended();
    }
}

void PendingClear::clearIfUnchanged()
{
    // Not every platform announces changes as they happen; look again.
    if (!holdsCopiedItem()) {
        forget();
        return;
    }
    // Some Wayland compositors (GNOME's) put back the text of a copy whose
    // program withdraws it: the helper clears it through Xwayland there.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        && (m_helperClear = startClearingThroughHelper(m_copyId, this))) {
        // Gone once it has finished, whether or not a new copy cancelled us.
        connect(m_helperClear, &QProcess::finished, m_helperClear, &QObject::deleteLater);
        const auto done = [this](bool helperDone) {
            if (!helperDone && holdsCopiedItem())
                clearHere();
            emit cleared();
            forget();
        };
        connect(m_helperClear, &QProcess::finished, this,
                [this, done] { done(helperCleared(m_helperClear)); });
        connect(m_helperClear, &QProcess::errorOccurred, this,
                [this, done](QProcess::ProcessError error) {
                    if (error != QProcess::FailedToStart)
                        return;
                    m_helperClear->deleteLater();
                    done(false);
                });
        return;
    }
    clearHere();
    emit cleared();
    forget();
}

void PendingClear::clearHere()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // Managers on X11 fill an empty clipboard from their history
        // (xfce4-clipman, parcellite), which would bring the copy back at
        // once: empty text of ours takes its place, which pastes as
        // nothing and which they leave alone. Qt replaces only what this
        // process owns, so this also ends a manager's hold on the copy.
        m_clipboard->setMimeData(new MarkedItem(QString(), QByteArray()));
    } else if (m_clipboard->ownsClipboard()) {
        // On Wayland this drops our data source, which clears the
        // selection even while another window has the focus.
        m_clipboard->clear();
    } else {
        m_clipboard->setMimeData(new QMimeData);
    }
}

void PendingClear::forget()
{
    m_copyId.clear();
    emit ended();
}

bool PendingClear::holdsCopiedItem() const
{
    // By the id alone, which is new with every copy: the text is never read
    // for this, so no copy of the password is made to compare it. An item
    // without our id is never ours, whatever its text.
    const QMimeData *data = m_clipboard->mimeData();
    return data && !m_copyId.isEmpty() && data->hasFormat(copyIdType)
           && data->data(copyIdType) == m_copyId && data->hasText();
}
