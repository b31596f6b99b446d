#pragma once

#include "support/Desktop.h"
#include "support/ModelFixture.h"
#include "ui/MainWindow.h"

#include <QTemporaryDir>
#include <QWindow>

#include <csignal>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>

// The real program in its own home, driven as a user would; running its PATH's wl-copy is a fault.
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

    // The minute shortened; alone (no word list or helper beside it) if asked; true once focused.
    bool start(int clearAfterMs = 60'000, bool alone = false)
    {
        const QString built = QCoreApplication::applicationDirPath() + "/tessellon";
        const QString program = alone ? aloneDir.filePath("tessellon") : built;
        QDir(home()).mkpath("bin");
        QFile wlCopy(home() + "/bin/wl-copy");
        if ((alone && !QFile::copy(built, program)) || !wlCopy.open(QIODevice::WriteOnly)
            || !wlCopy.write("#!/bin/sh\ntouch \"$0.ran\"\n")
            || !wlCopy.setPermissions(wlCopy.permissions() | QFileDevice::ExeOwner))
            return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            environment.remove(variable);
        // A stale session bus was seen to hang Qt's accessibility bridge at start.
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        environment.insert("HOME", home());
        environment.insert("XDG_RUNTIME_DIR", home());
        environment.insert("TESSELLON_TEST_CLEAR_AFTER_MS", QString::number(clearAfterMs));
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
        // Rarely (twice in some thirty runs) no window showed within a minute: it starts again.
        for (int start = 0; start < 2 && window.isEmpty(); ++start) {
            process.kill();
            process.waitForFinished();
            process.start(program, {});
            process.waitForStarted();
            for (QDeadlineTimer wait(60'000);
                 isRunning() && !wait.hasExpired() && (window = windows().value(0)).isEmpty();)
                QTest::qWait(200);
        }
        // No window manager here: give the focus, again if asked too early.
        for (int attempt = 0; !window.isEmpty() && attempt < 20; ++attempt)
            if (focusX11(window))
                return true;
        qWarning() << "the window never took the focus:" << window << process.state();
        return false;
    }

    bool quit(const QString &how)
    {
        if (how == u"ctrl+q") {
            if (!press(how) && isRunning()) // so that a quit that never came says why
                qWarning("ctrl+q was not sent, and the window still runs");
        } else if (how != u"close")
            ::kill(pid_t(pid()), how == u"SIGTERM" ? SIGTERM : how == u"SIGINT" ? SIGINT : SIGHUP);
        else if (desktop() == Desktop::gnome)
            desktopEval("global.display.focus_window.delete(global.get_current_time())");
        else if (desktop() == Desktop::kwin)
            desktopEval("activeWindow.closeWindow()");
        else
            onWayland() ? runTool("swaymsg", {"kill"}).has_value() : closeX11(window);
        // (The key's pause may already have seen it end.)
        return (!isRunning() || process.waitForFinished(20'000))
               && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    // The program's windows that show on X11: the history panel is one.
    QStringList windows() const
    {
        return QString(
                   runTool("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid())})
                       .value_or(""))
            .split(u'\n', Qt::SkipEmptyParts);
    }

    // Keys to the window as xdotool writes them, e.g. "ctrl+shift+c".
    bool press(const QString &keys) const
    {
        QStringList modifiers = keys.split(u'+'), down{"-s", "300"}, up;
        const QString key = modifiers.takeLast();
        switch (desktop()) {
        case Desktop::x11:
            return act("xdotool", {"key", "--clearmodifiers", keys});
        case Desktop::kwin: // whose headless seat has no keyboard
            return act(TESSELLON_SOURCE_DIR "/tests/support/wlinput", {"keys", keys});
        case Desktop::gnome: // a paste takes the focus for a moment: wait for it back
            return QTest::qWaitFor([] { return focusedWindow().startsWith(appId + ' '); }, 5000)
                   && desktopEval("global.tessellonPress('" + keys + "')") == u"done"
                   && (QTest::qWait(300), true); // (the gnome fixture's keyboard)
        case Desktop::sway: // wtype brings a new keyboard each time: its keymap comes first
            for (const QString &modifier : modifiers)
                down << "-M" << modifier, up << "-m" << modifier;
            return act("wtype", down + QStringList{"-k", key, "-s", "300"} + up);
        }
        return false;
    }

    // A left click on X11 on a control, found in an unseen twin laid out alike.
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

    // As when the user goes to paste, till it stays: GNOME may hand it back as a panel closes.
    bool unfocus()
    {
        if (desktop() == Desktop::x11) {
            elsewhere.show();
            return QTest::qWaitForWindowExposed(&elsewhere)
                   && focusX11(QString::number(elsewhere.winId()));
        }
        return QTest::qWaitFor([] {
            if (desktop() == Desktop::sway)
                runTool("swaymsg", {"workspace", "2"});
            else
                desktopEval((desktop() == Desktop::gnome
                                 ? QStringLiteral("global.get_window_actors().map(a => "
                                                  "a.meta_window).filter(w => w.get_wm_class() "
                                                  "== '%1').forEach(w => w.minimize()); ''")
                                 : QStringLiteral("windows.filter(w => w.resourceClass == '%1')"
                                                  ".forEach(w => w.minimized = true)"))
                                .arg(appId));
            return focusedWindow().isEmpty();
        });
    }

private:
    // A tool's command, then a moment for the program to handle it.
    static bool act(const QString &tool, const QStringList &arguments)
    {
        const bool done = runTool(tool, arguments).has_value();
        QTest::qWait(300);
        return done;
    }

    // As a window manager's close button: WM_DELETE_WINDOW to the window, at CurrentTime.
    static bool closeX11(const QString &id)
    {
        xcb_connection_t *connection =
            qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        const auto atom = [connection](const char *name) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, false, uint16_t(qstrlen(name)), name),
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
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
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
