// The preferences: their JSON form, and the store that keeps it.
#include "services/settings/PreferencesStore.h"
#include "services/settings/SettingsJson.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMutex>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// How the defaults are stored: all thirteen members, sets as text in code order.
static const QByteArray defaults =
    R"({"mode":"basic","length":16,"wordCount":5,"additionalCharacters":"","separators":"_",)"
    R"("enabledCharacters":"#$%&*+-/0123456789=@ABCDEFGHIJKLMNOPQRSTUVWXYZ\\^_)"
    R"(abcdefghijklmnopqrstuvwxyz~","excludeAmbiguous":false,"autoClearClipboard":true,)"
    R"("requireEachGroup":false,"passwordRules":"","passphraseLimit":0,"wordList":"",)"
    R"("wordListSha256":""})";

class TestPreferencesStore : public QObject
{
    Q_OBJECT

    // A fresh folder for each test, the system-wide preferences in its "xdg": never the real ones.
    std::optional<QTemporaryDir> m_dir;
    QString fileName() const { return m_dir->filePath(QStringLiteral("Tessellon/Tessellon.conf")); }
    QVariant saved() const { return QSettings(fileName(), QSettings::IniFormat).value("settings"); }

private slots:
    void init()
    {
        m_dir.emplace();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_dir->filePath("xdg"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path())); // for the store's own look
    }

    void decodes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("changes"); // from the defaults; none when rejected
        const auto row = [](const char *json, const char *changes = nullptr) {
            QTest::newRow(QByteArray(json).replace('\n', "\\n"))
                << QByteArray(json) << QByteArray(changes);
        };
        // Absent and null keep defaults; counts clamp to 4...128, 3...12 and 0...256; sets dedupe.
        row("{}", "{}");
        row(R"({"mode":null,"length":null,"separators":null,"excludeAmbiguous":null})", "{}");
        row(R"({"length":-9223372036854775808,"wordCount":9223372036854775807})",
            R"({"length":4,"wordCount":12})");
        row(R"({"length":129,"wordCount":2,"passphraseLimit":257})",
            R"({"length":128,"wordCount":3,"passphraseLimit":256})");
        row(R"({"length":3,"wordCount":13,"passphraseLimit":-1})",
            R"({"length":4,"wordCount":12,"passphraseLimit":0})");
        row(R"({"enabledCharacters":"aab\u00e9\ud83d\ude00e\u0301","separators":""})",
            R"({"enabledCharacters":"ab\u00e9\ud83d\ude00","separators":""})");
        // Characters that join their neighbours are read as after a save.
        row(R"({"enabledCharacters":"e\u0602\r\n\u15e9"})",
            R"({"enabledCharacters":"\r\ne\u0602\u15e9"})");
        // Every member among escaped keys, unknown members, any order and spacing.
        row("{\"additionalCharacters\":\" \\t\\\"\\\\|\", \"\\u006cength\" :\n 20 , "
            R"("x":{"length":"no"},"y":[1,{}],"mode":"advanced","wordCount":3,)"
            R"("enabledCharacters":"b😀a！","separators":".-","excludeAmbiguous":true,)"
            R"("autoClearClipboard":false,"requireEachGroup":true,"passwordRules":"required: digit",)"
            R"("wordList":"/home/me/words.txt","wordListSha256":"e49c"})",
            R"({"additionalCharacters":" \t\u0022\u005c|","length":20,"mode":"advanced",)"
            R"("wordCount":3,"enabledCharacters":"ab！😀","separators":"-.",)"
            R"("excludeAmbiguous":true,"autoClearClipboard":false,"requireEachGroup":true,)"
            R"("passwordRules":"required: digit","wordList":"/home/me/words.txt",)"
            R"("wordListSha256":"e49c"})");
        // A byte-order mark before the document is allowed, whatever follows.
        row("\xEF\xBB\xBF{\"length\":20}", R"({"length":20})");
        // Spoiled whole: not JSON; a wrong type, no 64-bit integer literal, a bad mode, no object.
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
              R"({"requireEachGroup":"yes"})", R"({"separators":["-"]})",
              R"({"additionalCharacters":{}})", R"([{"mode":"words"}])", R"({"mode":"words")"})
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
        const auto object = [](const QByteArray &json) {
            return QJsonDocument::fromJson(json).object();
        };
        QJsonObject expected = object(defaults);
        for (const QString &key : object(changes).keys())
            expected.insert(key, object(changes).value(key));
        QCOMPARE(object(SettingsJson::encode(*settings)), expected);
        QCOMPARE(SettingsJson::decode(SettingsJson::encode(*settings)), settings);
    }

    // Defaults, the stored value left alone, until a change; never a shared file nor a huge one.
    // The largest the window saves (32,767 extras of 6 bytes in JSON, 12 in the file) reads back.
    void loadsDefaultsUntilAChange_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("file");   // the user's own when empty
        QTest::addColumn<QString>("extras"); // in the change
        const auto row = [](const char *name, const QVariant &value, const QString &file = {},
                            const QString &extras = {}) {
            QTest::newRow(name) << value << file << extras;
        };
        row("not JSON", QByteArray("not json"));
        row("text, not bytes", QStringLiteral(R"({"mode":"words"})"));
        row("system file", QByteArray(R"({"mode":"words"})"), "xdg/Tessellon/Tessellon.conf");
        row("a document over 256 KiB",
            QByteArray(R"({"mode":"words",)" + QByteArray(260 * 1024, ' ') + R"("length":20})"));
        row("the largest, in Chinese", {}, {}, QStringLiteral("\u4E2D").repeated(32'767));
        row("the largest, in controls", {}, {}, QStringLiteral("\u0001").repeated(32'767));
    }

    void loadsDefaultsUntilAChange()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, file);
        QFETCH(QString, extras);
        if (value.isValid())
            QSettings(file.isEmpty() ? fileName() : m_dir->filePath(file), QSettings::IniFormat)
                .setValue("settings", value);
        QCOMPARE(PreferencesStore().load(), Settings());
        QCOMPARE(saved(), file.isEmpty() ? value : QVariant());
        const Settings changed{.wordCount = 7,
                               .additionalCharacters = extras,
                               .separators = CharacterSet::fromText("-.")};
        PreferencesStore().save(changed);
        QCOMPARE(saved().typeId(), QMetaType::QByteArray);
        QCOMPARE(PreferencesStore().load(), changed);
        QVERIFY(QFileInfo(fileName()).size() < 2048 + 12 * extras.size());
    }

    // A failing save is told once, never awaited (a wait hangs here, on our lock); it lands later.
    void failedSaveIsToldOnce_data()
    {
        QTest::addColumn<bool>("locked"); // else a file stands where the folder goes
        QTest::newRow("a file in the folder's place") << false;
        QTest::newRow("another writer's lock") << true;
    }

    void failedSaveIsToldOnce()
    {
        QFETCH(bool, locked);
        const QString folder = QFileInfo(fileName()).path();
        QFile inTheWay(folder);
        QVERIFY(locked ? QDir().mkpath(folder) : inTheWay.open(QIODevice::WriteOnly));
        QLockFile lock(fileName() + ".lock");
        QVERIFY(!locked || lock.tryLock(0));
        // The warnings told from any thread meanwhile.
        static QMutex mutex;
        static QStringList warnings;
        warnings.clear();
        const auto warningsSeen = [] {
            const QMutexLocker locker(&mutex);
            return warnings;
        };
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &text) {
                const QMutexLocker locker(&mutex);
                if (type == QtWarningMsg)
                    warnings << text;
            });
        const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        Settings changed;
        {
            PreferencesStore store;
            for (qint64 length = 4; length <= 20; ++length) {
                changed.length = length;
                store.save(changed);
                if (length == 4 && !locked) // so that the later saves fail again
                    QTRY_COMPARE(warningsSeen().size(), 1);
            }
            QCOMPARE(store.load(), changed);
        }
        const QString reason = locked
                                   ? fileName() + " is locked by tst_preferencesstore (process "
                                         + QString::number(QCoreApplication::applicationPid()) + ")"
                                   : "its folder " + folder + " cannot be made";
        QCOMPARE(warningsSeen(), QStringList("The settings could not be saved: " + reason + "."));
        // A write left behind at the end: the program then ends without statics.
        QCOMPARE(BackgroundWriter::writesLeftRunning(), int(locked));
        QVERIFY(!QFile::exists(fileName()));
        lock.unlock();
        if (!locked) {
            QVERIFY(inTheWay.remove());
            PreferencesStore().save(changed);
        }
        QTRY_COMPARE(PreferencesStore().load(), changed);
        QTRY_COMPARE(BackgroundWriter::writesLeftRunning(), 0);
        QCOMPARE(warningsSeen().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
