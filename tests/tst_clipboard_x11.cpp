// The clipboard as other programs see it: a real X server (the Xvfb that
// CTest starts) with xclip as the other program.
#include "services/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <memory>

using namespace std::chrono_literals;

namespace {

// A made-up sample text; the tests never use generated passwords.
const QString sample = QStringLiteral("sample-Tq4;vK9 z");
constexpr auto delay = 200ms;
constexpr int wellPastDelay = 3 * delay.count();
constexpr int noDelay = -1;

QStringList xclip(const QStringList &arguments)
{
    return QStringList{"-selection", "clipboard"} + arguments;
}

// What another program reads from the clipboard as the given target, or
// nothing when no program offers it.
std::optional<QByteArray> readAs(const QString &target)
{
    QProcess reader;
    QSignalSpy finished(&reader, &QProcess::finished);
    reader.start("xclip", xclip({"-o", "-t", target}));
    // While this process owns the clipboard, xclip waits for it to answer,
    // so the event loop has to run meanwhile.
    if (!finished.wait(10'000) || reader.exitCode() != 0)
        return std::nullopt;
    return reader.readAllStandardOutput();
}

QByteArray readText()
{
    return readAs("UTF8_STRING").value_or("(nothing)");
}

bool isEmpty()
{
    return !readAs("TARGETS");
}

// Another program that puts a text on the clipboard and serves it until
// someone else takes the clipboard or the copy goes out of scope.
class OtherProgramCopy
{
public:
    explicit OtherProgramCopy(const QString &text)
    {
        writer.setStandardOutputFile(QProcess::nullDevice());
        writer.start("xclip", xclip({"-i", "-quiet"}));
        writer.write(text.toUtf8());
        writer.closeWriteChannel();
    }
    ~OtherProgramCopy()
    {
        writer.kill();
        writer.waitForFinished();
    }

private:
    QProcess writer;
};

} // namespace

class TestClipboardX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void otherProgramsSeeTheItem_data();
    void otherProgramsSeeTheItem();
    void clearsOnlyItsOwnCopy_data();
    void clearsOnlyItsOwnCopy();
    void laterCopyDecides_data();
    void laterCopyDecides();

private:
    std::unique_ptr<Clipboard> service;
};

void TestClipboardX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), "xcb");
    QVERIFY2(!QStandardPaths::findExecutable("xclip").isEmpty(), "xclip is not installed");
}

void TestClipboardX11::init()
{
    // A copy without delay cancels what an earlier case left pending.
    service = std::make_unique<Clipboard>();
    QGuiApplication::clipboard()->clear();
}

void TestClipboardX11::otherProgramsSeeTheItem_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("text") << "UTF8_STRING" << sample.toUtf8();
    QTest::newRow("plain text") << "text/plain" << sample.toUtf8();
    QTest::newRow("password hint") << "x-kde-passwordManagerHint" << QByteArray("secret");
    QTest::newRow("concealed") << "org.nspasteboard.ConcealedType" << QByteArray();
}

void TestClipboardX11::otherProgramsSeeTheItem()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, data);

    service->copy(sample, std::nullopt);
    QVERIFY(readAs("TARGETS").value_or("").split('\n').contains(target.toUtf8()));
    QCOMPARE(readAs(target).value_or("(nothing)"), data);
}

void TestClipboardX11::clearsOnlyItsOwnCopy_data()
{
    // What another program copies before the delay ends; null for nothing.
    QTest::addColumn<QString>("otherText");

    QTest::newRow("untouched") << QString();
    QTest::newRow("other text") << QStringLiteral("other sample");
    QTest::newRow("same text") << sample;
}

void TestClipboardX11::clearsOnlyItsOwnCopy()
{
    QFETCH(QString, otherText);

    service->copy(sample, delay);
    if (otherText.isNull()) {
        QTRY_VERIFY(isEmpty());
        return;
    }
    OtherProgramCopy other(otherText);
    QTRY_VERIFY(!QGuiApplication::clipboard()->ownsClipboard());
    QTest::qWait(wellPastDelay);
    QCOMPARE(readText(), otherText.toUtf8());
}

void TestClipboardX11::laterCopyDecides_data()
{
    QTest::addColumn<int>("secondDelay");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("delay restarts") << 5 * int(delay.count()) << true;
    QTest::newRow("no delay cancels") << noDelay << false;
}

void TestClipboardX11::laterCopyDecides()
{
    QFETCH(int, secondDelay);
    QFETCH(bool, cleared);

    // The same text twice, so that only the schedule tells the copies apart.
    service->copy(sample, delay);
    if (secondDelay == noDelay)
        service->copy(sample, std::nullopt);
    else
        service->copy(sample, std::chrono::milliseconds(secondDelay));
    QTest::qWait(wellPastDelay);
    QCOMPARE(readText(), sample.toUtf8());
    QCOMPARE(service->isClearPending(), cleared);
    if (cleared)
        QTRY_VERIFY(isEmpty());
}

QTEST_MAIN(TestClipboardX11)
#include "tst_clipboard_x11.moc"
