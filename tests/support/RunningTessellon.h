#pragma once

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

// Runs a tool such as xclip or xdotool to its end: its output, or nothing
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

// What another program reads from the clipboard as that target.
inline QByteArray readClipboard(const QString &target = QStringLiteral("UTF8_STRING"))
{
    return runTool("xclip", {"-selection", "clipboard", "-o", "-t", target}).value_or("(nothing)");
}

// The real program, started on the test X server with a home of its own
// and driven from outside as a user would: keys and clicks through xdotool.
class RunningTessellon
{
public:
    ~RunningTessellon()
    {
        process.kill();
        process.waitForFinished();
    }

    QString home() const { return homeDir.path(); }
    QString settingsFile() const { return homeDir.filePath(".config/Tessellon/Tessellon.conf"); }

    static QString builtProgram() { return QCoreApplication::applicationDirPath() + "/tessellon"; }

    // Starts the program with a home of its own and these variables besides.
    void launch(const QProcessEnvironment &extra = {}, const QString &program = builtProgram())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home());
        // Whatever the program writes lands under HOME, where the tests look.
        for (const char *variable :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            environment.remove(variable);
        environment.insert("XDG_RUNTIME_DIR", home()); // private to us, as it has to be
        environment.insert(extra);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, {});
    }

    // Starts the program on the X server and waits until its window shows;
    // false if it never does.
    bool start(const QString &program = builtProgram())
    {
        launch({}, program);
        const QString pid = QString::number(process.processId());
        window = runTool("xdotool", {"search", "--sync", "--onlyvisible", "--pid", pid})
                     .value_or("")
                     .split('\n')
                     .first();
        // No window manager runs on the test server: give the window the
        // focus, and ask again if the first request came too early to take.
        for (int attempt = 0; !window.isEmpty() && attempt < 20; ++attempt) {
            act({"windowfocus", window});
            if (runTool("xdotool", {"getwindowfocus"}).value_or("").trimmed() == window)
                return true;
        }
        qWarning() << "the window never took the focus:" << window << process.state();
        return false;
    }

    bool isRunning() const { return process.state() == QProcess::Running; }

    // The window's X11 class, which docks match against the desktop entry.
    QByteArray windowClass() const
    {
        const QByteArray line = runTool("xprop", {"-id", window, "WM_CLASS"}).value_or("");
        return line.mid(line.lastIndexOf(", \"") + 3).chopped(2); // ... = "name", "Class"
    }

    // Key presses to the program's window, e.g. "ctrl+r".
    bool press(const QString &keys) const { return act({"key", "--clearmodifiers", keys}); }

    // A left click this far right of and above the window's bottom left corner.
    bool clickFromBottomLeft(int right, int up) const
    {
        const QByteArray shell =
            runTool("xdotool", {"getwindowgeometry", "--shell", window}).value_or("HEIGHT=0");
        const int height = shell.mid(shell.indexOf("HEIGHT=") + 7).split('\n').first().toInt();
        return act({"mousemove", "--window", window, QString::number(right),
                    QString::number(height - up), "click", "1"});
    }

    // Copies the password with ctrl+shift+c and returns what another
    // program then reads; "(before)" when nothing was copied.
    QString copyPassword() const
    {
        // xclip serves the sentinel in the background until replaced.
        runTool("xclip", {"-selection", "clipboard", "-i"}, "(before)");
        press("ctrl+shift+c");
        QByteArray text; // a slow machine gets a few seconds
        return QTest::qWaitFor([&] { return (text = readClipboard()) != "(before)"; })
                   ? QString::fromUtf8(text)
                   : QStringLiteral("(before)");
    }

private:
    // An xdotool command, then a moment for the program to handle it.
    bool act(const QStringList &arguments) const
    {
        const bool done = runTool("xdotool", arguments).has_value();
        QTest::qSleep(300);
        return done;
    }

    QTemporaryDir homeDir;
    QProcess process;
    QString window;
};
