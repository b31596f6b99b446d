#pragma once

#include <QSettings>
#include <QTemporaryDir>

// The user's preferences in a fresh folder while it lives, the system-wide
// ones in its "xdg" folder: tests never touch the real ones.
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

    // As the next run of the program reads it.
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
