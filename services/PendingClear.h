#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>

class QClipboard;

// The one scheduled clearing of the clipboard, owned by the clipboard
// service. Qt offers no change count, so it watches the clipboard instead:
// a change after which the clipboard no longer holds the copied text, or
// no longer belongs to this process where the platform reports ownership,
// gives the clear up.
class PendingClear : public QObject
{
    Q_OBJECT

public:
    explicit PendingClear(QClipboard *clipboard);

    // Forgets the clear scheduled so far, if any.
    void cancel();
    // Clears after the delay unless the clipboard changes hands or text
    // first. Call right after writing the text to the clipboard.
    void schedule(const QString &text, std::chrono::milliseconds delay);

    bool isActive() const { return m_timer.isActive(); }

private:
    void noteChange();
    void clearIfUnchanged();
    bool holdsCopiedText() const;

    QClipboard *m_clipboard;
    QTimer m_timer;
    // A digest, so that no second copy of the secret outlives the item.
    QByteArray m_textDigest;
    bool m_ownershipReported = false;
};
