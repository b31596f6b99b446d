#pragma once

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <optional>

// Runs a tool such as xclip or wtype to its end: its output, or nothing
// when it failed. The event loop runs meanwhile, since while this process
// owns the clipboard, xclip waits for its answer.
inline std::optional<QByteArray> runTool(const QString &tool, const QStringList &arguments,
                                         const QByteArray &input = QByteArray())
{
    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(tool, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!finished.wait(30'000) || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

// The suites run on the X server with xclip and xdotool, and on the
// Wayland compositor with wl-clipboard, wtype and swaymsg.
inline bool onWayland()
{
    return QGuiApplication::platformName() == u"wayland";
}

// What another program reads from the clipboard as that type; "TARGETS"
// lists the types, one a line.
inline QByteArray paste(const QString &type = QStringLiteral("text"))
{
    const bool list = type == u"TARGETS", text = type == u"text";
    return (onWayland() ? runTool("wl-paste", list ? QStringList{"--list-types"}
                                                   : QStringList{"--no-newline", "--type", type})
                        : runTool("xclip", {"-selection", "clipboard", "-o", "-t",
                                            text ? QStringLiteral("UTF8_STRING") : type}))
        .value_or("(nothing)");
}

// Another program copies the text and serves it from the background.
inline void copyAsAnotherProgram(const QByteArray &text)
{
    onWayland() ? runTool("wl-copy", {}, text)
                : runTool("xclip", {"-selection", "clipboard", "-i"}, text);
}

// The window with the keyboard focus on the compositor, if any: its app
// id, how it came ("xdg_shell" for a native one) and where it stands.
struct SwayWindow
{
    QString appId;
    QString shell;
    QRect rect;
};

inline SwayWindow swayFocus()
{
    QList<QJsonObject> nodes{
        QJsonDocument::fromJson(runTool("swaymsg", {"-t", "get_tree"}).value_or("")).object()};
    while (!nodes.isEmpty()) {
        const QJsonObject node = nodes.takeLast();
        if (node["focused"].toBool()) {
            const QJsonObject r = node["rect"].toObject();
            return {node["app_id"].toString(), node["shell"].toString(),
                    QRect(r["x"].toInt(), r["y"].toInt(), r["width"].toInt(), r["height"].toInt())};
        }
        for (const QJsonValue &child : node["nodes"].toArray())
            nodes.append(child.toObject());
    }
    return {};
}

// The real program with a home of its own, driven from outside as a user
// would. Its PATH holds a wl-copy that notes being run, which it must never
// be: a clear through it could land after another program's copy.
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

    static QString builtProgram() { return QCoreApplication::applicationDirPath() + "/tessellon"; }

    // Starts the program, with the minute before a clear shortened, and
    // waits until its window shows with the focus; false if it never does.
    bool start(int clearAfterMs = 60'000, const QString &program = builtProgram())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home());
        // Whatever the program writes lands under HOME, where the tests look.
        for (const char *variable :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            environment.remove(variable);
        environment.insert("XDG_RUNTIME_DIR", home()); // private to us, as it has to be
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
            runTool("swaymsg", {"workspace", "1"}); // where the window opens
            process.start(program, {});
            return QTest::qWaitFor([] { return swayFocus().appId == appId; }, 20'000);
        }
        process.start(program, {});
        const QString pid = QString::number(process.processId());
        window = runTool("xdotool", {"search", "--sync", "--onlyvisible", "--pid", pid})
                     .value_or("")
                     .split('\n')
                     .first();
        // No window manager runs on the test server: give the window the
        // focus, and ask again if the first request came too early to take.
        for (int attempt = 0; !window.isEmpty() && attempt < 20; ++attempt) {
            if (focusX11(window))
                return true;
        }
        qWarning() << "the window never took the focus:" << window << process.state();
        return false;
    }

    // The window's X11 class, which docks match against the desktop entry.
    QByteArray windowClass() const
    {
        const QByteArray line = runTool("xprop", {"-id", window, "WM_CLASS"}).value_or("");
        return line.mid(line.lastIndexOf(", \"") + 3).chopped(2); // ... = "name", "Class"
    }

    // Keys to the window as xdotool writes them, e.g. "ctrl+shift+c".
    bool press(const QString &keys) const
    {
        if (!onWayland())
            return act("xdotool", {"key", "--clearmodifiers", keys});
        // wtype brings a keyboard of its own each time; a pause lets the
        // program take its keymap before the first key, and the key before
        // the release.
        QStringList modifiers = keys.split(u'+'), arguments{"-s", "300"};
        const QString key = modifiers.takeLast();
        for (const QString &modifier : modifiers)
            arguments << "-M" << modifier;
        arguments << "-k" << key << "-s"
                  << "300";
        for (const QString &modifier : modifiers)
            arguments << "-m" << modifier;
        return act("wtype", arguments);
    }

    // A left click at this point of the window. The headless compositor
    // has no pointer of its own: wlclick brings one.
    bool click(QPoint at) const
    {
        if (!onWayland())
            return act("xdotool", {"mousemove", "--window", window, QString::number(at.x()),
                                   QString::number(at.y()), "click", "1"});
        at += swayFocus().rect.topLeft();
        return act(QStringLiteral(TESSELLON_SOURCE_DIR "/tests/support/wlclick"),
                   {QString::number(at.x()), QString::number(at.y()), "1280", "900"});
    }

    // The focus goes elsewhere, as when the user went to paste: on Wayland
    // to an empty workspace, on X11 to a window of this process.
    bool unfocus()
    {
        if (onWayland()) {
            runTool("swaymsg", {"workspace", "2"});
            return QTest::qWaitFor([] { return swayFocus().appId.isEmpty(); });
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

    static bool focusX11(const QString &id)
    {
        return act("xdotool", {"windowfocus", id})
               && runTool("xdotool", {"getwindowfocus"}).value_or("").trimmed() == id;
    }

    QTemporaryDir homeDir;
    QProcess process;
    QString window;
    QWindow elsewhere;
};
