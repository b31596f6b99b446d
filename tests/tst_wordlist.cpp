#include "core/ResourceFiles.h"
#include "core/Wordlist.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <array>
#include <barrier>

class TestWordlist : public QObject
{
    Q_OBJECT

private slots:
    void splitting_data();
    void splitting();
    void unreadableFilesGiveNothing();
    void shippedListIsFound();
    void concurrentFirstAccessLoadsOnce();
};

void TestWordlist::splitting_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("plain") << QByteArray("alpha\nbeta\ngamma")
                           << QStringList{"alpha", "beta", "gamma"};
    QTest::newRow("final LF adds nothing")
        << QByteArray("alpha\nbeta\n") << QStringList{"alpha", "beta"};
    QTest::newRow("blank lines add nothing")
        << QByteArray("\n\nalpha\n\n\nbeta\n\n") << QStringList{"alpha", "beta"};
    QTest::newRow("CR LF is no separator")
        << QByteArray("alpha\r\nbeta\r\n") << QStringList{"alpha\r\nbeta\r\n"};
    QTest::newRow("stray CR kept")
        << QByteArray("alpha\r\n\nbeta") << QStringList{"alpha\r\n", "beta"};
    QTest::newRow("spaces kept") << QByteArray("  \n lead\ntrail \n")
                                 << QStringList{"  ", " lead", "trail "};
    QTest::newRow("duplicates count") << QByteArray("same\nsame\n") << QStringList{"same", "same"};
    QTest::newRow("UTF-8 words") << QByteArray("caf\xc3\xa9\n\xf0\x9f\x8c\x8a")
                                 << QStringList{QStringLiteral("caf\u00e9"),
                                                QStringLiteral("\U0001F30A")};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("invalid UTF-8") << QByteArray("alpha\n\xff\xfe\nbeta") << QStringList{};
    QTest::newRow("truncated UTF-8 sequence") << QByteArray("alpha\xc3") << QStringList{};
}

void TestWordlist::splitting()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, entries);
    QCOMPARE(Wordlist::fromData(data), entries);
}

void TestWordlist::unreadableFilesGiveNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(Wordlist::fromFile(dir.filePath("missing.txt")), QStringList());
    QCOMPARE(Wordlist::fromFile(dir.path()), QStringList()); // a folder
    QCOMPARE(Wordlist::fromFile(QString()), QStringList());

    QFile file(dir.filePath("list.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("one\ntwo\n");
    file.close();
    QCOMPARE(Wordlist::fromFile(file.fileName()), (QStringList{"one", "two"}));
}

void TestWordlist::shippedListIsFound()
{
    // The build copies the shipped list beside every program, tests included.
    QFile shipped(ResourceFiles::locate("wordlist.txt"));
    QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
    QCOMPARE(QCryptographicHash::hash(shipped.readAll(), QCryptographicHash::Sha256).toHex(),
             QByteArray("6d557f0693958fb5e650b68b5bee585eb82cf4da32965505c789e924743bc522"));
    QCOMPARE(Wordlist::fromFile(shipped.fileName()).size(), 7776);
}

void TestWordlist::concurrentFirstAccessLoadsOnce()
{
    constexpr int threadCount = 8;
    std::array<const QStringList *, threadCount> seen{};
    std::array<const QString *, threadCount> data{};
    std::barrier start(threadCount);
    QList<QThread *> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.append(QThread::create([&, i] {
            start.arrive_and_wait();
            const QStringList &words = Wordlist::words();
            seen[i] = &words;
            data[i] = words.constData();
        }));
        threads.last()->start();
    }
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(30'000));
        delete thread;
    }
    // One load: every thread holds the very same list, not an equal copy.
    for (int i = 0; i < threadCount; ++i) {
        QCOMPARE(seen[i], seen[0]);
        QCOMPARE(data[i], data[0]);
    }
    QCOMPARE(seen[0]->size(), 7776);
    QCOMPARE(seen[0]->first(), QStringLiteral("abacus"));
    QCOMPARE(seen[0]->last(), QStringLiteral("zoom"));
    QCOMPARE(&Wordlist::words(), seen[0]);
}

QTEST_GUILESS_MAIN(TestWordlist)
#include "tst_wordlist.moc"
