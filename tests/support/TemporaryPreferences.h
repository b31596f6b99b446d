#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the user's preferences at a fresh temporary folder for the life of
// the object, and the system-wide ones at its "xdg" folder, so that tests
// never touch the real ones.
class TemporaryPreferences
{
public:
    TemporaryPreferences()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path())); // for the store's own look
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.filePath("xdg"));
    }

    QString fileName() const { return dir.filePath(QStringLiteral("Tessellon/Tessellon.conf")); }

    // A second, independent reader: what the next run of the program sees.
    QVariant storedValue() const
    {
        return QSettings(fileName(), QSettings::IniFormat).value(QStringLiteral("settings"));
    }

    // Into the user's file, or another one under the folder.
    void store(const QVariant &value, const QString &file = {}) const
    {
        QSettings settings(file.isEmpty() ? fileName() : dir.filePath(file), QSettings::IniFormat);
        settings.setValue(QStringLiteral("settings"), value);
    }

private:
    QTemporaryDir dir;
};
