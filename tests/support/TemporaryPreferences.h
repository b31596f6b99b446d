#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the user's preferences at a fresh temporary folder for the life of
// the object, so that tests never touch the real ones.
class TemporaryPreferences
{
public:
    TemporaryPreferences()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }

    bool isValid() const { return dir.isValid(); }
    QString path() const { return dir.path(); }
    QString fileName() const { return dir.filePath(QStringLiteral("Tessellon/Tessellon.conf")); }

    // A second, independent reader: what the next run of the program sees.
    QVariant storedValue() const
    {
        return QSettings(fileName(), QSettings::IniFormat).value(QStringLiteral("settings"));
    }

    void store(const QVariant &value) const
    {
        QSettings settings(fileName(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("settings"), value);
    }

private:
    QTemporaryDir dir;
};
