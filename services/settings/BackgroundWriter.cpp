#include "services/settings/BackgroundWriter.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <atomic>
#include <optional>
#include <thread>

struct BackgroundWriter::Queue
{
    explicit Queue(Write write)
        : write(std::move(write))
    {}

    void run()
    {
        QMutexLocker locker(&mutex);
        for (;;) {
            while (!next && !stopping)
                wake.wait(&mutex);
            if (!next)
                break; // stopping, and everything written
            const QByteArray document = *std::exchange(next, std::nullopt);
            locker.unlock();
            write(document);
            locker.relock();
        }
        done = true;
        finished.wakeAll();
        if (abandoned)
            --s_leftRunning;
    }

    const Write write;
    QMutex mutex;
    QWaitCondition wake;
    QWaitCondition finished;
    std::optional<QByteArray> next; // under mutex
    bool stopping = false;          // under mutex
    bool done = false;              // under mutex
    bool abandoned = false;         // under mutex: a finish() ran out of time

    static inline std::atomic<int> s_leftRunning = 0;
};

int BackgroundWriter::writesLeftRunning()
{
    return Queue::s_leftRunning;
}

BackgroundWriter::BackgroundWriter(Write write)
    : m_queue(std::make_shared<Queue>(std::move(write)))
{}

BackgroundWriter::~BackgroundWriter()
{
    if (!m_finishing)
        finish(std::chrono::milliseconds::max());
}

void BackgroundWriter::submit(const QByteArray &document)
{
    {
        const QMutexLocker locker(&m_queue->mutex);
        if (m_queue->stopping)
            return;
        m_queue->next = document;
    }
    if (!m_started) {
        m_started = true;
        // Detached, holding the queue: it may have to outlive a finish() that
        // ran out of time.
        std::thread([queue = m_queue] { queue->run(); }).detach();
    }
    m_queue->wake.wakeOne();
}

bool BackgroundWriter::finish(std::chrono::milliseconds limit)
{
    m_finishing = true;
    QMutexLocker locker(&m_queue->mutex);
    m_queue->stopping = true;
    if (!m_started)
        return true;
    m_queue->wake.wakeOne();
    const QDeadlineTimer deadline = limit == std::chrono::milliseconds::max()
                                        ? QDeadlineTimer(QDeadlineTimer::Forever)
                                        : QDeadlineTimer(limit);
    while (!m_queue->done) {
        if (!m_queue->finished.wait(&m_queue->mutex, deadline) && !m_queue->done) {
            m_queue->abandoned = true;
            ++Queue::s_leftRunning;
            return false;
        }
    }
    return true;
}
