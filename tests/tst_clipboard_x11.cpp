// The clipboard service as other programs see it: a real X server (the Xvfb
// that CTest starts) with xclip as the other program.
#include "services/Clipboard.h"
#include "support/RunningTessellon.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <memory>

namespace {

// Made-up sample texts; the tests never use generated passwords.
const QString sample = QStringLiteral("sample-Tq4;vK9 z");
const QString other = QStringLiteral("other sample");
const QByteArray nothing = "(nothing)";
constexpr int delay = 200;
constexpr int noDelay = -1;

// xclip serves the text until someone else takes the clipboard.
void serve(QProcess &xclip, const QString &text)
{
    xclip.start("xclip", {"-selection", "clipboard", "-i", "-quiet"});
    xclip.write(text.toUtf8());
    xclip.closeWriteChannel();
}

} // namespace

class TestClipboardX11 : public QObject
{
    Q_OBJECT

    std::unique_ptr<Clipboard> service;

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), "xcb"); }

    void init()
    {
        // A fresh service, so that nothing an earlier case scheduled fires.
        service = std::make_unique<Clipboard>();
        QGuiApplication::clipboard()->clear();
    }

    void clearFollowsTheLastCopyAndSparesOthers_data()
    {
        // Our copies' delays; what xclip or this process then copies (null for
        // nothing); whether a clear is pending, and what others read in the end.
        QTest::addColumn<QList<int>>("delays");
        QTest::addColumn<QString>("xclipCopy");
        QTest::addColumn<QString>("ownCopy");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QByteArray>("read");
        const QString none;
        const QByteArray ours = sample.toUtf8();
        QTest::newRow("a delay clears") << QList{delay} << none << none << true << nothing;
        QTest::newRow("none cancels") << QList{delay, noDelay} << none << none << false << ours;
        QTest::newRow("a delay replaces one")
            << QList{delay, 60'000} << none << none << true << ours;
        QTest::newRow("their text") << QList{delay} << other << none << false << other.toUtf8();
        QTest::newRow("their copy of ours") << QList{delay} << sample << none << false << ours;
        QTest::newRow("our other text") << QList{delay} << none << other << false << other.toUtf8();
    }

    void clearFollowsTheLastCopyAndSparesOthers()
    {
        QFETCH(QList<int>, delays);
        QFETCH(QString, xclipCopy);
        QFETCH(QString, ownCopy);
        QFETCH(bool, pending);
        QFETCH(QByteArray, read);
        // Marked: histories that go through the targets in order must meet
        // the markers before the text; a target missing there reads as empty.
        service->copy(other, std::nullopt);
        QCOMPARE(readClipboard("org.nspasteboard.ConcealedType"), QByteArray());
        QCOMPARE(readClipboard("x-kde-passwordManagerHint"), "secret");
        const QByteArray targets = readClipboard("TARGETS");
        const QByteArray beforeText = targets.left(targets.indexOf("text/plain"));
        for (const char *marker : {"org.nspasteboard.ConcealedType", "x-kde-passwordManagerHint"})
            QVERIFY2(beforeText.contains(marker), targets);

        for (int each : delays)
            service->copy(sample, each == noDelay ? std::nullopt
                                                  : std::optional(std::chrono::milliseconds(each)));
        QProcess xclip;
        if (!xclipCopy.isNull()) {
            serve(xclip, xclipCopy);
            QTRY_VERIFY(!QGuiApplication::clipboard()->ownsClipboard());
        }
        if (!ownCopy.isNull())
            QGuiApplication::clipboard()->setText(ownCopy);
        QCOMPARE(service->isClearPending(), pending);
        QTest::qWait(3 * delay);
        QTRY_COMPARE(readClipboard(), read);
        xclip.kill();
        xclip.waitForFinished();
    }

    void commandLineCopy_data()
    {
        // What others read once the (shortened) minute is out.
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("theyCopy");
        QTest::addColumn<QByteArray>("read"); // empty for the password
        QTest::newRow("cleared") << QStringList() << false << nothing;
        QTest::newRow("kept with --no-clear") << QStringList{"--no-clear"} << false << QByteArray();
        QTest::newRow("their later copy stays") << QStringList() << true << other.toUtf8();
    }

    void commandLineCopy()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, theyCopy);
        QFETCH(QByteArray, read);
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TESSELLON_TEST_CLEAR_AFTER_MS", QString::number(4 * delay));
        cli.setProcessEnvironment(environment);
        cli.start(QCoreApplication::applicationDirPath() + "/tessellon-cli",
                  QStringList{"--defaults", "--copy"} + options);
        // It returns at once, printing nothing; the helper serves the copy.
        QVERIFY(cli.waitForFinished(30'000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(cli.readAllStandardOutput(), QByteArray());
        const QByteArray password = readClipboard();
        QCOMPARE(password.size(), 16);
        // No process shows it in its command line or environment.
        const QStringList processes = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
        QVERIFY(processes.size() > 3);
        for (const QString &pid : processes) {
            for (const char *part : {"cmdline", "environ"}) {
                QFile file("/proc/" + pid + '/' + part);
                if (file.open(QIODevice::ReadOnly))
                    QVERIFY2(!file.readAll().contains(password), qPrintable(pid));
            }
        }
        QProcess xclip;
        if (theyCopy)
            serve(xclip, other);
        QTest::qWait(6 * delay);
        QTRY_COMPARE(readClipboard(), read.isEmpty() ? password : read);
        // Take the clipboard, which ends a helper still serving it.
        QGuiApplication::clipboard()->setText(other);
        xclip.kill();
        xclip.waitForFinished();
    }
};

QTEST_MAIN(TestClipboardX11)
#include "tst_clipboard_x11.moc"
