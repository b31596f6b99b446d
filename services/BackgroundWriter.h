#pragma once

#include <QByteArray>
#include <QMutex>
#include <QWaitCondition>

#include <functional>
#include <memory>
#include <optional>

class QThread;

// Hands documents to a write function on a thread of its own, so that the
// interface never waits on the disk. Documents that come while a write is
// under way collapse into the newest, which is written next; nothing older
// is written after a newer one. The thread starts with the first document;
// the destructor waits until the newest is written, so a normal exit loses
// nothing.
class BackgroundWriter
{
public:
    using Write = std::function<void(const QByteArray &)>;

    explicit BackgroundWriter(Write write);
    ~BackgroundWriter();

    BackgroundWriter(const BackgroundWriter &) = delete;
    BackgroundWriter &operator=(const BackgroundWriter &) = delete;

    void submit(const QByteArray &document);

private:
    void run();

    Write m_write;
    QMutex m_mutex;
    QWaitCondition m_wake;
    std::optional<QByteArray> m_next; // under m_mutex
    bool m_stopping = false;          // under m_mutex
    std::unique_ptr<QThread> m_thread;
};
