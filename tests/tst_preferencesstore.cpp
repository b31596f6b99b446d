#include "services/PreferencesStore.h"
#include "support/TemporaryPreferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <atomic>
#include <csignal>
#include <stop_token>
#include <thread>

class TestPreferencesStore : public QObject
{
    Q_OBJECT

private slots:
    // Loading gives the defaults and leaves what is stored alone; a change
    // replaces it with the JSON document's bytes, which the next run reads.
    // Only the user's own file counts, never an organization-wide or a
    // system-wide one.
    void loadsDefaultsUntilAChange_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("file"); // the user's own when empty
        const QVariant words(QByteArray(R"({"mode":"words"})"));
        QTest::newRow("nothing") << QVariant() << QString();
        QTest::newRow("not JSON") << QVariant(QByteArray("not json")) << QString();
        QTest::newRow("text, not bytes") << QVariant(QStringLiteral(R"({"mode":"words"})"))
                                         << QString();
        QTest::newRow("organization file") << words << "Tessellon.conf";
        QTest::newRow("system file") << words << "xdg/Tessellon/Tessellon.conf";
        QTest::newRow("system organization file") << words << "xdg/Tessellon.conf";
    }

    void loadsDefaultsUntilAChange()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, file);
        TemporaryPreferences preferences;
        QVERIFY(preferences.isValid());
        if (value.isValid())
            preferences.store(value, file);
        QCOMPARE(PreferencesStore().load(), Settings());
        QCOMPARE(preferences.storedValue(), file.isEmpty() ? value : QVariant());

        Settings changed;
        changed.wordCount = 7;
        changed.separators = CharacterSet::fromText("-.");
        PreferencesStore().save(changed);
        QCOMPARE(preferences.storedValue().typeId(), QMetaType::QByteArray);
        QCOMPARE(PreferencesStore().load(), changed);
    }

    // Saving never waits for the disk, here held up by another writer's
    // lock on the file; the newest change is written once it can be, and
    // before the store is gone. A store that waited would see the helper
    // thread give the lock up after ten seconds.
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

    // A change reaches the disk soon after the model has taken it, and a
    // killed process leaves the whole document behind.
    void killedProcessKeepsItsChange()
    {
        TemporaryPreferences preferences;
        QProcess child;
        child.start(QCoreApplication::applicationDirPath() + "/settings_change_child",
                    {preferences.path()});
        QVERIFY(child.waitForReadyRead(60'000));
        QCOMPARE(child.readLine(), "changed\n");
        QTRY_VERIFY(preferences.storedValue().isValid());
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
