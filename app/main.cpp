#include "app/ProcessHardening.h"
#include "app/TessellonApp.h"
#include "app/WordlistPreload.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    hardenProcess();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setDesktopFileName(QStringLiteral("tessellon"));

    // Before the model exists, so that its first passphrase rarely waits.
    startWordlistPreload();
    TessellonApp app;
    app.show();
    return QApplication::exec();
}
