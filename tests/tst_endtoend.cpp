// The built programs as a user drives them from outside, on a real X server
// and on a real Wayland compositor alike: only what needs them, as the
// model and window suites check the rest in process.
#include "core/Wordlist.h"
#include "support/ModelFixture.h"
#include "support/RunningTessellon.h"
#include "ui/MainWindow.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QSettings>

#include <algorithm>

namespace {

constexpr int clearAfter = 2500;  // ms, in place of the minute
constexpr int longerClear = 8000; // room for a second copy within it

// What a copy looks like: "16 characters", "7 words joined by :", or
// "nothing" when none came. No listed word holds ':' or '_'.
QString shape(const QString &copied)
{
    if (copied == QStringLiteral("(before)"))
        return QStringLiteral("nothing");
    static const QStringList list =
        Wordlist::fromFile(QCoreApplication::applicationDirPath() + "/wordlist.txt");
    for (QChar joiner : {u':', u'_'}) {
        const QStringList words = copied.split(joiner);
        if (words.size() > 1
            && std::ranges::all_of(words, [](const QString &word) { return list.contains(word); }))
            return QStringLiteral("%1 words joined by %2").arg(words.size()).arg(joiner);
    }
    return QStringLiteral("%1 characters").arg(copied.size());
}

// The file's bytes, "(absent)" when there is none.
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

// Both markers, ahead of the text: histories that go through the types in
// order must meet them first.
bool isMarked()
{
    const QByteArray types = paste("TARGETS");
    const QByteArray beforeText = types.left(types.indexOf("text/plain"));
    return types.contains("text/plain") && beforeText.contains("org.nspasteboard.ConcealedType")
           && beforeText.contains("x-kde-passwordManagerHint")
           && paste("x-kde-passwordManagerHint") == "secret";
}

// A left click on a control of the program's window. Where the control is
// comes from a twin of the window, laid out unseen at the same size with
// the same fonts and style.
bool click(const RunningTessellon &app, const char *control)
{
    ModelFixture fixture;
    MainWindow twin(*fixture.model);
    twin.setAttribute(Qt::WA_DontShowOnScreen);
    if (onWayland()) // where it fills the output
        twin.resize(swayFocus().rect.size());
    twin.show();
    const auto *target = twin.findChild<QWidget *>(QString::fromLatin1(control));
    return app.click(target->mapTo(&twin, target->rect().center()));
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    // One application id names the program everywhere: the desktop entry's
    // file, its icon, the AppStream component and its launchable, and the
    // native Wayland window; the X11 window's class is the one the entry
    // promises.
    void namedAsItsEntry()
    {
        const QString id = RunningTessellon::appId;
        const auto read = [](const QString &name) {
            return contents(QStringLiteral(TESSELLON_SOURCE_DIR "/resources/") + name);
        };
        const QByteArray entry = read(id + ".desktop"), metainfo = read(id + ".metainfo.xml");
        QVERIFY(entry.contains("\nIcon=" + id.toUtf8() + '\n')
                && read(id + ".svg").contains("<svg"));
        QVERIFY(metainfo.contains("<id>" + id.toUtf8() + "</id>"));
        QVERIFY(metainfo.contains('>' + id.toUtf8() + ".desktop</launchable>"));
        RunningTessellon app;
        QVERIFY(app.start());
        if (onWayland())
            QCOMPARE(swayFocus().shell, QStringLiteral("xdg_shell"));
        else
            QVERIFY2(entry.contains("\nStartupWMClass=" + app.windowClass() + '\n'),
                     app.windowClass());
    }

    // The program starts from what is on disk: its stored preferences (none
    // or some) and the word list beside it (or none), and writes nothing on
    // starting and copying; a mode picked is saved. A copy made with the Copy
    // button, from the keyboard or from a row of the history panel is marked,
    // and never reaches a file the program writes. A minute later
    // it is cleared although the window has lost the focus by then, unless
    // another program has copied since, or the clear is off; a second copy
    // within the minute starts it again.
    void copyIsMarkedAndClearedUnlessReplaced_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("theyCopy");
        QTest::addColumn<bool>("copyAgain");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QByteArray>("stored"); // null for none
        QTest::addColumn<bool>("wordList");
        const auto row = [](const char *name, const char *how, bool theyCopy, bool copyAgain,
                            bool cleared, const char *copied = "16 characters",
                            const char *stored = nullptr, bool wordList = true) {
            QTest::newRow(name) << QString(how) << theyCopy << copyAgain << cleared
                                << QString(copied) << QByteArray(stored) << wordList;
        };
        row("cleared while unfocused", "button", false, false, true);
        row("their later copy of it stays", "keys", true, false, false,
            "7 words joined by :", R"({"mode":"words","wordCount":7,"separators":":"})");
        row("kept with the clear off, no word list", "button", false, false, false, "16 characters",
            R"({"autoClearClipboard":false})", false);
        row("a second copy restarts the minute", "keys", false, true, true);
        // The row of the password a click on Regenerate replaced.
        row("from the history", "history", false, false, true);
        // The picker's list shut again, its last entry from the keyboard.
        row("after words picked", "picker", false, false, true, "5 words joined by _");
        row("no word list for a passphrase", "keys", false, false, false, "nothing",
            R"({"mode":"words"})", false);
    }

    void copyIsMarkedAndClearedUnlessReplaced()
    {
        QFETCH(QString, how);
        QFETCH(bool, theyCopy);
        QFETCH(bool, copyAgain);
        QFETCH(bool, cleared);
        QFETCH(QString, copied);
        QFETCH(QByteArray, stored);
        QFETCH(bool, wordList);
        copyAsAnotherProgram("(before)");
        const int minute = copyAgain ? longerClear : clearAfter;
        RunningTessellon app;
        if (!stored.isNull())
            QSettings(app.settingsFile(), QSettings::IniFormat).setValue("settings", stored);
        const QByteArray before = contents(app.settingsFile());
        QTemporaryDir bare; // for the program alone, without the word list beside it
        const QString program =
            wordList ? RunningTessellon::builtProgram() : bare.filePath("tessellon");
        QVERIFY(wordList || QFile::copy(RunningTessellon::builtProgram(), program));
        QVERIFY(app.start(minute, program));
        if (how == u"history")
            QVERIFY(click(app, "regenerateButton") && click(app, "historyButton"));
        if (how == u"picker")
            QVERIFY(click(app, "modePicker") && app.press("Escape") && app.press("End"));
        QVERIFY(how == u"button" ? click(app, "copyButton")
                                 : app.press(how == u"history" ? "Return" : "ctrl+shift+c"));
        QByteArray password; // a slow machine gets a few seconds
        QVERIFY(QTest::qWaitFor([&] { return (password = paste()) != "(before)"; })
                == (copied != u"nothing"));
        QElapsedTimer sinceCopy;
        sinceCopy.start();
        QCOMPARE(shape(QString::fromUtf8(password)), copied);
        QVERIFY(app.isRunning());
        if (how == u"picker")
            QVERIFY(contents(app.settingsFile()).contains("words"));
        else
            QCOMPARE(contents(app.settingsFile()), before);
        if (copied == u"nothing")
            return;
        QVERIFY2(isMarked(), paste("TARGETS"));
        if (copyAgain) {
            // A new password, copied before the first minute is out: it is
            // still there once the first copy's minute has passed.
            QVERIFY(app.press("ctrl+r"));
            QVERIFY(app.press("ctrl+shift+c"));
            QTRY_VERIFY(paste() != password);
            password = paste();
            const qint64 second = sinceCopy.elapsed();
            QVERIFY2(second < minute - 1000, "too slow to copy twice within the minute");
            QTest::qWait(minute + 300 - int(second));
            QCOMPARE(paste(), password);
        }

        QVERIFY(app.unfocus());
        if (theyCopy) // even the same text: theirs is not ours to clear
            copyAsAnotherProgram(password);
        QTest::qWait(minute + 500);
        QTRY_COMPARE(paste(), cleared ? QByteArray("(nothing)") : password);
        QVERIFY(!app.ranWlCopy());
        QDirIterator files(app.home(), QDir::Files | QDir::Hidden | QDir::System,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            QVERIFY2(!contents(files.next()).contains(password), qPrintable(files.filePath()));
    }

    void commandLineCopy_data()
    {
        // What others read once the (shortened) minute is out.
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("theyCopy");
        QTest::addColumn<QByteArray>("read"); // empty for the password
        QTest::newRow("cleared") << QStringList() << false << QByteArray("(nothing)");
        QTest::newRow("kept with --no-clear") << QStringList{"--no-clear"} << false << QByteArray();
        QTest::newRow("their later copy stays") << QStringList() << true << QByteArray("theirs");
    }

    void commandLineCopy()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, theyCopy);
        QFETCH(QByteArray, read);
        copyAsAnotherProgram("(before)");
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TESSELLON_TEST_CLEAR_AFTER_MS", "800");
        cli.setProcessEnvironment(environment);
        cli.start(QCoreApplication::applicationDirPath() + "/tessellon-cli",
                  QStringList{"--defaults", "--copy"} + options);
        QVERIFY(cli.waitForFinished(30'000));
        if (onWayland()) {
            // It cannot set the selection without a window there, and says
            // so instead of reporting a copy that did not happen.
            QCOMPARE(cli.exitCode(), 1);
            QVERIFY(cli.readAllStandardError().contains("--copy does not work on Wayland yet"));
            QCOMPARE(paste(), "(before)");
            return;
        }
        // It returns at once, printing nothing; the helper serves the copy.
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(cli.readAllStandardOutput(), QByteArray());
        const QByteArray password = paste();
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
        if (theyCopy)
            copyAsAnotherProgram("theirs");
        QTest::qWait(1200);
        QTRY_COMPARE(paste(), read.isEmpty() ? password : read);
        copyAsAnotherProgram("(after)"); // which ends a helper still serving
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
