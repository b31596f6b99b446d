#include "core/GeneratorModel.h"

#include "core/SettingsStore.h"

GeneratorModel::GeneratorModel(ModelServices services, QObject *parent)
    : QObject(parent)
    , settingsValue(services.store.load())
    , services(std::move(services))
{
    copyResetTimer.setSingleShot(true);
    copyResetTimer.setTimerType(Qt::PreciseTimer); // never early
    copyResetTimer.setInterval(this->services.timings.acknowledgement);
    connect(&copyResetTimer, &QTimer::timeout, this, [this] { setDidCopy(false); });
    regenerateKeepingHistory();
}

QString GeneratorModel::message(GeneratorError error)
{
    switch (error) {
    case GeneratorError::emptyAlphabet:
        return QStringLiteral("Turn on at least one character to generate a password.");
    case GeneratorError::wordlistUnavailable:
        return QStringLiteral("The word list couldn't be loaded.");
    }
    return QString(); // not reached: every case returns above
}

void GeneratorModel::setSettings(const Settings &settings)
{
    if (settings == settingsValue)
        return;
    settingsValue = settings;
    // Stored and answered before anyone hears of the change, so observers
    // of the settings already see the password made from them.
    services.store.save(settingsValue);
    regenerateKeepingHistory();
    emit settingsChanged();
}

void GeneratorModel::regenerate(bool recordingHistory)
{
    const Settings settings = settingsValue;
    const GenerationResult result =
        PasswordGenerator::generate(settings, services.random, services.words);
    if (const auto *error = std::get_if<GeneratorError>(&result)) {
        // The password on show is dropped, not recorded.
        setCurrent(std::nullopt);
        setErrorMessage(message(*error));
        return;
    }
    if (recordingHistory && currentValue)
        recordInHistory(*currentValue);
    setCurrent(std::get<GeneratedPassword>(result));
    setErrorMessage(std::nullopt);
}

void GeneratorModel::recordInHistory(const GeneratedPassword &replaced)
{
    // Two edits, each heard on its own, as they happen in place.
    historyValue.prepend(replaced);
    emit historyChanged();
    if (historyValue.size() > historyLimit) {
        historyValue.resize(historyLimit);
        emit historyChanged();
    }
}

void GeneratorModel::clearHistory()
{
    historyValue.clear();
    emit historyChanged(); // even when it was already empty
}

void GeneratorModel::copy(const GeneratedPassword &password)
{
    copyText(password.text);
    setDidCopy(true);
    copyResetTimer.start(); // restarting cancels the pending reset
}

void GeneratorModel::copyText(const QString &text)
{
    if (!services.copyToClipboard)
        return;
    services.copyToClipboard(text, settingsValue.autoClearClipboard
                                       ? std::optional(services.timings.autoClear)
                                       : std::nullopt);
}

void GeneratorModel::setCurrent(const std::optional<GeneratedPassword> &value)
{
    if (value == currentValue)
        return;
    currentValue = value;
    emit currentChanged();
}

void GeneratorModel::setErrorMessage(const std::optional<QString> &value)
{
    if (value == errorMessageValue)
        return;
    errorMessageValue = value;
    emit errorMessageChanged();
}

void GeneratorModel::setDidCopy(bool value)
{
    if (value == didCopyValue)
        return;
    didCopyValue = value;
    emit didCopyChanged();
}
