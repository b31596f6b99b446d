#include "app/WordlistPreload.h"

#include "core/Wordlist.h"

#include <QThread>

void startWordlistPreload()
{
    // The interface's list, which the settings take until another is chosen;
    // named here, where the catalogue is.
    QThread *thread = QThread::create([name = Wordlist::forInterface()] { Wordlist::words(name); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
}
