// The clipboard where the platform reports no owner (offscreen, as macOS), its clock in hand.
#include "services/clipboard/Clipboard.h"
#include "support/ProcessMemory.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

class TestClipboard : public QObject
{
    Q_OBJECT

private slots:
    // On the continuous clock, which counts sleep; an item let go of is zeroed, the caller's not.
    void clearsOnlyOurItemWhenItsTimeHasCome_data()
    {
        QTest::addColumn<int>("delay"); // negative: then copied again without one
        QTest::addColumn<int>("slept"); // right after the copy
        QTest::addColumn<bool>("theirCopy");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("wiped");
        QTest::newRow("a short delay clears") << 200 << 0 << false << true << true;
        QTest::newRow("a minute passed in sleep") << 60'000 << 61'000 << false << true << true;
        QTest::newRow("almost a minute in sleep") << 60'000 << 58'000 << false << false << false;
        QTest::newRow("their copy of the same text") << 200 << 0 << true << false << true;
        QTest::newRow("a copy without a delay cancels") << -200 << 0 << false << false << true;
    }

    void clearsOnlyOurItemWhenItsTimeHasCome()
    {
        QFETCH(int, delay);
        QFETCH(int, slept);
        QFETCH(bool, theirCopy);
        QFETCH(bool, cleared);
        QFETCH(bool, wiped);
        const QString sample = QString::fromLatin1("sample-Tq4;vK9 z");
        std::chrono::nanoseconds skipped{};
        const auto clock = [&] { return PendingClear::continuousTime() + skipped; };
        QClipboard *system = QGuiApplication::clipboard();
        Clipboard service(clock);
        service.copy(sample, std::chrono::milliseconds(std::abs(delay)));
        // The item's own buffers: its text, and its bytes as a paste takes them.
        const QString held = system->mimeData()->text();
        const QByteArray heldBytes = system->mimeData()->data(QStringLiteral("text/plain"));
        QVERIFY(lockedInMemory(held.constData()) && lockedInMemory(heldBytes.constData()));
        if (delay < 0)
            service.copy(sample, std::nullopt);
        skipped = std::chrono::milliseconds(slept);
        if (theirCopy)
            system->setText(sample);
        // Every case has had its chance to clear by then.
        QTest::qWait(1500);
        QCOMPARE(system->text().isEmpty(), cleared);
        QCOMPARE(held == QString(sample.size(), QChar(0)), wiped);
        QCOMPARE(heldBytes == QByteArray(sample.size(), '\0'), wiped);
        QCOMPARE(sample, QString::fromLatin1("sample-Tq4;vK9 z"));
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
