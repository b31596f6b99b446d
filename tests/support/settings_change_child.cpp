// Changes one setting through the model, says so, and waits to be killed:
// the change must reach the disk without any further help from it.
#include "core/GeneratorModel.h"
#include "services/PreferencesStore.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLocal8Bit(argv[1]));

    PreferencesStore store;
    GeneratorModel model({.store = store});
    Settings settings = model.settings();
    settings.mode = GeneratorMode::words;
    settings.wordCount = 7;
    model.setSettings(settings);

    std::puts("changed");
    std::fflush(stdout);
    return app.exec(); // until killed
}
