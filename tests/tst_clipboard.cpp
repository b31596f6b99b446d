// The clipboard service where the platform does not report ownership (Qt's
// offscreen platform, as on macOS), with its clock under the test's hand.
#include "services/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace std::chrono_literals;

class TestClipboard : public QObject
{
    Q_OBJECT

private slots:
    // Delays on the continuous clock; the clock jumps ahead as if the
    // machine slept, while no timer runs; another program copies the same
    // text, which only the marker tells apart from ours.
    void clearsOnlyOurItemWhenItsTimeHasCome_data()
    {
        QTest::addColumn<int>("delay"); // ms
        QTest::addColumn<int>("slept"); // ms, right after the copy
        QTest::addColumn<bool>("theirCopy");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("a short delay clears") << 200 << 0 << false << true;
        QTest::newRow("a minute not yet over") << 60'000 << 0 << false << false;
        QTest::newRow("a minute passed in sleep") << 60'000 << 61'000 << false << true;
        QTest::newRow("almost a minute in sleep") << 60'000 << 58'000 << false << false;
        QTest::newRow("their copy of the same text") << 200 << 0 << true << false;
    }

    void clearsOnlyOurItemWhenItsTimeHasCome()
    {
        QFETCH(int, delay);
        QFETCH(int, slept);
        QFETCH(bool, theirCopy);
        QFETCH(bool, cleared);
        const QString sample = QStringLiteral("sample-Tq4;vK9 z");
        std::chrono::nanoseconds skipped{};
        const auto clock = [&] { return PendingClear::continuousTime() + skipped; };
        QClipboard *system = QGuiApplication::clipboard();
        Clipboard service(clock);
        service.copy(sample, std::chrono::milliseconds(delay));
        skipped = std::chrono::milliseconds(slept);
        if (theirCopy)
            system->setText(sample);
        // Every case has had its chance to clear by then.
        QTest::qWait(1500);
        QCOMPARE(system->text().isEmpty(), cleared);
        QCOMPARE(service.isClearPending(), delay > 1500 && !cleared);
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
