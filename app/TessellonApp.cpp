#include "app/TessellonApp.h"

#include "ui/MainWindow.h"

TessellonApp::TessellonApp()
    : m_model({.store = m_store,
               .copyToClipboard =
                   [this](const QString &text, std::optional<std::chrono::milliseconds> delay) {
                       m_clipboard.copy(text, delay);
                   },
               .timings = {.autoClear = Clipboard::autoClearDelay()}})
    , m_window(std::make_unique<MainWindow>(m_model))
{}

TessellonApp::~TessellonApp() = default;

void TessellonApp::show()
{
    m_window->show();
}
