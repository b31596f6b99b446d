#include "services/BackgroundWriter.h"

#include <QMutexLocker>
#include <QThread>

BackgroundWriter::BackgroundWriter(Write write)
    : m_write(std::move(write))
{}

BackgroundWriter::~BackgroundWriter()
{
    if (!m_thread)
        return;
    {
        const QMutexLocker locker(&m_mutex);
        m_stopping = true;
    }
    m_wake.wakeOne();
    m_thread->wait();
}

void BackgroundWriter::submit(const QByteArray &document)
{
    if (!m_thread) {
        m_thread.reset(QThread::create([this] { run(); }));
        m_thread->start();
    }
    {
        const QMutexLocker locker(&m_mutex);
        m_next = document;
    }
    m_wake.wakeOne();
}

void BackgroundWriter::run()
{
    QMutexLocker locker(&m_mutex);
    for (;;) {
        while (!m_next && !m_stopping)
            m_wake.wait(&m_mutex);
        if (!m_next)
            return; // stopping, and everything written
        const QByteArray document = *std::exchange(m_next, std::nullopt);
        locker.unlock();
        m_write(document);
        locker.relock();
    }
}
