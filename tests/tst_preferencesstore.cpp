// The preferences: their JSON form, and the store that keeps it.
#include "services/settings/PreferencesStore.h"
#include "services/settings/SettingsJson.h"
#include "support/TemporaryPreferences.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMutex>
#include <QTest>
#include <QThread>

#include <atomic>
#include <stop_token>
#include <thread>

namespace {

QJsonObject object(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// How the defaults are stored: all eight members, sets as text in code order.
const QByteArray defaults =
    R"({"mode":"basic","length":16,"wordCount":5,"additionalCharacters":"","separators":"_",)"
    R"("enabledCharacters":"#$%&*+-/0123456789=@ABCDEFGHIJKLMNOPQRSTUVWXYZ\\^_)"
    R"(abcdefghijklmnopqrstuvwxyz~","excludeAmbiguous":false,"autoClearClipboard":true})";

// The warnings told while it lives, from any thread.
class Warnings
{
public:
    Warnings()
    {
        s_seen.clear();
        s_previous = qInstallMessageHandler(&Warnings::note);
    }
    ~Warnings() { qInstallMessageHandler(s_previous); }

    static QStringList seen()
    {
        const QMutexLocker locker(&s_mutex);
        return s_seen;
    }

private:
    static void note(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        const QMutexLocker locker(&s_mutex);
        if (type == QtWarningMsg)
            s_seen << message;
    }

    static inline QMutex s_mutex;
    static inline QStringList s_seen;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

class TestPreferencesStore : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("changes"); // from the defaults; none when rejected
        const auto row = [](const char *json, const char *changes = nullptr) {
            QTest::newRow(QByteArray(json).replace('\n', "\\n"))
                << QByteArray(json) << QByteArray(changes);
        };
        // Absent and null keep defaults; counts clamp to 4...128 and 3...12; sets dedupe.
        row("{}", "{}");
        row(R"({"mode":null,"length":null,"separators":null,"excludeAmbiguous":null})", "{}");
        row(R"({"length":-9223372036854775808,"wordCount":9223372036854775807})",
            R"({"length":4,"wordCount":12})");
        row(R"({"length":129,"wordCount":2})", R"({"length":128,"wordCount":3})");
        row(R"({"length":3,"wordCount":13})", R"({"length":4,"wordCount":12})");
        row(R"({"enabledCharacters":"aab\u00e9\ud83d\ude00e\u0301","separators":""})",
            R"({"enabledCharacters":"ab\u00e9\ud83d\ude00","separators":""})");
        // Characters that join their neighbours are read as after a save.
        row(R"({"enabledCharacters":"e\u0602\r\n\u15e9"})",
            R"({"enabledCharacters":"\r\ne\u0602\u15e9"})");
        // Every member among escaped keys, unknown members, any order and spacing.
        row("{\"additionalCharacters\":\" \\t\\\"\\\\|\", \"\\u006cength\" :\n 20 , "
            R"("x":{"length":"no"},"y":[1,{}],"mode":"advanced","wordCount":3,)"
            R"("enabledCharacters":"b😀a！","separators":".-","excludeAmbiguous":true,)"
            R"("autoClearClipboard":false})",
            R"({"additionalCharacters":" \t\u0022\u005c|","length":20,"mode":"advanced",)"
            R"("wordCount":3,"enabledCharacters":"ab！😀","separators":"-.",)"
            R"("excludeAmbiguous":true,"autoClearClipboard":false})");
        // A byte-order mark before the document is allowed, whatever follows.
        row("\xEF\xBB\xBF{\"length\":20}", R"({"length":20})");
        row("\xEF\xBB\xBF{\"mode\":\"words\"}", R"({"mode":"words"})");
        // Spoiled whole by text that is not JSON, then by a wrong type, a number
        // that is no 64-bit integer literal, an unknown mode, or no object.
        for (const char *json :
             {"{\"separators\":\"\t\",\"length\":20}", "{\"separators\":\"a\nb\"}",
              "{\"separators\":\"\x1F\"}", R"({"separators":"\x41","length":20})",
              "{\"separators\":\"\\'\"}", R"({"separators":"\ud800","length":20})",
              R"({"separators":"\udc00"})", R"({"separators":"\ud83dx"})",
              "{\"separators\":\"\xFF\"}", "{\"length\":20} \xEF\xBB\xBF", R"({"length":20,})",
              R"({"length":020})", R"({'length':20})"})
            row(json);
        for (const char *json :
             {R"({"mode":"fancy","length":8})", R"({"mode":"Words"})", R"({"mode":" basic"})",
              R"({"mode":"word"})", R"({"mode":1})", R"({"length":"16"})", R"({"length":1e1})",
              R"({"length":9223372036854775808})", R"({"length":-9223372036854775809})",
              R"({"wordCount":5.0})", R"({"length":5,"length":5.5})", R"({"excludeAmbiguous":1})",
              R"({"separators":["-"]})", R"({"additionalCharacters":{}})", R"([{"mode":"words"}])",
              R"({"mode":"words")"})
            row(json);
    }

    void decodes()
    {
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, changes);
        const std::optional<Settings> settings = SettingsJson::decode(json);
        QCOMPARE(settings.has_value(), !changes.isNull());
        if (!settings)
            return;
        QJsonObject expected = object(defaults);
        for (const QString &key : object(changes).keys())
            expected.insert(key, object(changes).value(key));
        QCOMPARE(object(SettingsJson::encode(*settings)), expected);
        // Saving and reading again changes nothing.
        QCOMPARE(SettingsJson::decode(SettingsJson::encode(*settings)), settings);
    }

    // Loading gives the defaults and leaves what is stored alone; a change stores
    // JSON bytes. Only the user's own file counts, never a shared one. A
    // document far larger than any of ours counts as absent.
    void loadsDefaultsUntilAChange_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("file"); // the user's own when empty
        const QVariant words(QByteArray(R"({"mode":"words"})"));
        QTest::newRow("nothing") << QVariant() << QString();
        QTest::newRow("not JSON") << QVariant(QByteArray("not json")) << QString();
        QTest::newRow("text, not bytes")
            << QVariant(QStringLiteral(R"({"mode":"words"})")) << QString();
        QTest::newRow("system file") << words << "xdg/Tessellon/Tessellon.conf";
        const auto padded = [](int size) {
            return QVariant(R"({"mode":"words",)" + QByteArray(size, ' ') + R"("length":20})");
        };
        QTest::newRow("a document over 256 KiB") << padded(260 * 1024) << QString();
        QTest::newRow("a file of 4 MiB") << padded(4 << 20) << QString();
    }

    void loadsDefaultsUntilAChange()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, file);
        TemporaryPreferences preferences;
        if (value.isValid())
            preferences.store(value, file);
        QCOMPARE(PreferencesStore().load(), Settings());
        QCOMPARE(preferences.storedValue(), file.isEmpty() ? value : QVariant());

        const Settings changed{.wordCount = 7, .separators = CharacterSet::fromText("-.")};
        PreferencesStore().save(changed);
        QCOMPARE(preferences.storedValue().typeId(), QMetaType::QByteArray);
        QCOMPARE(PreferencesStore().load(), changed);
        QVERIFY(QFileInfo(preferences.fileName()).size() < 2048);
    }

    // Whatever the window can save, the next run reads back: the extra
    // characters' field holds 32,767 characters (a line edit's most), which
    // JSON writes in up to six bytes each and the file escapes further.
    void readsBackTheLargestDocument_data()
    {
        QTest::addColumn<QString>("character");
        QTest::newRow("CJK, three bytes") << QStringLiteral("\u4E2D");
        QTest::newRow("quotes, escaped") << QStringLiteral("\"");
        QTest::newRow("backslashes, escaped") << QStringLiteral("\\");
        QTest::newRow("a control character, six bytes") << QStringLiteral("\u0001");
    }

    void readsBackTheLargestDocument()
    {
        QFETCH(QString, character);
        TemporaryPreferences preferences;
        const Settings largest{.additionalCharacters = character.repeated(32'767)};
        PreferencesStore().save(largest);
        QCOMPARE(PreferencesStore().load().additionalCharacters, largest.additionalCharacters);
    }

    // Saving never waits for a disk held up by another writer's lock (released
    // after ten seconds); the newest change is written before the store goes.
    void savesWithoutWaitingForTheDisk()
    {
        TemporaryPreferences preferences;
        QVERIFY(QDir().mkpath(QFileInfo(preferences.fileName()).path()));
        QLockFile lock(preferences.fileName() + ".lock");
        QVERIFY(lock.tryLock(0));
        std::atomic<bool> released = false;
        std::jthread holder([&](const std::stop_token &stop) {
            for (int i = 0; i < 200 && !stop.stop_requested(); ++i)
                QThread::msleep(50);
            released = true;
            lock.unlock();
        });
        Settings changed;
        {
            PreferencesStore store;
            for (qint64 length = 4; length <= 20; ++length) {
                changed.length = length;
                store.save(changed);
            }
            QVERIFY(!released);
            QCOMPARE(store.load(), changed);
            holder.request_stop();
        }
        QCOMPARE(PreferencesStore().load(), changed);
    }

    // A save that cannot be done is told once, with why, and tried again at
    // the next change; the settings live on in memory meanwhile.
    void failedSaveIsToldOnce_data()
    {
        QTest::addColumn<bool>("inProc"); // else a file stands where the folder goes
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file in the folder's place") << false << "cannot be made";
        QTest::newRow("a read-only place, even for root") << true << "cannot be made";
    }

    void failedSaveIsToldOnce()
    {
        QFETCH(bool, inProc);
        QFETCH(QString, reason);
        TemporaryPreferences preferences;
        QFile inTheWay(QFileInfo(preferences.fileName()).path());
        if (inProc) {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, "/proc/self");
            qputenv("XDG_CONFIG_HOME", "/proc/self");
        } else {
            QVERIFY(inTheWay.open(QIODevice::WriteOnly));
        }
        const Warnings warnings;
        Settings changed;
        {
            PreferencesStore store;
            changed.length = 20;
            store.save(changed);
            QTRY_COMPARE(warnings.seen().size(), 1);
            for (qint64 length : {21, 22, 23}) {
                changed.length = length;
                store.save(changed);
            }
            QCOMPARE(store.load(), changed);
        }
        QVERIFY2(warnings.seen().size() == 1, qPrintable(warnings.seen().join('\n')));
        QVERIFY2(warnings.seen().first().startsWith("The settings could not be saved: ")
                     && warnings.seen().first().contains(reason),
                 qPrintable(warnings.seen().first()));
        if (inProc)
            return;
        // Put right, the next change is saved.
        QVERIFY(inTheWay.remove());
        PreferencesStore().save(changed);
        QCOMPARE(PreferencesStore().load(), changed);
        QCOMPARE(warnings.seen().size(), 1);
    }

    // Another process's lock never holds up a quit: the store lets go (saying
    // why) while the lock is still held, and the write lands once it is free.
    void quitsWhileTheFileIsLocked()
    {
        TemporaryPreferences preferences;
        QVERIFY(QDir().mkpath(QFileInfo(preferences.fileName()).path()));
        QLockFile lock(preferences.fileName() + ".lock");
        QVERIFY(lock.tryLock(0));
        const Warnings warnings;
        const Settings changed{.length = 30};
        PreferencesStore().save(changed);
        QCOMPARE(warnings.seen().size(), 1);
        QVERIFY2(warnings.seen().first().contains("is locked by"),
                 qPrintable(warnings.seen().first()));
        QCOMPARE(BackgroundWriter::writesLeftRunning(), 1); // so the program ends without statics
        // (QSettings itself stays busy until the lock is free.)
        QVERIFY(!QFile::exists(preferences.fileName()));
        lock.unlock();
        QTRY_COMPARE(PreferencesStore().load(), changed);
        QTRY_COMPARE(BackgroundWriter::writesLeftRunning(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
