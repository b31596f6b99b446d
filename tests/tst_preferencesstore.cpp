#include "services/PreferencesStore.h"
#include "services/SettingsJson.h"
#include "support/TemporaryPreferences.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

class TestPreferencesStore : public QObject
{
    Q_OBJECT

private slots:
    void nothingStoredGivesDefaults();
    void savedSettingsAreReadByTheNextRun();
    void unreadableValuesGiveDefaultsAndStay_data();
    void unreadableValuesGiveDefaultsAndStay();
    void killedProcessKeepsItsChange();
};

void TestPreferencesStore::nothingStoredGivesDefaults()
{
    TemporaryPreferences preferences;
    QVERIFY(preferences.isValid());
    QCOMPARE(PreferencesStore().load(), Settings());
    QVERIFY(!QFile::exists(preferences.fileName())); // loading never writes
}

void TestPreferencesStore::savedSettingsAreReadByTheNextRun()
{
    TemporaryPreferences preferences;
    Settings settings;
    settings.mode = GeneratorMode::words;
    settings.wordCount = 7;
    settings.separators = CharacterSet::fromText(QStringLiteral("-."));
    PreferencesStore().save(settings);

    const QVariant stored = preferences.storedValue();
    QCOMPARE(stored.typeId(), QMetaType::QByteArray);
    QCOMPARE(SettingsJson::decode(stored.toByteArray()), std::optional(settings));
    QCOMPARE(PreferencesStore().load(), settings);
}

void TestPreferencesStore::unreadableValuesGiveDefaultsAndStay_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("not JSON") << QVariant(QByteArray("not json"));
    QTest::newRow("unknown mode") << QVariant(QByteArray(R"({"mode":"fancy","length":8})"));
    QTest::newRow("text, not bytes") << QVariant(QStringLiteral(R"({"mode":"words"})"));
    QTest::newRow("a number") << QVariant(42);
}

void TestPreferencesStore::unreadableValuesGiveDefaultsAndStay()
{
    QFETCH(QVariant, value);
    TemporaryPreferences preferences;
    preferences.store(value);
    QFile file(preferences.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    QCOMPARE(PreferencesStore().load(), Settings());

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    // The first change replaces it.
    Settings changed;
    changed.length = 30;
    PreferencesStore().save(changed);
    QCOMPARE(PreferencesStore().load(), changed);
}

void TestPreferencesStore::killedProcessKeepsItsChange()
{
    TemporaryPreferences preferences;
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + "/settings_change_child",
                {preferences.path()});
    QVERIFY(child.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine() || child.state() == QProcess::NotRunning, 60'000);
    QCOMPARE(child.readLine(), QByteArray("changed\n"));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const std::optional<Settings> stored =
        SettingsJson::decode(preferences.storedValue().toByteArray());
    QVERIFY(stored);
    QCOMPARE(stored->mode, GeneratorMode::words);
    QCOMPARE(stored->wordCount, 7);
}

QTEST_GUILESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
