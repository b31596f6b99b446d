#include "app/TessellonApp.h"

#include "services/Clipboard.h"
#include "ui/MainWindow.h"

TessellonApp::TessellonApp()
    : generatorModel(store, &Clipboard::copy)
    , window(std::make_unique<MainWindow>(generatorModel))
{}

TessellonApp::~TessellonApp() = default;

void TessellonApp::show()
{
    window->show();
}
