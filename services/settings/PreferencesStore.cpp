#include "services/settings/PreferencesStore.h"

#include "services/settings/SettingsJson.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

#include <atomic>

namespace {

using namespace std::chrono_literals;

const QString organization = QStringLiteral("Tessellon");
const QString application = QStringLiteral("Tessellon");
const QString key = QStringLiteral("settings");

// Without fallbacks: an organization-wide or system-wide file (under
// /etc/xdg, say) must never stand in for the user's own settings.
void configure(QSettings &preferences)
{
    preferences.setFallbacksEnabled(false);
}

// The file behind the native format, where it is a file QSettings would read
// whole: an INI file under the user's configuration folder.
QString settingsFile()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
           + organization + u'/' + application + QStringLiteral(".conf");
#else
    return QString();
#endif
}

// Larger than any document of ours can be, escaped as INI text.
bool oversized(const QString &file)
{
    return !file.isEmpty() && QFileInfo(file).size() > 4 * PreferencesStore::largestDocument;
}

// Why a write of the file failed, as far as can be told from outside.
QString failureReason(const QString &file)
{
    const QFileInfo info(file);
    const QFileInfo folder(info.path());
    if (!folder.isDir())
        return QStringLiteral("its folder %1 cannot be made").arg(folder.filePath());
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return QStringLiteral("%1 is read-only").arg(info.exists() ? file : folder.filePath());
    if (QStorageInfo(folder.filePath()).bytesAvailable() == 0)
        return QStringLiteral("the disk is full");
    return QStringLiteral("%1 could not be written").arg(file);
}

// Another process's lock on the file, which QSettings waits for without end.
QString lockHolder(const QString &file)
{
    QLockFile lock(file + QStringLiteral(".lock"));
    qint64 pid = 0;
    QString host, program;
    if (file.isEmpty() || !lock.getLockInfo(&pid, &host, &program))
        return QStringLiteral("the write took too long");
    return QStringLiteral("%1 is locked by %2 (process %3)")
        .arg(file, program.isEmpty() ? QStringLiteral("another program") : program)
        .arg(pid);
}

void tell(const QString &reason)
{
    qWarning().noquote() << QStringLiteral("The settings could not be saved: %1.").arg(reason);
}

// Writes the document, telling the first failure of a run of them.
void writeDocument(const QByteArray &document, std::atomic<bool> &failing)
{
    const QString file = settingsFile();
    if (oversized(file))
        QFile::remove(file); // not ours, and never to be read whole
    QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    configure(preferences);
    preferences.setValue(key, document);
    // On disk before the next write starts; QSettings replaces the file
    // atomically, so a killed process leaves the old or the new one whole.
    preferences.sync();
    const bool failed = preferences.status() != QSettings::NoError;
    if (failed && !failing)
        tell(failureReason(preferences.fileName()));
    failing = failed;
}

} // namespace

PreferencesStore::PreferencesStore()
    : m_writer([failing = std::make_shared<std::atomic<bool>>(false)](const QByteArray &document) {
        writeDocument(document, *failing);
    })
{}

PreferencesStore::~PreferencesStore()
{
    if (!m_writer.finish(2s))
        tell(lockHolder(settingsFile()));
}

Settings PreferencesStore::load() const
{
    if (m_saved)
        return *m_saved;
    if (oversized(settingsFile()))
        return Settings();
    QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    configure(preferences);
    const QVariant stored = preferences.value(key);
    if (stored.typeId() != QMetaType::QByteArray || stored.toByteArray().size() > largestDocument)
        return Settings();
    return SettingsJson::decode(stored.toByteArray()).value_or(Settings());
}

void PreferencesStore::save(const Settings &settings)
{
    m_saved = settings;
    m_writer.submit(SettingsJson::encode(settings));
}
