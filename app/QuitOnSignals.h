#pragma once

#include <QObject>

// Turns SIGTERM (the session ending), SIGINT (Ctrl+C in the terminal that
// started the window) and SIGHUP (that terminal closing) into an ordinary
// quit, so that what a quit does, letting go of the clipboard among it,
// still happens. Unix only; one per process, made after the application.
class QuitOnSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitOnSignals(QObject *parent = nullptr);

private:
    static void onSignal(int signal);

    static inline int s_writeEnd = -1; // the handler's end of the socket pair
};
