// The built programs as a user drives them from outside, on a real X server
// and on each Wayland compositor alike: only what needs them, as the model
// and window suites check the rest in process. The tables follow a copy's
// life: who copies, what happens within the minute, and what another
// program pastes after it.
#include "support/ProcessMemory.h"
#include "support/RunningManager.h"
#include "support/RunningTessellon.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

#include <fcntl.h>

namespace {

constexpr int clearAfter = 2500; // ms, in place of the minute
// Room for more within the minute; GNOME's keys and pastes go through the
// shell and wait for the focus, so it gets more.
int longerClear()
{
    return desktop() == Desktop::gnome ? 16'000 : 8000;
}

// The file's bytes, "(absent)" when there is none.
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

// A file of the suite's own, which a careless caller leaves open across
// the command line's exec.
const QByteArray leftOpen = QFile::encodeName(QStringLiteral(TESSELLON_SOURCE_DIR "/README.md"));

// tessellon-cli --defaults --copy with the minute shortened, and an option
// or "closed streams": started as a careless caller would, without
// standard input or output and with a file of its own left open. True
// when it returned at once with status 0, printing nothing.
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

// The helper serving a copy stands in the root folder, with its three
// standard streams and nothing else of its caller's: not the file given.
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
            QCOMPARE(focusedWindow().shell, QStringLiteral("xdg_shell"));
        else
            QVERIFY2(entry.contains("\nStartupWMClass=" + app.windowClass() + '\n'),
                     app.windowClass());
    }

    // A copy, from the window (its keys, its Copy button, a row of the
    // history panel, after words were picked) or from the command line, is
    // marked and never reaches a file the program writes or a process's
    // command line. A minute later it is cleared although the window has
    // lost the focus by then, unless another program has copied since, or
    // the clear is off; a second copy within the minute starts it again.
    // The window starts from what is on disk, its stored preferences and the
    // word list beside it (or none), and writes nothing on starting and
    // copying; a mode picked is saved.
    void aCopysLife_data()
    {
        QTest::addColumn<QString>("copier");    // keys, button, history, picker, or cli
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
        row("their later copy of it stays", "keys", "they copy", false, "[a-z-]+(:[a-z-]+){6}",
            R"({"mode":"words","wordCount":7,"separators":":"})");
        row("kept with the clear off, no word list", "button", "", false, "[!-~]{16}",
            R"({"autoClearClipboard":false})", false);
        row("a second copy restarts the minute", "keys", "copy again", true);
        // The row of the password a click on Regenerate replaced.
        row("from the history", "history", "", true);
        // The picker's list shut again, its last entry from the keyboard.
        row("after words picked", "picker", "", true, "[a-z-]+(_[a-z-]+){4}");
        row("no word list for a passphrase", "keys", "", false, "", R"({"mode":"words"})", false);
        // The helper clears through the window's clipboard code on X11, and
        // on Wayland through the compositor's data control, without any window.
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
        const bool window = copier != u"cli";
        if ((desktop() == Desktop::gnome || desktop() == Desktop::kwin) && window
            && copier != u"keys")
            QSKIP("clicks through GNOME's virtual pointer and KWin's fake input are lost now and "
                  "then in a window's first moments; these routes are the window's own, proven "
                  "on X11 and sway");
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
        if (window) {
            QVERIFY(app.start(minute, program));
            if (copier == u"history")
                QVERIFY(app.click("regenerateButton") && app.click("historyButton"));
            if (copier == u"picker")
                QVERIFY(app.click("modePicker") && app.press("Escape") && app.press("End"));
            QVERIFY(copier == u"button"
                        ? app.click("copyButton")
                        : app.press(copier == u"history" ? "Return" : "ctrl+shift+c"));
        } else {
            QVERIFY(copyFromCommandLine(minute, meanwhile));
        }
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
        if (window) {
            QVERIFY(app.isRunning());
            QVERIFY(copier == u"picker" ? contents(app.settingsFile()).contains("words")
                                        : contents(app.settingsFile()) == before);
        }
        if (copied.isEmpty())
            return;
        QVERIFY2(isMarked(), paste("TARGETS"));
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
        if (meanwhile == u"closed streams"
            && ::geteuid() == 0) // the hardened helper is closed to others
            QVERIFY(helperKeepsNothingOfTheCallers());
        if (meanwhile == u"copy again") {
            // A new password, copied half way through the first minute: it
            // is still there once the first copy's minute has passed.
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

    // Once a password is gone from view, history and clipboard, no copy of
    // it is left in the program's memory, live or freed, in any encoding:
    // the sanitizer keeps freed memory as it was, so that a copy freed
    // unwiped is found as surely as a live one.
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

    // A click outside the history panel closes it, and what else becomes of
    // that click becomes of it every time: also after the panel was once
    // closed with its own button (which does not open it again).
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

    // Under clipboard managers the clear at the minute still comes, and
    // stays, for the window's copy and the command line's; a copy of the
    // same text by another program has no id and is kept. The fixture takes
    // every copy over as soon as it appears (as the persistence options of
    // parcellite, clipit or diodon do), and serves it with its id;
    // xfce4-clipman fills an emptied clipboard from its history, id
    // included; CopyQ records what it is not told to hide. On GNOME, GPaste
    // records every copy, markers or not; on KWin, Klipper records what it
    // is not told to hide, and fills an emptied clipboard from its history.
    // A quit within the minute does not end it: the copy is handed to
    // tessellon-clipboard, which still serves it, marked, until its minute
    // is out (on Wayland through data control, without a window); without
    // the helper it is cleared at once. Either way, it is gone after the
    // minute, and no helper is left behind. xfce4-clipman, as the X11
    // clipboard manager (CLIPBOARD_MANAGER) that takes what the clipboard
    // holds when its owner quits, never gets the copy.
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
            // (Where a clipboard manager is told of no hand-over at exit,
            // Qt waits five seconds for it first.)
            QTRY_VERIFY_WITH_TIMEOUT(ourHelpers().isEmpty(), 15'000);
            QTest::qWait(1500); // a manager that refills an empty clipboard has done so
            QVERIFY2(running.holdsNothingOfOurs(), "the copy came back");
        }
        copyAsAnotherProgram("(after)"); // which ends a helper still serving
        if (manager == u"copyq" || manager == u"klipper") {
            // It watched throughout, and never took our copy in.
            QTRY_COMPARE(running.history().value(0), QByteArray("(after)"));
            QVERIFY(copier == u"them" || !running.history().contains(password));
        }
        if (manager == u"gpaste") {
            // It watched throughout, and took the copy in: it honours no
            // marker, as the README says.
            QTRY_COMPARE(running.history().value(0), QByteArray("(after)"));
            QVERIFY2(running.history().contains(password),
                     "GPaste left the copy out: tell the README");
        }
    }

    // A second Tessellon copies within the first one's minute, and both quit
    // in a row: the first one's minute leaves the second one's copy alone,
    // which is served after both have gone until its own minute is out.
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

    // A Wayland compositor without data control (weston, here with the X
    // server as its screen and keyboard) ignores a selection set without
    // the focus: --copy says so, with status 1, and the clipboard keeps
    // what it had. WAYLAND_DISPLAY alone takes the copy there, although
    // DISPLAY is set too, as in a Wayland session with Xwayland.
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
        QVERIFY(cli->waitForFinished(30'000));
        QCOMPARE(cli->exitCode(), 1);
        QCOMPARE(cli->readAllStandardOutput(), QByteArray());
        QVERIFY(
            cli->readAllStandardError().contains("a Wayland compositor that offers data control"));
        const auto pasted = run("wl-paste", {"--no-newline"});
        QVERIFY(pasted->waitForFinished());
        QCOMPARE(pasted->readAllStandardOutput(), "(before)");
        QVERIFY(ourHelpers().isEmpty());
        weston->terminate();
        QVERIFY(weston->waitForFinished());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
