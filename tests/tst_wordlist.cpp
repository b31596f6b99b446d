#include "core/ResourceFiles.h"
#include "core/Wordlist.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <array>
#include <barrier>
#include <thread>
#include <vector>

class TestWordlist : public QObject
{
    Q_OBJECT

private slots:
    // One entry a line: LF ends a line unless CR stands before it.
    void splitting_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("blank lines and the last LF add nothing")
            << QByteArray("\n\nalpha\n\n\nbeta\n\n") << QStringList{"alpha", "beta"};
        QTest::newRow("no last LF; spaces, repeats and UTF-8 kept")
            << QByteArray("  \n lead \ncaf\xc3\xa9\n\xf0\x9f\x8c\x8a\ncaf\xc3\xa9")
            << QStringList{"  ", " lead ", "caf\u00e9", "\U0001F30A", "caf\u00e9"};
        QTest::newRow("CR LF is no separator")
            << QByteArray("alpha\r\nbeta\r\n\ngamma") << QStringList{"alpha\r\nbeta\r\n", "gamma"};
        QTest::newRow("invalid UTF-8") << QByteArray("alpha\n\xff\xfe\nbeta") << QStringList();
        QTest::newRow("cut-off UTF-8 sequence") << QByteArray("alpha\xc3") << QStringList();
    }

    void splitting()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, entries);
        QCOMPARE(Wordlist::fromData(data), entries);
    }

    // Threads racing to the first use all get the one list, loaded once from
    // the shipped file, which the build puts beside every program.
    void shippedListLoadsOnce()
    {
        std::array<const QString *, 8> seen{};
        std::barrier start(seen.size());
        {
            std::vector<std::jthread> threads;
            for (const QString *&data : seen) {
                threads.emplace_back([&] {
                    start.arrive_and_wait();
                    data = Wordlist::words().constData();
                });
            }
        }
        for (const QString *data : seen)
            QCOMPARE(data, Wordlist::words().constData());
        QCOMPARE(Wordlist::words().size(), 7776);
        QFile file(ResourceFiles::locate("wordlist.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex(),
                 "6d557f0693958fb5e650b68b5bee585eb82cf4da32965505c789e924743bc522");
    }
};

QTEST_GUILESS_MAIN(TestWordlist)
#include "tst_wordlist.moc"
