#include "services/PreferencesStore.h"

#include "services/SettingsJson.h"

#include <QSettings>

namespace {

const QString organization = QStringLiteral("Tessellon");
const QString application = QStringLiteral("Tessellon");
const QString key = QStringLiteral("settings");

} // namespace

Settings PreferencesStore::load() const
{
    const QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, organization,
                                application);
    const QVariant stored = preferences.value(key);
    if (stored.typeId() != QMetaType::QByteArray)
        return Settings();
    return SettingsJson::decode(stored.toByteArray()).value_or(Settings());
}

void PreferencesStore::save(const Settings &settings)
{
    QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    preferences.setValue(key, SettingsJson::encode(settings));
    // On disk before the change ends, so a killed process loses nothing;
    // QSettings replaces the file atomically.
    preferences.sync();
}
