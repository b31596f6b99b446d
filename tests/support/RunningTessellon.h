#pragma once

#include "support/Desktop.h"
#include "support/ModelFixture.h"
#include "ui/MainWindow.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <csignal>
#include <cstring>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>

// The real program with a home of its own, driven from outside as a user
// would. Its PATH holds a wl-copy that notes being run, which must never be.
class RunningTessellon
{
public:
    ~RunningTessellon()
    {
        process.kill();
        process.waitForFinished();
    }

    static inline const QString appId = QStringLiteral("io.github.tessellon.Tessellon");

    QString home() const { return homeDir.path(); }
    QString settingsFile() const { return homeDir.filePath(".config/Tessellon/Tessellon.conf"); }
    bool ranWlCopy() const { return QFile::exists(home() + "/bin/wl-copy.ran"); }
    bool isRunning() const { return process.state() == QProcess::Running; }
    qint64 pid() const { return process.processId(); }

    // Starts the program with the minute shortened, alone in a folder (without
    // the word list and the helper beside it) if asked; true once its window
    // has the focus.
    bool start(int clearAfterMs = 60'000, bool alone = false)
    {
        const QString built = QCoreApplication::applicationDirPath() + "/tessellon";
        const QString program = alone ? aloneDir.filePath("tessellon") : built;
        if (alone && !QFile::copy(built, program))
            return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home());
        for (const char *variable :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            environment.remove(variable);
        environment.insert("XDG_RUNTIME_DIR", home()); // private to us, as it has to be
        // A stale session bus was seen to hang Qt's accessibility bridge at start.
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        environment.insert("TESSELLON_TEST_CLEAR_AFTER_MS", QString::number(clearAfterMs));
        QDir(home()).mkpath("bin");
        QFile wlCopy(home() + "/bin/wl-copy");
        wlCopy.open(QIODevice::WriteOnly);
        wlCopy.write("#!/bin/sh\ntouch \"$0.ran\"\n");
        wlCopy.setPermissions(wlCopy.permissions() | QFileDevice::ExeOwner);
        environment.insert("PATH", home() + "/bin:" + qEnvironmentVariable("PATH"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        if (onWayland()) {
            if (desktop() == Desktop::sway)
                runTool("swaymsg", {"workspace", "1"}); // where the window opens
            process.start(program, {});
            return QTest::qWaitFor([] { return focusedWindow().startsWith(appId + ' '); }, 20'000);
        }
        // Rarely (twice in some thirty runs) no window showed within a
        // minute: its threads' stacks are told, and it starts again. A slow
        // start shows as such, and a program that died stops the search.
        for (int start = 0; start < 2 && window.isEmpty(); ++start) {
            process.start(program, {});
            process.waitForStarted();
            QElapsedTimer waited;
            waited.start();
            while (isRunning() && (window = windows().value(0)).isEmpty()
                   && waited.elapsed() < 60'000)
                QTest::qWait(200);
            if (waited.elapsed() > 10'000)
                qWarning() << "the window took" << waited.elapsed() << "ms to show";
            if (window.isEmpty() && isRunning()) {
                qWarning().noquote() << runTool("gdb", {"-p", QString::number(pid()), "-batch",
                                                        "-ex", "thread apply all bt 15"})
                                            .value_or("(no gdb)");
                process.kill();
                process.waitForFinished();
            }
        }
        // No window manager here: give the focus, again if asked too early.
        for (int attempt = 0; !window.isEmpty() && attempt < 20; ++attempt) {
            if (focusX11(window))
                return true;
        }
        qWarning() << "the window never took the focus:" << window << process.state();
        return false;
    }

    // Quits by Ctrl+Q, the window's close or a signal; true once it ended with status 0.
    bool quit(const QString &how)
    {
        if (how == u"ctrl+q")
            press(how);
        else if (how == u"close" && desktop() == Desktop::gnome)
            desktopEval("global.display.focus_window.delete(global.get_current_time())");
        else if (how == u"close" && desktop() == Desktop::kwin)
            desktopEval("activeWindow.closeWindow()");
        else if (how == u"close")
            onWayland() ? runTool("swaymsg", {"kill"}).has_value() : closeX11(window);
        else
            ::kill(pid_t(process.processId()), how == u"SIGTERM"  ? SIGTERM
                                               : how == u"SIGINT" ? SIGINT
                                                                  : SIGHUP);
        // (The key's pause may already have seen it end.)
        const bool ended =
            process.state() == QProcess::NotRunning || process.waitForFinished(20'000);
        return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    // The program's windows that show on X11: the history panel is one.
    QStringList windows() const
    {
        const QByteArray found = runTool("xdotool", {"search", "--onlyvisible", "--pid",
                                                     QString::number(process.processId())})
                                     .value_or("")
                                     .trimmed();
        return found.isEmpty() ? QStringList() : QString::fromLatin1(found).split(u'\n');
    }

    // Keys to the window as xdotool writes them, e.g. "ctrl+shift+c".
    bool press(const QString &keys) const
    {
        switch (desktop()) {
        case Desktop::x11:
            return act("xdotool", {"key", "--clearmodifiers", keys});
        case Desktop::kwin: // whose headless seat has no keyboard
            return act(QStringLiteral(TESSELLON_SOURCE_DIR "/tests/support/wlinput"),
                       {"keys", keys});
        case Desktop::gnome:
            // A paste on GNOME takes the focus for a moment: wait for it back.
            return QTest::qWaitFor([] { return focusedWindow().startsWith(appId + ' '); }, 5000)
                   && desktopEval(QStringLiteral(R"(
                const C = imports.gi.Clutter, keyboard = global.tessellonKeyboard;
                const named = {ctrl: 'Control_L', shift: 'Shift_L', alt: 'Alt_L'};
                const keys = '%1'.split('+').map(k => C['KEY_' + (named[k] ?? k)]);
                let t = imports.gi.GLib.get_monotonic_time();
                for (const key of keys)
                    keyboard.notify_keyval(t++, key, C.KeyState.PRESSED);
                for (const key of keys.reverse())
                    keyboard.notify_keyval(t++, key, C.KeyState.RELEASED);
                'done';)")
                                      .arg(keys))
                          == u"done"
                   && (QTest::qWait(300), true); // a moment for the program
        case Desktop::sway:
            break;
        }
        // wtype brings a new keyboard each time: pauses let its keymap arrive first.
        QStringList modifiers = keys.split(u'+'), arguments{"-s", "300"};
        const QString key = modifiers.takeLast();
        for (const QString &modifier : modifiers)
            arguments << "-M" << modifier;
        arguments += {"-k", key, "-s", "300"};
        for (const QString &modifier : modifiers)
            arguments << "-m" << modifier;
        return act("wtype", arguments);
    }

    // A left click on X11 on a control of the window, found in an unseen
    // twin laid out at the same size with the same fonts and style.
    bool click(const char *control) const
    {
        ModelFixture fixture;
        MainWindow twin(*fixture.model);
        twin.setAttribute(Qt::WA_DontShowOnScreen);
        twin.show();
        const auto *target = twin.findChild<QWidget *>(QString::fromLatin1(control));
        const QPoint at = target->mapTo(&twin, target->rect().center());
        return act("xdotool", {"mousemove", "--window", window, QString::number(at.x()),
                               QString::number(at.y()), "click", "1"});
    }

    // The focus goes elsewhere, as when the user went to paste: an empty
    // workspace on sway, the window minimized on GNOME and KWin.
    bool unfocus()
    {
        switch (desktop()) {
        case Desktop::gnome:
        case Desktop::kwin:
            // GNOME may hand the focus back as a panel closes: until it stays away.
            return QTest::qWaitFor([] {
                desktopEval(
                    (desktop() == Desktop::gnome
                         ? QStringLiteral("global.get_window_actors().map(a => a.meta_window)"
                                          ".filter(w => w.get_wm_class() == '%1')"
                                          ".forEach(w => w.minimize()); ''")
                         : QStringLiteral("windows.filter(w => w.resourceClass == '%1')"
                                          ".forEach(w => w.minimized = true)"))
                        .arg(appId));
                return focusedWindow().isEmpty();
            });
        case Desktop::sway:
            runTool("swaymsg", {"workspace", "2"});
            return QTest::qWaitFor([] { return focusedWindow().isEmpty(); });
        case Desktop::x11:
            break;
        }
        elsewhere.show();
        return QTest::qWaitForWindowExposed(&elsewhere)
               && focusX11(QString::number(elsewhere.winId()));
    }

private:
    // A tool's command, then a moment for the program to handle it.
    static bool act(const QString &tool, const QStringList &arguments)
    {
        const bool done = runTool(tool, arguments).has_value();
        QTest::qWait(300);
        return done;
    }

    // As a window manager's close button: WM_DELETE_WINDOW to the window.
    static bool closeX11(const QString &id)
    {
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t *connection = x11->connection();
        const auto atom = [connection](const char *name) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, false, uint16_t(strlen(name)), name),
                nullptr);
            const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            free(reply);
            return found;
        };
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id.toUInt();
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW"); // at XCB_CURRENT_TIME, 0
        xcb_send_event(connection, false, event.window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&event));
        return xcb_flush(connection) > 0;
    }

    static bool focusX11(const QString &id)
    {
        return act("xdotool", {"windowfocus", id})
               && runTool("xdotool", {"getwindowfocus"}).value_or("").trimmed() == id;
    }

    QTemporaryDir homeDir, aloneDir;
    QProcess process;
    QString window;
    QWindow elsewhere;
};
