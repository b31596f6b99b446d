#pragma once

#include "core/GeneratorModel.h"
#include "services/clipboard/Clipboard.h"
#include "services/settings/PreferencesStore.h"

#include <memory>

class MainWindow;

// Puts the program together: the user's preferences and the clipboard
// service, the one model over them, and the main window showing that model.
class TessellonApp
{
public:
    TessellonApp();
    ~TessellonApp();

    void show();

    // The random source failed and the process is about to stop: a dialog
    // says why, so that the window does not simply vanish.
    static void tellRandomSourceFailure(const char *reason);

private:
    // In this order: the model uses both services from its first moment.
    PreferencesStore m_store;
    Clipboard m_clipboard;
    GeneratorModel m_model;
    std::unique_ptr<MainWindow> m_window;
};
