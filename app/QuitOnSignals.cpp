#include "app/QuitOnSignals.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

QuitOnSignals::QuitOnSignals(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    // A signal handler may do next to nothing: it writes a byte, and the
    // event loop reads it and quits.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return;
    s_writeEnd = ends[1];
    auto *notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [readEnd = ends[0]] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(readEnd, &byte, 1);
        QCoreApplication::quit();
    });
    // Once: a second signal, should the quit itself hang, ends the process.
    struct sigaction action = {};
    action.sa_handler = &QuitOnSignals::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
#endif
}

void QuitOnSignals::onSignal([[maybe_unused]] int signal)
{
#ifdef Q_OS_UNIX
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t sent = ::write(s_writeEnd, &byte, 1);
    errno = saved;
#endif
}
