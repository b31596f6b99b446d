#include "app/TessellonApp.h"

#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QMessageBox>

TessellonApp::TessellonApp()
    : m_model({.store = m_store,
               .copyToClipboard =
                   [this](const QString &text, std::optional<std::chrono::milliseconds> delay) {
                       m_clipboard.copy(text, delay);
                   }})
    , m_window(std::make_unique<MainWindow>(m_model))
{}

TessellonApp::~TessellonApp()
{
    // Before the window and the application go: a copy whose minute is
    // still running is handed over or cleared, never left behind.
    m_clipboard.letGoAtQuit();
}

void TessellonApp::show()
{
    m_window->show();
}

void TessellonApp::tellRandomSourceFailure(const char *reason)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("TessellonApp", "Tessellon"),
                    QCoreApplication::translate(
                        "TessellonApp", "Tessellon has to stop: the system's secure random "
                                        "source failed."));
    box.setInformativeText(QCoreApplication::translate(
        "TessellonApp", "It never makes a password from a weaker source. The system may be "
                        "missing the getrandom call, or a security policy may forbid it."));
    box.setDetailedText(QString::fromLocal8Bit(reason)); // the system's own words
    box.exec();
}
