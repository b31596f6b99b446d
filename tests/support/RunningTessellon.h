#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

// The real program, started on the test X server with a home and XDG
// folders of its own, driven from outside as a user would: keys through
// xdotool, the clipboard through xclip.
class RunningTessellon
{
public:
    // A fresh temporary home; the program is started by start().
    RunningTessellon();
    ~RunningTessellon();

    QString home() const { return homeDir.path(); }
    QString settingsFile() const;
    // Writes the preferences file before start, as an earlier run would.
    void storeSettings(const QByteArray &json) const;
    void storeRawSettingsFile(const QByteArray &bytes) const;

    // Starts the given binary (the built one by default) and waits until its
    // window is shown. Returns false when it never appears.
    bool start(const QString &program = QString());
    bool isRunning() const { return process.state() == QProcess::Running; }
    qint64 pid() const { return process.processId(); }
    QString windowId() const { return window; }
    QSize windowSize() const;

    // Key presses to the program's window, e.g. "ctrl+shift+c".
    bool press(const QString &keys) const;
    // A click at a point of the window, in window coordinates.
    bool click(const QPoint &point) const;

    static QString builtProgram();
    // What another program reads from the clipboard, or nothing when the
    // clipboard is empty or does not offer that target.
    static std::optional<QByteArray> clipboard(const QString &target = "UTF8_STRING");
    static void setClipboard(const QByteArray &text);

private:
    static QString run(const QString &program, const QStringList &arguments, int timeout = 30'000);

    QTemporaryDir homeDir;
    QProcess process;
    QString window;
};
