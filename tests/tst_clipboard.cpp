// The clipboard item and the scheduling of its clearing, in process on the
// offscreen platform. That platform reports no ownership, so what another
// program does to the clipboard is tested against Xvfb (tst_clipboard_x11).
#include "services/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <memory>

using namespace std::chrono_literals;

namespace {

// Made-up sample text; the tests never use generated passwords.
const QString sample = QStringLiteral("sample-Tq4;vK9 z");
constexpr auto shortDelay = 100ms;
constexpr int wellPastShortDelay = 4 * shortDelay.count();
constexpr int noDelay = -1;

QClipboard *clipboard()
{
    return QGuiApplication::clipboard();
}

std::optional<std::chrono::milliseconds> delayOf(int milliseconds)
{
    if (milliseconds == noDelay)
        return std::nullopt;
    return std::chrono::milliseconds(milliseconds);
}

} // namespace

class TestClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void itemCarriesTextAndMarkers_data();
    void itemCarriesTextAndMarkers();
    void markersPrecedeText();
    void lastCopyDecidesTheClear_data();
    void lastCopyDecidesTheClear();

private:
    std::unique_ptr<Clipboard> service;
};

void TestClipboard::init()
{
    // A copy without delay cancels what an earlier case left pending.
    service = std::make_unique<Clipboard>();
    clipboard()->clear();
}

void TestClipboard::itemCarriesTextAndMarkers_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("text") << "text/plain" << sample.toUtf8();
    QTest::newRow("concealed") << "org.nspasteboard.ConcealedType" << QByteArray();
#if defined(Q_OS_WIN)
    const QByteArray dwordZero(4, '\0');
    QTest::newRow("monitors")
        << R"(application/x-qt-windows-mime;value="ExcludeClipboardContentFromMonitorProcessing")"
        << dwordZero;
    QTest::newRow("history")
        << R"(application/x-qt-windows-mime;value="CanIncludeInClipboardHistory")" << dwordZero;
    QTest::newRow("cloud") << R"(application/x-qt-windows-mime;value="CanUploadToCloudClipboard")"
                           << dwordZero;
#elif defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QTest::newRow("password hint") << "x-kde-passwordManagerHint" << QByteArray("secret");
#endif
}

void TestClipboard::itemCarriesTextAndMarkers()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, data);

    service->copy(sample, std::nullopt);
    const QMimeData *item = clipboard()->mimeData();
    QVERIFY(item);
    QVERIFY2(item->hasFormat(format), qPrintable(item->formats().join(u' ')));
    QCOMPARE(item->data(format), data);
}

void TestClipboard::markersPrecedeText()
{
    service->copy(sample, std::nullopt);
    const QStringList formats = clipboard()->mimeData()->formats();
    QCOMPARE(formats.indexOf("org.nspasteboard.ConcealedType"), 0);
    QCOMPARE(formats.last(), "text/plain");
}

void TestClipboard::lastCopyDecidesTheClear_data()
{
    // Delays in milliseconds of successive copies.
    QTest::addColumn<QList<int>>("delays");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<bool>("cleared");

    const int soon = int(shortDelay.count());
    QTest::newRow("no delay schedules nothing") << QList<int>{noDelay} << false << false;
    QTest::newRow("a delay clears") << QList<int>{soon} << true << true;
    QTest::newRow("no delay cancels a delay") << QList<int>{soon, noDelay} << false << false;
    QTest::newRow("a delay replaces a delay") << QList<int>{soon, 60'000} << true << false;
    QTest::newRow("a delay after none clears") << QList<int>{noDelay, soon} << true << true;
}

void TestClipboard::lastCopyDecidesTheClear()
{
    QFETCH(QList<int>, delays);
    QFETCH(bool, pending);
    QFETCH(bool, cleared);

    // The same text every time, so that only the schedule tells copies apart.
    for (int delay : delays)
        service->copy(sample, delayOf(delay));
    QCOMPARE(service->isClearPending(), pending);
    if (cleared) {
        QTRY_VERIFY(clipboard()->text().isEmpty());
        QVERIFY(!service->isClearPending());
    } else {
        QTest::qWait(wellPastShortDelay);
        QCOMPARE(clipboard()->text(), sample);
    }
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
