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

#include <memory>

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
    QStringList arguments{"--defaults", "--copy"};
    if (how.startsWith(u"--"))
        arguments << how;
    cli.start(QCoreApplication::applicationDirPath() + "/tessellon-cli", arguments);
    return cli.waitForFinished(30'000) && cli.exitCode() == 0
           && cli.readAllStandardOutput().isEmpty();
}

// The helper serving a copy stands in /, with nothing of its caller's open.
bool helperKeepsNothingOfTheCallers()
{
    for (const QString &pid : ourHelpers()) {
        const QDir fds("/proc/" + pid + "/fd");
        QStringList open;
        for (const QFileInfo &fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
            open << fd.symLinkTarget();
        qInfo() << "the helper's folder and descriptors:"
                << QFileInfo("/proc/" + pid + "/cwd").symLinkTarget() << open;
        return QFileInfo("/proc/" + pid + "/cwd").symLinkTarget() == u"/"
               && !open.contains(QFile::decodeName(leftOpen)) && open.size() >= 3;
    }
    qWarning() << "no helper found";
    return false;
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
            QCOMPARE(focusedWindow().shell, QStringLiteral("xdg_shell"));
        else
            QVERIFY2(entry.contains("\nStartupWMClass=" + app.windowClass() + '\n'),
                     app.windowClass());
    }

    // A copy, from the window or the command line, is marked and reaches no
    // file and no process's command line; a minute later it is cleared, the
    // window unfocused, unless another program copied since or the clear is
    // off; a second copy restarts the minute. The window starts from its
    // stored preferences and the word list beside it (or none), writing nothing.
    void aCopysLife_data()
    {
        QTest::addColumn<QString>("copier");    // window or cli
        QTest::addColumn<QString>("meanwhile"); // they copy, copy again; how the cli starts
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("copied");    // the whole text's pattern; empty for none
        QTest::addColumn<QByteArray>("stored"); // null for none
        QTest::addColumn<bool>("wordList");
        const auto row = [](const char *name, const char *copier, const char *meanwhile,
                            bool cleared, const char *copied = "[!-~]{16}",
                            const char *stored = nullptr, bool wordList = true) {
            QTest::newRow(name) << QString(copier) << QString(meanwhile) << cleared
                                << QString(copied) << QByteArray(stored) << wordList;
        };
        row("their later copy of it stays", "window", "they copy", false, "[a-z-]+(:[a-z-]+){6}",
            R"({"mode":"words","wordCount":7,"separators":":"})");
        row("kept with the clear off, no word list", "window", "", false, "[!-~]{16}",
            R"({"autoClearClipboard":false})", false);
        row("a second copy restarts the minute", "window", "copy again", true);
        row("no word list for a passphrase", "window", "", false, "", R"({"mode":"words"})", false);
        row("command line", "cli", "", true);
        row("command line, kept with --no-clear", "cli", "--no-clear", false);
        row("command line, closed streams, a descriptor left open", "cli", "closed streams", true);
        row("command line, their later copy of the same text stays", "cli", "they copy", false);
        row("command line, a second --copy restarts the minute", "cli", "copy again", true);
    }

    void aCopysLife()
    {
        QFETCH(QString, copier);
        QFETCH(QString, meanwhile);
        QFETCH(bool, cleared);
        QFETCH(QString, copied);
        QFETCH(QByteArray, stored);
        QFETCH(bool, wordList);
        const bool window = copier == u"window";
        const int minute = meanwhile == u"copy again" ? longerClear() : clearAfter;
        copyAsAnotherProgram("(before)");
        RunningTessellon app;
        if (!stored.isNull())
            QSettings(app.settingsFile(), QSettings::IniFormat).setValue("settings", stored);
        const QByteArray before = contents(app.settingsFile());
        QTemporaryDir bare; // for the program alone, without the word list beside it
        const QString program =
            wordList ? RunningTessellon::builtProgram() : bare.filePath("tessellon");
        QVERIFY(wordList || QFile::copy(RunningTessellon::builtProgram(), program));
        QVERIFY(window ? app.start(minute, program) && app.press("ctrl+shift+c")
                       : copyFromCommandLine(minute, meanwhile));
        QByteArray password = awaitCopy();
        QElapsedTimer sinceCopy;
        sinceCopy.start();
        QCOMPARE(password.isEmpty(), copied.isEmpty());
        // No word holds ':' or '_'; the password itself is never printed.
        QVERIFY2(copied.isEmpty()
                     || QRegularExpression(QRegularExpression::anchoredPattern(copied))
                            .match(QString::fromUtf8(password))
                            .hasMatch(),
                 "the copy is not of the expected shape");
        QVERIFY(!window || (app.isRunning() && contents(app.settingsFile()) == before));
        if (copied.isEmpty())
            return;
        QVERIFY2(isMarked(), paste("TARGETS"));
        const QStringList processes = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
        QVERIFY(processes.size() > 3);
        for (const QString &pid : processes) {
            for (const char *part : {"cmdline", "environ"}) {
                QFile file("/proc/" + pid + '/' + part);
                if (file.open(QIODevice::ReadOnly))
                    QVERIFY2(!file.readAll().contains(password), qPrintable(pid));
            }
        }
        if (meanwhile == u"closed streams" && ::geteuid() == 0) // the helper is closed to others
            QVERIFY(helperKeepsNothingOfTheCallers());
        if (meanwhile == u"copy again") {
            // A new password half way through: still there after the first minute.
            QTest::qWait(minute / 2);
            QVERIFY(window ? app.press("ctrl+r") && app.press("ctrl+shift+c")
                           : copyFromCommandLine(minute));
            QVERIFY(!(password = awaitCopy(password)).isEmpty());
            const qint64 second = sinceCopy.restart();
            QVERIFY2(second < minute - 1000, "too slow to copy twice within the minute");
            if (!window) // the first one's copy is gone, and so is its helper
                QTRY_COMPARE(ourHelpers().size(), 1);
            QTest::qWait(int(minute + 300 - second - sinceCopy.elapsed()));
            QCOMPARE(paste(), password);
        }
        QVERIFY(!window || app.unfocus());
        if (meanwhile == u"they copy") // even the same text: theirs is not ours to clear
            copyAsAnotherProgram(password);
        QTest::qWait(int(minute + 500 - sinceCopy.elapsed()));
        if (cleared) {
            QTRY_VERIFY(pastesNothing());
            QTRY_VERIFY(ourHelpers().isEmpty());
        } else {
            QTRY_COMPARE(paste(), password);
        }
        QVERIFY(!app.ranWlCopy());
        QDirIterator files(app.home(), QDir::Files | QDir::Hidden | QDir::System,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            QVERIFY2(!contents(files.next()).contains(password), qPrintable(files.filePath()));
        copyAsAnotherProgram("(after)"); // which ends a helper still serving
        QTRY_VERIFY(ourHelpers().isEmpty());
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
        QTRY_COMPARE(app.shownWindows(), 2);
        QVERIFY(app.press("Tab") && app.press("space") && app.press("Escape"));
        QTRY_COMPARE(app.shownWindows(), 1);
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
        gdb.start("gdb", {"-q", "-nx", QCoreApplication::applicationDirPath() + "/tessellon-clipboard"});
        gdb.write("set confirm off\nhandle SIGPIPE nostop noprint\ncatch syscall exit_group\nrun --clear-after="
                  + QByteArray::number(clearAfter) + " < " + QFile::encodeName(input.fileName()) + "\n");
        const auto said = [&](const char *text) {
            QByteArray output;
            for (QDeadlineTimer wait(60'000); !output.contains(text) && !wait.hasExpired();)
                output += gdb.waitForReadyRead(1000) ? gdb.readAll() : QByteArray();
            return output.contains(text) || (qWarning() << output, false);
        };
        QVERIFY(said("copied"));
        QCOMPARE(paste(), password.toUtf8());
        QCOMPARE(ourHelpers().size(), 1);
        const qint64 helper = ourHelpers().first().toLongLong();
        QVERIFY(copiesInMemory(helper, password) > 0);
        QVERIFY(said("exit_group"));
        QVERIFY(pastesNothing());
        QCOMPARE(copiesInMemory(helper, password), 0);
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
        QByteArray before = shown();
        QList<bool> regenerated;
        for (const bool closedByItsButton : {false, true}) {
            QVERIFY(app.click("historyButton"));
            QTRY_COMPARE(app.shownWindows(), 2);
            if (closedByItsButton) {
                QVERIFY(app.click("historyButton"));
                QTRY_COMPARE(app.shownWindows(), 1);
                QTest::qWait(300);
                QCOMPARE(app.shownWindows(), 1);
                QVERIFY(app.click("historyButton"));
                QTRY_COMPARE(app.shownWindows(), 2);
            }
            QVERIFY(app.click("regenerateButton"));
            QTRY_COMPARE(app.shownWindows(), 1);
            const QByteArray after = shown();
            regenerated << (after != before);
            before = after;
        }
        qInfo() << "the click that closed the panel regenerated:" << regenerated;
        QCOMPARE(regenerated.last(), regenerated.first());
    }

    // Under each clipboard manager (see RunningManager) the clear at the
    // minute comes and stays, for the window's copy and the command line's;
    // another program's copy of the same text is kept. A quit within the
    // minute hands the copy to tessellon-clipboard, which serves it, marked,
    // until the minute is out; without the helper it is cleared at once, and
    // xfce4-clipman, the X11 CLIPBOARD_MANAGER, never gets it.
    void underManagersAndAtQuit_data()
    {
        QTest::addColumn<QString>("manager"); // empty for none
        QTest::addColumn<QString>("copier");  // window, cli, or them: the window's text again
        QTest::addColumn<QString>("quit");    // how the window quits within the minute, if it does
        QTest::addColumn<bool>("helper");     // beside the program
        for (const char *manager : {"keeper", "xfce4-clipman", "copyq", "gpaste", "klipper"}) {
            for (const char *copier : {"window", "cli", "them"})
                QTest::addRow("%s, %s", manager, copier) << manager << copier << "" << true;
        }
        for (const char *quit : {"ctrl+q", "close", "SIGTERM", "SIGINT", "SIGHUP"})
            QTest::newRow(quit) << ""
                                << "window" << quit << true;
        for (const char *quit : {"ctrl+q", "close", "SIGTERM"})
            QTest::addRow("%s, xfce4-clipman", quit) << "xfce4-clipman"
                                                     << "window" << quit << true;
        QTest::newRow("ctrl+q, no helper") << ""
                                           << "window"
                                           << "ctrl+q" << false;
        QTest::newRow("ctrl+q, no helper, xfce4-clipman") << "xfce4-clipman"
                                                          << "window"
                                                          << "ctrl+q" << false;
    }

    void underManagersAndAtQuit()
    {
        QFETCH(QString, manager);
        QFETCH(QString, copier);
        QFETCH(QString, quit);
        QFETCH(bool, helper);
        if (manager == u"gpaste"    ? desktop() != Desktop::gnome
            : manager == u"klipper" ? desktop() != Desktop::kwin
                                    : onWayland() && !manager.isEmpty())
            QSKIP("GPaste runs on GNOME, Klipper on KWin, the others on X11");
        if (manager == u"klipper" && QStandardPaths::findExecutable("klipper").isEmpty())
            QSKIP("this release's Plasma has no klipper program of its own");
        if (desktop() == Desktop::gnome && !helper)
            QSKIP("GNOME's compositor keeps the text of a copy whose program has gone: only "
                  "the helper can clear it there");
        copyAsAnotherProgram("(before)");
        RunningManager running(manager.isEmpty() ? "keeper" : manager);
        QVERIFY(manager.isEmpty() || running.start());
        RunningTessellon app;
        QTemporaryDir bare; // for the program alone, without the helper beside it
        const QString program =
            helper ? RunningTessellon::builtProgram() : bare.filePath("tessellon");
        QVERIFY(helper || QFile::copy(RunningTessellon::builtProgram(), program));
        QVERIFY(copier == u"cli" ? copyFromCommandLine(longerClear())
                                 : app.start(longerClear(), program) && app.press("ctrl+shift+c"));
        QElapsedTimer sinceCopy;
        sinceCopy.start();
        const QByteArray password = awaitCopy();
        QVERIFY(!password.isEmpty());
        if (copier == u"them")
            copyAsAnotherProgram(password);
        if (quit.isEmpty()) {
            QTest::qWait(2000); // taken over, and the first owner gone or not
            QCOMPARE(paste(), password);
        } else {
            QVERIFY(app.quit(quit));
            QVERIFY2(sinceCopy.elapsed() < longerClear() - 1000,
                     "too slow to quit within the minute");
            if (helper) {
                QCOMPARE(paste(), password);
                QVERIFY2(isMarked(), paste("TARGETS"));
            } else {
                QVERIFY(running.holdsNothingOfOurs());
            }
        }
        QTest::qWait(int(longerClear() + 1000 - sinceCopy.elapsed()));
        if (copier == u"them") {
            QCOMPARE(paste(), password);
        } else {
            QTRY_VERIFY(running.holdsNothingOfOurs());
            // (Qt waits five seconds for a manager it told of a hand-over at exit.)
            QTRY_VERIFY_WITH_TIMEOUT(ourHelpers().isEmpty(), 15'000);
            QTest::qWait(1500); // a manager that refills an empty clipboard has done so
            QVERIFY2(running.holdsNothingOfOurs(), "the copy came back");
        }
        copyAsAnotherProgram("(after)"); // which ends a helper still serving
        if (manager == u"copyq" || manager == u"klipper" || manager == u"gpaste") {
            // It watched throughout; GPaste honours no marker, as the README says.
            QTRY_COMPARE(running.history().value(0), QByteArray("(after)"));
            QVERIFY2(copier == u"them"
                         || running.history().contains(password) == (manager == u"gpaste"),
                     "the history took the copy in, or GPaste left it out: tell the README");
        }
    }

    // A second Tessellon copies within the first one's minute and both quit:
    // the second one's copy is served until its own minute is out.
    void aSecondTessellonCopiesMeanwhile()
    {
        if (onWayland())
            QSKIP("two windows of one app id are not told apart here on the compositor");
        constexpr int minute = 15'000;
        copyAsAnotherProgram("(before)");
        RunningTessellon first, second;
        QVERIFY(first.start(minute) && first.press("ctrl+shift+c"));
        QElapsedTimer sinceFirst;
        sinceFirst.start();
        const QByteArray one = awaitCopy();
        QVERIFY(second.start(minute) && second.press("ctrl+shift+c"));
        QElapsedTimer sinceSecond;
        sinceSecond.start();
        const QByteArray two = awaitCopy(one);
        QVERIFY(!one.isEmpty() && !two.isEmpty());
        QVERIFY(first.quit("SIGTERM") && second.quit("ctrl+q"));
        QVERIFY2(sinceFirst.elapsed() < minute - 2000, "too slow to copy twice and quit");
        QCOMPARE(paste(), two);
        QTest::qWait(int(minute + 500 - sinceFirst.elapsed()));
        QCOMPARE(paste(), two);
        QTest::qWait(int(minute + 500 - sinceSecond.elapsed()));
        QTRY_VERIFY(pastesNothing());
        QTRY_VERIFY(ourHelpers().isEmpty());
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
        const auto run = [&environment](const QString &program, const QStringList &arguments,
                                        const QByteArray &input = QByteArray()) {
            auto process = std::make_unique<QProcess>();
            process->setProcessEnvironment(environment);
            process->start(program, arguments);
            process->write(input);
            process->closeWriteChannel();
            return process;
        };
        const auto weston =
            run("weston", {"--backend=x11-backend.so", "--use-pixman", "--shell=kiosk-shell.so",
                           "--socket=weston-tessellon", "--idle-time=0"});
        const QString display = runtime.filePath("weston-tessellon");
        QVERIFY2(QTest::qWaitFor([&] { return QFile::exists(display); }, 20'000),
                 weston->readAllStandardError());
        environment.insert("WAYLAND_DISPLAY", display);
        QVERIFY(run("wl-copy", {}, "(before)")->waitForFinished());
        const auto cli = run(QCoreApplication::applicationDirPath() + "/tessellon-cli",
                             {"--defaults", "--copy"});
        QVERIFY(cli->waitForFinished(30'000) && cli->readAllStandardOutput().isEmpty());
        QCOMPARE(cli->exitCode(), 1);
        QVERIFY(
            cli->readAllStandardError().contains("a Wayland compositor that offers data control"));
        const auto pasted = run("wl-paste", {"--no-newline"});
        QVERIFY(pasted->waitForFinished() && ourHelpers().isEmpty());
        QCOMPARE(pasted->readAllStandardOutput(), "(before)");
        weston->terminate();
        QVERIFY(weston->waitForFinished());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
