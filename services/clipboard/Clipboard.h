#pragma once

#include "services/clipboard/MarkedItem.h"
#include "services/clipboard/PendingClear.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <optional>

// The system clipboard as the generator uses it: every copy is marked so
// that clipboard histories leave it out, and may be cleared again after a
// delay if nothing else has been copied meanwhile. The application owns
// one; main thread only, and the QGuiApplication must exist. Failures of
// the platform clipboard are not reported: a copy that did not take is
// indistinguishable from one that did.
class Clipboard : public QObject
{
    Q_OBJECT

public:
    explicit Clipboard(PendingClear::Clock clock = PendingClear::continuousTime,
                       QObject *parent = nullptr);

    // Replaces the clipboard's contents with one item holding the text and
    // the markers. Every copy cancels the clear an earlier copy scheduled;
    // with a delay it schedules its own, measured on a clock that counts
    // through sleep.
    void copy(const QString &text, std::optional<std::chrono::milliseconds> autoClearAfter);

    // At quit, a copy whose clear is still to come must not outlive its
    // minute, nor go to a clipboard manager that keeps it for good: it goes
    // to tessellon-clipboard with the time it has left, which serves it
    // until then, or, where that helper cannot take it (none installed, or
    // a Wayland compositor without data control), it is cleared now. Nothing changes for a copy
    // without a clear, or one the clipboard no longer holds.
    void letGoAtQuit();

signals:
    // The last copy's clear ran, or was given up when something else was
    // copied.
    void clearEnded();

private:
    void wipeIfReleased(const QPointer<MarkedItem> &item);

    PendingClear m_pendingClear;
    QPointer<MarkedItem> m_item; // the last copy's item, while the platform has not deleted it
};
