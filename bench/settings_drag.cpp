// A drag of the length slider from 4 to 128, offscreen: for each step, the
// time from the slider's new value to the password painted for it, with the
// settings saved on a real disk. Prints the median and the worst step for
// the store the program uses, and for a store that writes and syncs on the
// interface thread, as the program did before.
#include "core/Alphabet.h"
#include "core/GeneratorModel.h"
#include "services/settings/PreferencesStore.h"
#include "services/settings/SettingsJson.h"
#include "ui/ContentView.h"
#include "ui/controls/PasswordDisplay.h"
#include "ui/controls/WholeNumberSlider.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

class SyncingStore final : public SettingsStore
{
public:
    Settings load() const override { return Settings(); }
    void save(const Settings &settings) override
    {
        QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, "Tessellon",
                              "Tessellon");
        preferences.setValue("settings", SettingsJson::encode(settings));
        preferences.sync();
    }
};

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void drag(const char *name, SettingsStore &store, const Settings &start = {})
{
    GeneratorModel model({.store = store});
    model.setSettings(start);
    ContentView view(model);
    view.resize(view.sizeHint());
    view.show();
    QApplication::processEvents();
    auto *slider = view.findChild<WholeNumberSlider *>(QStringLiteral("lengthSlider"));
    PaintCounter counter;
    view.findChild<PasswordDisplay *>()->installEventFilter(&counter);

    slider->setExactValue(4);
    QList<double> steps;
    for (int length = 5; length <= 128; ++length) {
        const int before = counter.paints;
        QElapsedTimer timer;
        timer.start();
        slider->setExactValue(length);
        while (counter.paints == before)
            QApplication::processEvents();
        steps.append(double(timer.nsecsElapsed()) / 1e6);
    }

    std::sort(steps.begin(), steps.end());
    std::printf("%-28s %5lld steps  median %7.3f ms  worst %7.3f ms\n", name,
                qlonglong(steps.size()), steps.at(steps.size() / 2), steps.last());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Beside the program, not in /tmp, which is often memory.
    QTemporaryDir home(QCoreApplication::applicationDirPath() + "/drag-XXXXXX");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    {
        SyncingStore syncing;
        drag("saving on the interface", syncing);
    }
    PreferencesStore store;
    drag("saving in the background", store);
    // Each step counts the passwords that meet the rules anew: every group
    // of the advanced pool, extras, and a site's limit on repeats.
    drag("every group and a site's rules", store,
         {.mode = GeneratorMode::advanced,
          .enabledCharacters = CharacterSet(Settings::separatorChoices()
                                            + Alphabet::brackets().characters
                                            + Settings::defaultEnabledCharacters().sorted()),
          .additionalCharacters = QStringLiteral("\u00e9\u00fc"),
          .requireEachGroup = true,
          .passwordRules = QStringLiteral("max-consecutive: 2; required: [!#$%&*@^]; "
                                          "allowed: ascii-printable, unicode")});
    return 0;
}
