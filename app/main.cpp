#include "app/QuitOnSignals.h"
#include "app/StartupOptions.h"
#include "app/TessellonApp.h"
#include "app/WordlistPreload.h"
#include "core/SystemRandomSource.h"
#include "services/clipboard/MarkedItem.h"
#include "services/settings/BackgroundWriter.h"
#include "startup/ProcessHardening.h"
#include "startup/Translations.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/style/SymbolStyle.h"

#include <QAccessible>
#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    hardenProcess("tessellon");
    QApplication::setOrganizationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    int status = 0;
    {
        QApplication application(argc, argv);
        const Translations translations;
        SystemRandomSource::setFailureNotice(&TessellonApp::tellRandomSourceFailure);
        const QuitOnSignals quitOnSignals;
        QApplication::setStyle(new SymbolStyle);
        QAccessible::installFactory(accessibleInterface);
        QApplication::setDesktopFileName(QStringLiteral("io.github.tessellon.Tessellon"));

        // Before the model exists, so that its first passphrase rarely waits.
        startWordlistPreload();
        TessellonApp app;
        app.show();
        status = QApplication::exec();
    }
    MarkedItem::deleteUnclaimed();
    // A settings file locked by another program: its write goes on, and the
    // process ends without the static destructors it could meet.
    if (BackgroundWriter::writesLeftRunning() > 0) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
