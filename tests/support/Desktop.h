#pragma once

// The desktop as other programs see it: its clipboard, the focused window,
// and the helpers of this build that serve a copy.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <optional>

enum class Desktop { x11, sway, gnome, kwin };

inline Desktop desktop()
{
    if (QGuiApplication::platformName() != u"wayland")
        return Desktop::x11;
    const QString name = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    return name == u"GNOME" ? Desktop::gnome : name == u"KDE" ? Desktop::kwin : Desktop::sway;
}

inline bool onWayland()
{
    return desktop() != Desktop::x11;
}

// A tool's output, or nothing when it failed. The event loop runs meanwhile:
// while this process owns the clipboard, xclip waits for its answer.
inline std::optional<QByteArray>
runTool(const QString &tool, const QStringList &arguments, const QByteArray &input = {},
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
        int timeout = 30'000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(tool, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (finished.wait(timeout) && process.exitCode() == 0)
        return process.readAllStandardOutput();
    process.kill();
    process.waitForFinished();
    return std::nullopt;
}

// The value of a script of GNOME Shell's (through its Eval) or of KWin's.
inline QString desktopEval(const QString &script)
{
    if (desktop() == Desktop::kwin)
        return QString::fromUtf8(
            runTool(QStringLiteral(TESSELLON_SOURCE_DIR "/tests/support/kwin"),
                    {"eval", qEnvironmentVariable("TESSELLON_KWIN_STATE"), script})
                .value_or("")
                .trimmed());
    const QByteArray said =
        runTool("gdbus", {"call", "--session", "--dest", "org.gnome.Shell", "--object-path",
                          "/org/gnome/Shell", "--method", "org.gnome.Shell.Eval", script})
            .value_or("");
    const qsizetype from = said.indexOf("'\""), to = said.lastIndexOf("\"'"); // (true, '"..."')
    return said.startsWith("(true") && from >= 0 && to > from
               ? QString::fromUtf8(said.mid(from + 2, to - from - 2))
               : QString();
}

// What another program pastes as that type, or "(nothing)"; "TARGETS" lists the types.
inline QByteArray paste(const QString &type = QStringLiteral("text"))
{
    // KWin tells a reader of an empty clipboard nothing at all, and wl-paste
    // waits for good: no list of types within two seconds (which asks nothing
    // of a slow owner) means nothing to paste.
    if (desktop() == Desktop::kwin
        && !runTool("wl-paste", {"--list-types"}, {}, QProcessEnvironment::systemEnvironment(),
                    2000))
        return "(nothing)";
    const bool list = type == u"TARGETS", text = type == u"text";
    return (onWayland() ? runTool("wl-paste", list ? QStringList{"--list-types"}
                                                   : QStringList{"--no-newline", "--type", type})
                        : runTool("xclip", {"-selection", "clipboard", "-o", "-t",
                                            text ? QStringLiteral("UTF8_STRING") : type}))
        .value_or("(nothing)");
}

// No owner, or the empty text a clear leaves on X11 (and GNOME, whose
// Xwayland is checked too).
inline bool pastesNothing()
{
    const auto nothing = [](const QByteArray &pasted) {
        return pasted == "(nothing)" || pasted.isEmpty();
    };
    return nothing(paste())
           && (desktop() != Desktop::gnome
               || nothing(runTool("xclip", {"-selection", "clipboard", "-o", "-t", "UTF8_STRING"})
                              .value_or("(nothing)")));
}

// Another program copies the text and serves it from the background.
inline void copyAsAnotherProgram(const QByteArray &text)
{
    onWayland() ? runTool("wl-copy", {}, text)
                : runTool("xclip", {"-selection", "clipboard", "-i"}, text);
}

// What the clipboard holds once it differs from `before`; empty if nothing came.
inline QByteArray awaitCopy(const QByteArray &before = "(before)")
{
    QByteArray pasted;
    return QTest::qWaitFor([&] { return (pasted = paste()) != before; }) ? pasted : QByteArray();
}

// Both markers, ahead of the text for histories that read the types in
// order (GNOME reverses the order a program gives, which none can steer).
inline bool isMarked()
{
    const QByteArray types = paste("TARGETS");
    const QByteArray beforeText =
        desktop() == Desktop::gnome ? types : types.left(types.indexOf("text/plain"));
    return types.contains("text/plain") && beforeText.contains("org.nspasteboard.ConcealedType")
           && beforeText.contains("x-kde-passwordManagerHint")
           && paste("x-kde-passwordManagerHint") == "secret";
}

// The compositor's focused window as "APP_ID SHELL", the shell "xdg_shell"
// if native; empty for none, and on X11, where the suite gives the focus.
inline QString focusedWindow()
{
    switch (desktop()) {
    case Desktop::x11:
        return {};
    case Desktop::sway:
        for (QList nodes{
                 QJsonDocument::fromJson(runTool("swaymsg", {"-t", "get_tree"}).value_or(""))
                     .object()};
             !nodes.isEmpty();) {
            const QJsonObject node = nodes.takeLast();
            if (node["focused"].toBool())
                return (node["app_id"].toString() + ' ' + node["shell"].toString()).trimmed();
            for (const QJsonValue &child : node["nodes"].toArray())
                nodes.append(child.toObject());
        }
        return {};
    case Desktop::gnome:
        return desktopEval("const w = global.display.focus_window; w ? w.get_wm_class() + ' ' + "
                           "(w.get_client_type() == 0 ? 'xdg_shell' : 'xwayland') : '';");
    case Desktop::kwin:
        break;
    }
    return desktopEval("activeWindow ? activeWindow.resourceClass + ' ' + "
                       "(String(activeWindow).startsWith('KWin::X11') ? 'xwayland' : "
                       "'xdg_shell') : ''");
}

// The running helpers of this build, not another checkout's; only root sees them.
inline QStringList ourHelpers()
{
    const QString helper = QCoreApplication::applicationDirPath() + "/tessellon-clipboard";
    QStringList found;
    for (const QString &pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
        if (QFileInfo("/proc/" + pid + "/exe").symLinkTarget() == helper)
            found << pid;
    }
    return found;
}
