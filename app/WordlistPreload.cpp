#include "app/WordlistPreload.h"

#include "core/Wordlist.h"

#include <QThread>

void startWordlistPreload()
{
    QThread *thread = QThread::create([] { Wordlist::words(); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
}
