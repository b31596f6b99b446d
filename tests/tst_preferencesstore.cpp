#include "services/PreferencesStore.h"
#include "support/TemporaryPreferences.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <csignal>

class TestPreferencesStore : public QObject
{
    Q_OBJECT

private slots:
    // Loading gives the defaults and leaves what is stored alone; a change
    // replaces it with the JSON document's bytes, which the next run reads.
    void loadsDefaultsUntilAChange_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("nothing") << QVariant();
        QTest::newRow("not JSON") << QVariant(QByteArray("not json"));
        QTest::newRow("unknown mode") << QVariant(QByteArray(R"({"mode":"fancy","length":8})"));
        QTest::newRow("text, not bytes") << QVariant(QStringLiteral(R"({"mode":"words"})"));
    }

    void loadsDefaultsUntilAChange()
    {
        QFETCH(QVariant, value);
        TemporaryPreferences preferences;
        QVERIFY(preferences.isValid());
        if (value.isValid())
            preferences.store(value);
        QCOMPARE(PreferencesStore().load(), Settings());
        QCOMPARE(preferences.storedValue(), value);

        Settings changed;
        changed.wordCount = 7;
        changed.separators = CharacterSet::fromText("-.");
        PreferencesStore().save(changed);
        QCOMPARE(preferences.storedValue().typeId(), QMetaType::QByteArray);
        QCOMPARE(PreferencesStore().load(), changed);
    }

    // A change is on disk by the time the model has taken it.
    void killedProcessKeepsItsChange()
    {
        TemporaryPreferences preferences;
        QProcess child;
        child.start(QCoreApplication::applicationDirPath() + "/settings_change_child",
                    {preferences.path()});
        QVERIFY(child.waitForReadyRead(60'000));
        QCOMPARE(child.readLine(), "changed\n");
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const Settings stored = PreferencesStore().load();
        QCOMPARE(rawValue(stored.mode), "words");
        QCOMPARE(stored.wordCount, 7);
    }
};

QTEST_GUILESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
