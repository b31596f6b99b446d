#include "core/GeneratorModel.h"

#include "core/SecretWipe.h"
#include "core/SettingsStore.h"

GeneratorModel::GeneratorModel(ModelServices services, QObject *parent)
    : QObject(parent)
    , m_settings(services.store.load())
    , m_services(std::move(services))
{
    m_copyResetTimer.setSingleShot(true);
    m_copyResetTimer.setTimerType(Qt::PreciseTimer); // never early
    m_copyResetTimer.setInterval(this->m_services.timings.acknowledgement);
    connect(&m_copyResetTimer, &QTimer::timeout, this, [this] { setDidCopy(false); });
    regenerateKeepingHistory();
}

void GeneratorModel::setSettings(const Settings &settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    // Stored and answered before anyone hears of the change, so observers
    // of the settings already see the password made from them.
    m_services.store.save(m_settings);
    regenerateKeepingHistory();
    emit settingsChanged();
}

void GeneratorModel::regenerate()
{
    const GenerationResult result = generate();
    if (m_current && std::holds_alternative<GeneratedPassword>(result))
        recordInHistory(*m_current);
    show(result);
}

void GeneratorModel::regenerateKeepingHistory()
{
    show(generate());
}

GenerationResult GeneratorModel::generate() const
{
    return PasswordGenerator::generate(m_settings, m_services.random, m_services.words);
}

// A failure drops the password on show rather than leave it beside the
// message, and never records it.
void GeneratorModel::show(const GenerationResult &result)
{
    if (const auto *error = std::get_if<GeneratorError>(&result)) {
        setCurrent(std::nullopt);
        setErrorMessage(errorText(*error));
    } else {
        setCurrent(std::get<GeneratedPassword>(result));
        setErrorMessage(std::nullopt);
    }
}

void GeneratorModel::recordInHistory(const GeneratedPassword &replaced)
{
    m_history.prepend(replaced);
    emit historyEntryAdded();
    if (m_history.size() > historyLimit) {
        // Zeroed where it stands, for the view's copy too, so that no
        // password outlives its place in the history in memory.
        wipeInPlace(m_history.takeLast().text);
        emit oldestHistoryEntryDropped();
    }
    emit historyChanged();
}

void GeneratorModel::clearHistory()
{
    if (m_history.isEmpty())
        return;
    for (const GeneratedPassword &entry : std::as_const(m_history))
        wipeInPlace(entry.text);
    m_history.clear();
    emit historyCleared();
    emit historyChanged();
}

void GeneratorModel::copy(const GeneratedPassword &password)
{
    copyText(password.text);
    setDidCopy(true);
    m_copyResetTimer.start(); // restarting cancels the pending reset
}

void GeneratorModel::copyText(const QString &text)
{
    if (!m_services.copyToClipboard)
        return;
    m_services.copyToClipboard(text, m_settings.autoClearClipboard
                                         ? std::optional(m_services.timings.autoClear)
                                         : std::nullopt);
}

void GeneratorModel::setCurrent(const std::optional<GeneratedPassword> &value)
{
    if (value == m_current)
        return;
    // One that leaves without a place in the history may still be on the
    // clipboard, so it is let go of unwiped.
    if (m_current && (m_history.isEmpty() || m_history.first() != *m_current))
        unlockFromMemory(m_current->text);
    m_current = value;
    if (m_current)
        lockInMemory(m_current->text);
    emit currentChanged();
}

void GeneratorModel::setErrorMessage(const std::optional<QString> &value)
{
    if (value == m_errorMessage)
        return;
    m_errorMessage = value;
    emit errorMessageChanged();
}

void GeneratorModel::setDidCopy(bool value)
{
    if (value == m_didCopy)
        return;
    m_didCopy = value;
    emit didCopyChanged();
}
