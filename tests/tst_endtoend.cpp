// The built programs driven from outside, on X11 and each Wayland compositor:
// only what needs a real desktop; the window's own routes are checked in process.
#include "support/ProcessMemory.h"
#include "support/RunningManager.h"
#include "support/RunningTessellon.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <fcntl.h>

namespace {

constexpr int clearAfter = 2500; // ms, in place of the minute
// Room for more within the minute; GNOME's keys and pastes wait for its shell.
int longerClear()
{
    return desktop() == Desktop::gnome ? 16'000 : 8000;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

// A file a careless caller leaves open across the command line's exec.
const QByteArray leftOpen = QFile::encodeName(QStringLiteral(TESSELLON_SOURCE_DIR "/README.md"));

// tessellon-cli --defaults --copy, with an option or "closed streams" (no
// standard input or output, a file left open); true when it printed nothing.
bool copyFromCommandLine(int minute, const QString &how = {})
{
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TESSELLON_TEST_CLEAR_AFTER_MS", QString::number(minute));
    cli.setProcessEnvironment(environment);
    if (how == u"closed streams")
        cli.setChildProcessModifier([] {
            ::open(leftOpen.constData(), O_RDONLY);
            ::close(STDIN_FILENO);
            ::close(STDOUT_FILENO);
        });
    cli.start(QCoreApplication::applicationDirPath() + "/tessellon-cli",
              QStringList{"--defaults", "--copy"}
                  + (how.startsWith(u"--") ? QStringList{how} : QStringList{}));
    return cli.waitForFinished(30'000) && cli.exitCode() == 0
           && cli.readAllStandardOutput().isEmpty();
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    // One id names the entry, icon, AppStream component and Wayland window;
    // the X11 window's class is the one the entry promises.
    void namedAsItsEntry()
    {
        const QString id = RunningTessellon::appId;
        const auto read = [&id](const char *suffix) {
            return contents(QStringLiteral(TESSELLON_SOURCE_DIR "/resources/") + id + suffix);
        };
        const QByteArray entry = read(".desktop"), metainfo = read(".metainfo.xml");
        QVERIFY(entry.contains("\nIcon=" + id.toUtf8() + '\n') && read(".svg").contains("<svg"));
        QVERIFY(metainfo.contains("<id>" + id.toUtf8() + "</id>")
                && metainfo.contains('>' + id.toUtf8() + ".desktop</launchable>"));
        RunningTessellon app;
        QVERIFY(app.start());
        if (onWayland()) {
            QCOMPARE(focusedWindow(), id + " xdg_shell");
        } else { // WM_CLASS(STRING) = "name", "Class"
            const QByteArray line =
                runTool("xprop", {"-id", app.windows().value(0), "WM_CLASS"}).value_or("");
            const QByteArray wmClass = line.mid(line.lastIndexOf(", \"") + 3).chopped(2);
            QVERIFY2(entry.contains("\nStartupWMClass=" + wmClass + '\n'), line);
        }
    }

    // A copy's life. It is marked and reaches no file and no process's
    // command line; a minute later it is cleared, the window unfocused, and
    // stays so under every clipboard manager (see RunningManager), unless the
    // clear is off or another program copied since, even the same text:
    // theirs is not ours to clear. A second copy, of this or another
    // Tessellon, restarts the minute. A quit within the minute hands the copy
    // to tessellon-clipboard, which serves it, marked, until the minute is
    // out; without the helper it is cleared at once, and xfce4-clipman, the
    // X11 CLIPBOARD_MANAGER, never gets it. The window starts from its stored
    // preferences and the word list beside it (or none), writing nothing.
    void aCopysLife_data()
    {
        QTest::addColumn<QString>("copier");    // window or cli
        QTest::addColumn<QString>("meanwhile"); // within the minute; how the cli starts
        QTest::addColumn<QString>("manager");   // empty for none
        QTest::addColumn<bool>("afterQuit");    // the copy pastes after the quit, or the take-over
        QTest::addColumn<bool>("afterMinute");  // the copy pastes after the minute
        QTest::addColumn<QByteArray>("stored"); // null for none
        QTest::addColumn<bool>("alone");        // no word list or helper beside the program
        QTest::addColumn<QString>("copied");    // the whole text's pattern; empty for none
        constexpr bool theCopy = true, nothing = false;
        const auto row = [](const QByteArray &name, const char *copier, const QString &meanwhile,
                            const char *manager, bool afterQuit, bool afterMinute,
                            const char *stored = nullptr, bool alone = false,
                            const char *copied = "[!-~]{16}") {
            QTest::newRow(name.constData())
                << QString(copier) << meanwhile << QString(manager) << afterQuit << afterMinute
                << QByteArray(stored) << alone << QString(copied);
        };
        row("their later copy of it stays", "window", "they copy", "", theCopy, theCopy,
            R"({"mode":"words","wordCount":7,"separators":":"})", false, "[a-z-]+(:[a-z-]+){6}");
        row("kept with the clear off, no word list", "window", "", "", theCopy, theCopy,
            R"({"autoClearClipboard":false})", true);
        row("a second copy restarts the minute", "window", "copy again", "", theCopy, nothing);
        row("a second Tessellon's copy, both quit", "window", "another copies", "", theCopy,
            nothing);
        row("no word list for a passphrase", "window", "", "", nothing, nothing,
            R"({"mode":"words"})", true, "");
        row("command line", "cli", "", "", theCopy, nothing);
        row("command line, kept with --no-clear", "cli", "--no-clear", "", theCopy, theCopy);
        row("command line, closed streams, a descriptor left open", "cli", "closed streams", "",
            theCopy, nothing);
        row("command line, their later copy of the same text stays", "cli", "they copy", "",
            theCopy, theCopy);
        row("command line, a second --copy restarts the minute", "cli", "copy again", "", theCopy,
            nothing);
        for (const char *quit : {"ctrl+q", "close", "SIGTERM", "SIGINT", "SIGHUP"})
            row(quit, "window", QString("quit: ") + quit, "", theCopy, nothing);
        row("ctrl+q, no helper", "window", "quit: ctrl+q", "", nothing, nothing, nullptr, true);
        for (const char *manager : {"keeper", "xfce4-clipman", "copyq", "gpaste", "klipper"}) {
            row(manager + QByteArray(", window"), "window", "", manager, theCopy, nothing);
            row(manager + QByteArray(", cli"), "cli", "", manager, theCopy, nothing);
            row(manager + QByteArray(", them"), "window", "they copy", manager, theCopy, theCopy);
        }
        for (const char *quit : {"ctrl+q", "close", "SIGTERM"})
            row(quit + QByteArray(", xfce4-clipman"), "window", QString("quit: ") + quit,
                "xfce4-clipman", theCopy, nothing);
        row("ctrl+q, no helper, xfce4-clipman", "window", "quit: ctrl+q", "xfce4-clipman", nothing,
            nothing, nullptr, true);
    }

    void aCopysLife()
    {
        QFETCH(QString, copier);
        QFETCH(QString, meanwhile);
        QFETCH(QString, manager);
        QFETCH(bool, afterQuit);
        QFETCH(bool, afterMinute);
        QFETCH(QByteArray, stored);
        QFETCH(bool, alone);
        QFETCH(QString, copied);
        if (manager == u"gpaste" ? desktop() != Desktop::gnome
            : manager == u"klipper"
                ? desktop() != Desktop::kwin || QStandardPaths::findExecutable("klipper").isEmpty()
                : onWayland() && !manager.isEmpty())
            QSKIP("GPaste runs on GNOME, Klipper on KWin where Plasma has it, the others on X11");
        if (desktop() == Desktop::gnome && alone && meanwhile.startsWith(u"quit"))
            QSKIP("GNOME's compositor keeps the text of a copy whose program has gone: only "
                  "the helper can clear it there");
        if (onWayland() && meanwhile == u"another copies")
            QSKIP("two windows of one app id are not told apart here on the compositor");
        const bool window = copier == u"window", quits = meanwhile.startsWith(u"quit: ");
        const bool copiesAgain = meanwhile == u"copy again" || meanwhile == u"another copies";
        // Room for a manager's take-over, a quit or a second copy within the minute;
        // for a second window's start, copy and both quits.
        const int minute = meanwhile == u"another copies"                ? 15'000
                           : manager.isEmpty() && !quits && !copiesAgain ? clearAfter
                                                                         : longerClear();
        copyAsAnotherProgram("(before)");
        RunningManager running(manager.isEmpty() ? "keeper" : manager);
        QVERIFY(manager.isEmpty() || running.start());
        RunningTessellon app, another;
        if (!stored.isNull())
            QSettings(app.settingsFile(), QSettings::IniFormat).setValue("settings", stored);
        const QByteArray before = contents(app.settingsFile());
        QVERIFY(window ? app.start(minute, alone) && app.press("ctrl+shift+c")
                       : copyFromCommandLine(minute, meanwhile));
        QByteArray password = awaitCopy();
        QElapsedTimer sinceCopy;
        sinceCopy.start();
        QCOMPARE(password.isEmpty(), copied.isEmpty());
        // No word holds ':' or '_'. The password is never printed: no QCOMPARE on it.
        QVERIFY2(copied.isEmpty()
                     || QRegularExpression(QRegularExpression::anchoredPattern(copied))
                            .match(QString::fromUtf8(password))
                            .hasMatch(),
                 "the copy is not of the expected shape");
        QVERIFY(!window || (app.isRunning() && contents(app.settingsFile()) == before));
        if (copied.isEmpty())
            return;
        QVERIFY2(!manager.isEmpty() || isMarked(), paste("TARGETS")); // a manager serves its own
        const QStringList processes = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
        QVERIFY(processes.size() > 3);
        for (const QString &pid : processes) {
            for (const char *part : {"cmdline", "environ"}) {
                QFile file("/proc/" + pid + '/' + part);
                if (file.open(QIODevice::ReadOnly))
                    QVERIFY2(!file.readAll().contains(password), qPrintable(pid));
            }
        }
        if (meanwhile == u"closed streams" && ::geteuid() == 0) { // the helper is closed to others
            // It stands in /, with nothing of its caller's open.
            const QStringList helpers = ourHelpers();
            QCOMPARE(helpers.size(), 1);
            const QString proc = "/proc/" + helpers.first();
            QStringList open;
            for (const QFileInfo &fd :
                 QDir(proc + "/fd").entryInfoList(QDir::System | QDir::NoDotAndDotDot))
                open << fd.symLinkTarget();
            QCOMPARE(QFileInfo(proc + "/cwd").symLinkTarget(), QStringLiteral("/"));
            QVERIFY2(!open.contains(QFile::decodeName(leftOpen)) && open.size() >= 3,
                     qPrintable(open.join(u' ')));
        }
        if (meanwhile == u"they copy")
            copyAsAnotherProgram(password);
        if (quits) {
            QVERIFY(app.quit(meanwhile.mid(6)));
            QVERIFY2(sinceCopy.elapsed() < minute - 1000, "too slow to quit within the minute");
        } else if (!manager.isEmpty()) {
            QTest::qWait(2000); // taken over, and the first owner gone or not
        }
        if (quits || !manager.isEmpty()) {
            if (afterQuit)
                QVERIFY2(paste() == password && (!quits || isMarked()), paste("TARGETS"));
            else
                QVERIFY(running.holdsNothingOfOurs());
        }
        if (copiesAgain) {
            // A new password within the minute: still there after the first minute.
            if (meanwhile == u"copy again")
                QTest::qWait(minute / 2);
            QVERIFY(meanwhile == u"another copies"
                        ? another.start(minute) && another.press("ctrl+shift+c")
                    : window ? app.press("ctrl+r") && app.press("ctrl+shift+c")
                             : copyFromCommandLine(minute));
            QVERIFY(!(password = awaitCopy(password)).isEmpty());
            // Both quit: the first one's is no copy to hand over, the second one's is.
            QVERIFY(meanwhile == u"copy again" || (app.quit("SIGTERM") && another.quit("ctrl+q")));
            const qint64 second = sinceCopy.restart();
            QVERIFY2(second < minute - 1000, "too slow to copy twice within the minute");
            if (!app.isRunning()) // a helper serves the second copy, none the first
                QTRY_COMPARE(ourHelpers().size(), 1);
            QTest::qWait(int(minute + 300 - second - sinceCopy.elapsed()));
            QVERIFY(paste() == password);
        }
        QVERIFY(!app.isRunning() || app.unfocus());
        QTest::qWait(int(minute + 1000 - sinceCopy.elapsed()));
        if (afterMinute) {
            QTRY_VERIFY(paste() == password);
        } else {
            QTRY_VERIFY(running.holdsNothingOfOurs());
            // (Qt waits five seconds for a manager it told of a hand-over at exit.)
            QTRY_VERIFY_WITH_TIMEOUT(ourHelpers().isEmpty(), 15'000);
            QTest::qWait(1500); // a manager that refills an empty clipboard has done so
            QVERIFY2(running.holdsNothingOfOurs(), "the copy came back");
        }
        QVERIFY(!app.ranWlCopy());
        QDirIterator files(app.home(), QDir::Files | QDir::Hidden | QDir::System,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            QVERIFY2(!contents(files.next()).contains(password), qPrintable(files.filePath()));
        copyAsAnotherProgram("(after)"); // which ends a helper still serving
        QTRY_VERIFY(ourHelpers().isEmpty());
        if (manager == u"copyq" || manager == u"klipper" || manager == u"gpaste") {
            // It watched throughout; GPaste honours no marker, as the README says.
            QTRY_COMPARE(running.history().value(0), QByteArray("(after)"));
            QVERIFY2(meanwhile == u"they copy"
                         || running.history().contains(password) == (manager == u"gpaste"),
                     "the history took the copy in, or GPaste left it out: tell the README");
        }
    }

    // Once a password is gone from view, history and clipboard, no copy is
    // left in memory, live or freed (the sanitizer keeps freed memory as it was).
    void noPasswordLeftInMemory()
    {
        if (onWayland() || ::geteuid() != 0)
            QSKIP("the program's memory is closed to all but root; read on X11");
        RunningTessellon app;
        QVERIFY(app.start(clearAfter) && app.press("ctrl+shift+c"));
        const QString copied = QString::fromUtf8(awaitCopy()); // and pasted once
        QVERIFY(!copied.isEmpty());
        QTest::qWait(clearAfter + 500);
        QTRY_VERIFY(pastesNothing());
        qInfo() << "copies of the password on show:" << copiesInMemory(app.pid(), copied);
        // Replaced, drawn in the history panel, and cleared from there.
        QVERIFY(app.press("ctrl+r") && app.click("historyButton"));
        QTRY_COMPARE(app.windows().size(), 2);
        QVERIFY(app.press("Tab") && app.press("space") && app.press("Escape"));
        QTRY_COMPARE(app.windows().size(), 1);
        QCOMPARE(copiesInMemory(app.pid(), copied), 0);
    }

    // The helper holds the password while it serves it, pasted once, and
    // no copy of it once it has cleared: read as it exits, stopped there by gdb.
    void helperLeavesNoPasswordBehind()
    {
        if (onWayland() || ::geteuid() != 0)
            QSKIP("the helper's memory is closed to all but root; read on X11");
        const QString password = QStringLiteral("helper-Kq7;vX2pZ");
        QTemporaryFile input;
        QVERIFY(input.open() && input.write(password.toUtf8()) > 0 && input.flush());
        QProcess gdb;
        gdb.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS", "detect_leaks=0"); // which cannot work under ptrace
        gdb.setProcessEnvironment(environment);
        gdb.start("gdb",
                  {"-q", "-nx", QCoreApplication::applicationDirPath() + "/tessellon-clipboard"});
        gdb.write(QByteArray("set confirm off\nhandle SIGPIPE nostop noprint\n")
                  + "catch syscall exit_group\nrun --clear-after=" + QByteArray::number(clearAfter)
                  + " < " + QFile::encodeName(input.fileName()) + '\n');
        const auto said = [&](const char *text) {
            QByteArray output;
            for (QDeadlineTimer wait(60'000); !output.contains(text) && !wait.hasExpired();)
                output += gdb.waitForReadyRead(1000) ? gdb.readAll() : QByteArray();
            return output.contains(text) || (qWarning() << output, false);
        };
        QVERIFY(said("copied"));
        QCOMPARE(paste(), password.toUtf8());
        const QStringList helpers = ourHelpers();
        QCOMPARE(helpers.size(), 1);
        QVERIFY(copiesInMemory(helpers.first().toLongLong(), password) > 0);
        QVERIFY(said("exit_group") && pastesNothing());
        QCOMPARE(copiesInMemory(helpers.first().toLongLong(), password), 0);
        gdb.write("kill\nquit\n");
        QVERIFY(gdb.waitForFinished(10'000));
    }

    // A click outside the history panel closes it, and does the same every
    // time, also after the panel was closed once with its own button.
    void clickAfterTheHistoryPanel()
    {
        if (onWayland())
            QSKIP("the compositor, not the program, closes a popup on a click outside it");
        RunningTessellon app;
        QVERIFY(app.start());
        QVERIFY(app.click("regenerateButton")); // a history to show
        const auto shown = [&] { return app.press("ctrl+shift+c") ? paste() : QByteArray(); };
        const auto toggle = [&](int windows) { // the history panel, then that many windows show
            return app.click("historyButton")
                   && QTest::qWaitFor([&] { return app.windows().size() == windows; });
        };
        QByteArray before = shown();
        QList<bool> regenerated;
        for (const bool closedByItsButton : {false, true}) {
            QVERIFY(toggle(2));
            if (closedByItsButton) {
                QVERIFY(toggle(1));
                QTest::qWait(300);
                QCOMPARE(app.windows().size(), 1);
                QVERIFY(toggle(2));
            }
            QVERIFY(app.click("regenerateButton"));
            QTRY_COMPARE(app.windows().size(), 1);
            const QByteArray after = shown();
            regenerated << (after != before);
            before = after;
        }
        qInfo() << "the click that closed the panel regenerated:" << regenerated;
        QCOMPARE(regenerated.last(), regenerated.first());
    }

    // On a compositor without data control (weston, on the X server for its
    // keyboard) --copy fails with status 1 and a reason, the clipboard kept,
    // although DISPLAY is set too as in a session with Xwayland.
    void commandLineCopyWithoutDataControl()
    {
        if (onWayland())
            QSKIP("weston runs on the X server, which gives it a keyboard for wl-paste");
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.remove("QT_QPA_PLATFORM");
        QProcess weston, cli;
        weston.setProcessEnvironment(environment);
        weston.start("weston",
                     {"--backend=x11-backend.so", "--use-pixman", "--shell=kiosk-shell.so",
                      "--socket=weston-tessellon", "--idle-time=0"});
        const QString display = runtime.filePath("weston-tessellon");
        QVERIFY2(QTest::qWaitFor([&] { return QFile::exists(display); }, 20'000),
                 weston.readAllStandardError());
        environment.insert("WAYLAND_DISPLAY", display);
        QVERIFY(runTool("wl-copy", {}, "(before)", environment));
        cli.setProcessEnvironment(environment);
        cli.start(QCoreApplication::applicationDirPath() + "/tessellon-cli",
                  {"--defaults", "--copy"});
        QVERIFY(cli.waitForFinished(30'000) && cli.readAllStandardOutput().isEmpty());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(
            cli.readAllStandardError().contains("a Wayland compositor that offers data control"));
        QVERIFY(ourHelpers().isEmpty());
        QCOMPARE(runTool("wl-paste", {"--no-newline"}, {}, environment), "(before)");
        weston.terminate();
        QVERIFY(weston.waitForFinished());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
