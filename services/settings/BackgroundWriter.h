#pragma once

#include <QByteArray>

#include <chrono>
#include <functional>
#include <memory>

// Hands documents to a write function on a thread of its own, so that the
// interface never waits on the disk. Documents that come while a write is
// under way collapse into the newest, which is written next; nothing older
// is written after a newer one. The thread starts with the first document.
class BackgroundWriter
{
public:
    using Write = std::function<void(const QByteArray &)>;

    explicit BackgroundWriter(Write write);
    // Waits without a limit, unless finish() was called.
    ~BackgroundWriter();

    BackgroundWriter(const BackgroundWriter &) = delete;
    BackgroundWriter &operator=(const BackgroundWriter &) = delete;

    void submit(const QByteArray &document);

    // Takes no more documents and waits up to the limit for the newest to be
    // written. False when the time ran out: the write then goes on alone,
    // until it is done or the process ends, so that a disk held up by
    // another process's lock never keeps this one from quitting.
    bool finish(std::chrono::milliseconds limit);

    // Writes that a finish() left running and that have not ended yet. The
    // program must not run its static destructors under one (QSettings
    // keeps global state), so it ends without them while this is not 0.
    static int writesLeftRunning();

private:
    struct Queue;
    std::shared_ptr<Queue> m_queue; // shared with the thread, which may outlive us
    bool m_started = false;
    bool m_finishing = false;
};
