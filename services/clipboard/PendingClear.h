#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QClipboard;
class QProcess;

// The one scheduled clearing of the clipboard, owned by the clipboard
// service. Qt offers no change count, so it watches the clipboard instead:
// the clear is given up once the clipboard no longer holds our item (the
// copy id it carries), whoever serves it: this process, or a
// clipboard manager that took it over. Another program's copy, even of the
// very same text, carries no such id and is never touched.
//
// The delay counts on a clock that keeps running while the machine sleeps;
// Qt's timers do not, so the deadline is checked at least once a second and
// a minute that ran out during sleep clears soon after waking.
class PendingClear : public QObject
{
    Q_OBJECT

public:
    // Time since some fixed point, counting through sleep.
    using Clock = std::function<std::chrono::nanoseconds()>;
    static std::chrono::nanoseconds continuousTime();

    explicit PendingClear(QClipboard *clipboard, Clock clock = continuousTime);
    ~PendingClear() override;

    // Forgets the clear scheduled so far, if any.
    void cancel();
    // Clears after the delay unless the clipboard's content changes first.
    // Call right after writing the item, with the id it carries.
    void schedule(const QByteArray &copyId, std::chrono::milliseconds delay);

    // While a clear is scheduled and the clipboard still holds the copy:
    // its text and the time it has left. For a quit that hands it over.
    struct Held
    {
        QString text;
        std::chrono::milliseconds left;
    };
    std::optional<Held> held() const;
    // Clears at once what the scheduled clear would clear later.
    void clearNow();

signals:
    // The clipboard was cleared here.
    void cleared();
    // The scheduled clear is over: it ran, or was given up because the
    // clipboard changed. Not after cancel().
    void ended();

private:
    void waitForDeadline();
    void onTimeout();
    void noteChange();
    void clearIfUnchanged();
    void clearHere();
    void forget();
    bool holdsCopiedItem() const;

    QClipboard *m_clipboard;
    Clock m_clock;
    QTimer m_timer;
    std::chrono::nanoseconds m_deadline{};
    QByteArray m_copyId;
    QPointer<QProcess> m_helperClear; // clearing the copy through tessellon-clipboard
};
