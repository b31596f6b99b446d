#pragma once

// The desktop as other programs see it: its clipboard, the focused window, our helpers.
#include <QDir>
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
    const QString name = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    return QGuiApplication::platformName() != u"wayland" ? Desktop::x11
           : name == u"GNOME"                            ? Desktop::gnome
           : name == u"KDE"                              ? Desktop::kwin
                                                         : Desktop::sway;
}

inline bool onWayland()
{
    return desktop() != Desktop::x11;
}

// A tool's output or none; the event loop runs, since xclip waits on us while we own the clipboard.
inline std::optional<QByteArray> runTool(const QString &tool, const QStringList &arguments,
                                         const QByteArray &input = {},
                                         const QProcessEnvironment &environment = {},
                                         int timeout = 30'000)
{
    QProcess process;
    if (!environment.isEmpty())
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

// The value of a script of KWin's or of GNOME Shell's (its Eval says "(true, '"..."')").
inline QString desktopEval(const QString &script)
{
    if (desktop() == Desktop::kwin)
        return runTool(TESSELLON_SOURCE_DIR "/tests/support/kwin",
                       {"eval", qEnvironmentVariable("TESSELLON_KWIN_STATE"), script})
            .value_or("")
            .trimmed();
    const QByteArray said =
        runTool("gdbus", {"call", "--session", "--dest", "org.gnome.Shell", "--object-path",
                          "/org/gnome/Shell", "--method", "org.gnome.Shell.Eval", script})
            .value_or("");
    const qsizetype from = said.indexOf("'\""), to = said.lastIndexOf("\"'");
    return said.startsWith("(true") && from >= 0 && to > from ? said.mid(from + 2, to - from - 2)
                                                              : QString();
}

// What another program pastes as that type, or "(nothing)"; "TARGETS" lists the types. On KWin,
// wl-paste hangs on an empty clipboard: no type list in 2 s (no slow owner is asked) means nothing.
inline QByteArray paste(const QString &type = QStringLiteral("text"), bool x11 = !onWayland())
{
    if (desktop() == Desktop::kwin && !runTool("wl-paste", {"--list-types"}, {}, {}, 2000))
        return "(nothing)";
    const bool list = type == u"TARGETS";
    return (x11 ? runTool("xclip", {"-selection", "clipboard", "-o", "-t",
                                    type == u"text" ? QStringLiteral("UTF8_STRING") : type})
                : runTool("wl-paste", list ? QStringList{"--list-types"}
                                           : QStringList{"--no-newline", "--type", type}))
        .value_or("(nothing)");
}

// No owner, or the empty text a clear leaves on X11 (and GNOME, whose Xwayland is checked too).
inline bool pastesNothing()
{
    QByteArray pasted = paste() + (desktop() == Desktop::gnome ? paste("text", true) : "");
    return pasted.replace("(nothing)", "").isEmpty();
}

// Another program copies the text and serves it from the background.
inline void copyAsAnotherProgram(const QByteArray &text)
{
    onWayland() ? runTool("wl-copy", {}, text)
                : runTool("xclip", {"-selection", "clipboard", "-i"}, text);
}

inline QByteArray awaitCopy(const QByteArray &before = "(before)")
{
    QByteArray pasted;
    return QTest::qWaitFor([&] { return (pasted = paste()) != before; }) ? pasted : QByteArray();
}

// Both markers, ahead of the text for histories that read types in order (GNOME always reverses).
inline bool isMarked()
{
    const QByteArray types = paste("TARGETS");
    const QByteArray ahead =
        desktop() == Desktop::gnome ? types : types.left(types.indexOf("text/plain"));
    return types.contains("text/plain") && ahead.contains("org.nspasteboard.ConcealedType")
           && ahead.contains("x-kde-passwordManagerHint")
           && paste("x-kde-passwordManagerHint") == "secret";
}

// The compositor's focused window as "APP_ID xdg_shell|xwayland"; empty for none, and on X11.
inline QString focusedWindow()
{
    if (desktop() != Desktop::sway)
        return desktop() == Desktop::x11 ? QString()
               : desktop() == Desktop::gnome
                   ? desktopEval("const w = global.display.focus_window; w ? w.get_wm_class() + "
                                 "' ' + (w.get_client_type() == 0 ? 'xdg_shell' : 'xwayland') : ''")
                   : desktopEval("activeWindow ? activeWindow.resourceClass + ' ' + (String("
                                 "activeWindow).startsWith('KWin::X11') ? 'xwayland' : "
                                 "'xdg_shell') : ''");
    QList nodes{
        QJsonDocument::fromJson(runTool("swaymsg", {"-t", "get_tree"}).value_or("")).object()};
    while (!nodes.isEmpty()) {
        const QJsonObject node = nodes.takeLast();
        if (node["focused"].toBool())
            return (node["app_id"].toString() + ' ' + node["shell"].toString()).trimmed();
        for (const QJsonValue &child : node["nodes"].toArray())
            nodes.append(child.toObject());
    }
    return {};
}

// This build's helpers that this suite started, not another's beside it: our child's child, or
// ours once orphaned (the suite is a subreaper). Only root sees a helper's program.
inline QStringList ourHelpers()
{
    const auto parent = [](const QString &pid) { // from "pid (name) state ppid ..."
        QFile stat("/proc/" + pid + "/stat");
        const QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
        return QString(line.mid(line.lastIndexOf(')') + 2).split(' ').value(1));
    };
    const QString helper = QCoreApplication::applicationDirPath() + "/tessellon-clipboard";
    const QString self = QString::number(QCoreApplication::applicationPid());
    QStringList found;
    for (const QString &pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs))
        if (QFile::symLinkTarget("/proc/" + pid + "/exe") == helper
            && (parent(pid) == self || parent(parent(pid)) == self))
            found << pid;
    return found;
}
