#pragma once

#include "core/CopyTimings.h"
#include "core/GeneratedPassword.h"
#include "core/GeneratorError.h"
#include "core/PasswordGenerator.h"
#include "core/Settings.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class SettingsStore;

// Puts text on the clipboard; with a delay, clears it again after that
// long unless something else was copied meanwhile.
using ClipboardCopy = std::function<void(const QString &text,
                                         std::optional<std::chrono::milliseconds> autoClearAfter)>;

// What the model reaches outside itself. Only the store must be given; the
// rest defaults to the real thing, and tests replace what they must control.
struct ModelServices
{
    SettingsStore &store;
    ClipboardCopy copyToClipboard = {};
    RandomSource &random = RandomSource::system();
    PasswordGenerator::WordlistProvider words = {}; // the shipped list
    CopyTimings timings = {};
};

// The one shared state of the program: the settings, the password on show,
// the passwords it replaced and the message shown when generation fails.
// Every property signals only when its value really changed.
class GeneratorModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(std::optional<GeneratedPassword> current READ current NOTIFY currentChanged)
    Q_PROPERTY(QList<GeneratedPassword> history READ history NOTIFY historyChanged)
    Q_PROPERTY(std::optional<QString> errorMessage READ errorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(bool didCopy READ didCopy NOTIFY didCopyChanged)
    Q_PROPERTY(Settings settings READ settings WRITE setSettings NOTIFY settingsChanged)

public:
    static constexpr qsizetype historyLimit = 20;

    // Loads the stored settings and makes the first password, without
    // writing the store and without history.
    explicit GeneratorModel(ModelServices services, QObject *parent = nullptr);

    const std::optional<GeneratedPassword> &current() const { return m_current; }
    const QList<GeneratedPassword> &history() const { return m_history; }
    const std::optional<QString> &errorMessage() const { return m_errorMessage; }
    bool didCopy() const { return m_didCopy; }
    const Settings &settings() const { return m_settings; }

    // A real change is stored and answered with a new password before
    // settingsChanged is emitted; an equal record changes nothing.
    void setSettings(const Settings &settings);

    // A new password at the user's request: the one it replaces goes into
    // the history. (A change of the settings replaces it unrecorded.)
    void regenerate();
    void clearHistory();

    // Copies the record's text and raises didCopy for a short while.
    void copy(const GeneratedPassword &password);
    // Copies part of a password, such as a selection: marked and cleared
    // like any copy, but not acknowledged as a copy of the password.
    void copyText(const QString &text);

signals:
    void currentChanged();
    // Each edit of the history is told as itself, as it happens, so that a
    // view can follow it row by row; historyChanged follows once they are
    // all done.
    void historyEntryAdded(); // at the top
    void oldestHistoryEntryDropped();
    void historyCleared();
    void historyChanged();
    void errorMessageChanged();
    void didCopyChanged();
    void settingsChanged();

private:
    // What every settings change does: a new password, the history untouched.
    void regenerateKeepingHistory();
    GenerationResult generate() const;
    void show(const GenerationResult &result);
    void setCurrent(const std::optional<GeneratedPassword> &value);
    void setErrorMessage(const std::optional<QString> &value);
    void setDidCopy(bool value);
    void recordInHistory(const GeneratedPassword &replaced);

    std::optional<GeneratedPassword> m_current;
    QList<GeneratedPassword> m_history;
    std::optional<QString> m_errorMessage;
    bool m_didCopy = false;
    Settings m_settings;

    ModelServices m_services;
    QTimer m_copyResetTimer; // owned, so a reset never outlives the model
};
