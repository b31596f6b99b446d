#pragma once

#include "core/GeneratorModel.h"
#include "services/PreferencesStore.h"

#include <memory>

class MainWindow;

// Puts the program together: the user's preferences, the one model over
// them with the system clipboard, and the main window showing that model.
class TessellonApp
{
public:
    TessellonApp();
    ~TessellonApp();

    void show();

    GeneratorModel &model() { return generatorModel; }

private:
    PreferencesStore store;
    GeneratorModel generatorModel;
    std::unique_ptr<MainWindow> window;
};
