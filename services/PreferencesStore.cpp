#include "services/PreferencesStore.h"

#include "services/SettingsJson.h"

#include <QSettings>

namespace {

const QString organization = QStringLiteral("Tessellon");
const QString application = QStringLiteral("Tessellon");
const QString key = QStringLiteral("settings");

// Without fallbacks: an organization-wide or system-wide file (under
// /etc/xdg, say) must never stand in for the user's own settings.
void configure(QSettings &preferences)
{
    preferences.setFallbacksEnabled(false);
}

void writeDocument(const QByteArray &document)
{
    QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    configure(preferences);
    preferences.setValue(key, document);
    // On disk before the next write starts; QSettings replaces the file
    // atomically, so a killed process leaves the old or the new one whole.
    preferences.sync();
}

} // namespace

PreferencesStore::PreferencesStore()
    : m_writer(writeDocument)
{}

Settings PreferencesStore::load() const
{
    if (m_saved)
        return *m_saved;
    QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    configure(preferences);
    const QVariant stored = preferences.value(key);
    if (stored.typeId() != QMetaType::QByteArray)
        return Settings();
    return SettingsJson::decode(stored.toByteArray()).value_or(Settings());
}

void PreferencesStore::save(const Settings &settings)
{
    m_saved = settings;
    m_writer.submit(SettingsJson::encode(settings));
}
