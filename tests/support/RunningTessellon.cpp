#include "support/RunningTessellon.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QThread>

RunningTessellon::RunningTessellon()
{
    for (const char *folder : {"config", "data", "cache", "state", "runtime"})
        QDir(homeDir.path()).mkpath(QLatin1StringView(folder));
    QFile::setPermissions(homeDir.filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

RunningTessellon::~RunningTessellon()
{
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(5'000))
            process.kill();
        process.waitForFinished(5'000);
    }
}

QString RunningTessellon::settingsFile() const
{
    return homeDir.filePath("config/Tessellon/Tessellon.conf");
}

void RunningTessellon::storeSettings(const QByteArray &json) const
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue("settings", json);
}

void RunningTessellon::storeRawSettingsFile(const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile file(settingsFile());
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString RunningTessellon::builtProgram()
{
    return QCoreApplication::applicationDirPath() + "/tessellon";
}

bool RunningTessellon::start(const QString &program)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home());
    environment.insert("XDG_CONFIG_HOME", homeDir.filePath("config"));
    environment.insert("XDG_DATA_HOME", homeDir.filePath("data"));
    environment.insert("XDG_CACHE_HOME", homeDir.filePath("cache"));
    environment.insert("XDG_STATE_HOME", homeDir.filePath("state"));
    environment.insert("XDG_RUNTIME_DIR", homeDir.filePath("runtime"));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program.isEmpty() ? builtProgram() : program, {});
    if (!process.waitForStarted())
        return false;
    window = run("xdotool", {"search", "--sync", "--onlyvisible", "--pid",
                             QString::number(process.processId())})
                 .section(u'\n', 0, 0);
    if (window.isEmpty())
        return false;
    // No window manager runs on the test server: give the window the focus.
    run("xdotool", {"windowfocus", "--sync", window});
    QThread::msleep(200); // let the program take the focus in
    return true;
}

QSize RunningTessellon::windowSize() const
{
    const QString shell = run("xdotool", {"getwindowgeometry", "--shell", window});
    QSize size;
    for (const QString &line : shell.split(u'\n')) {
        if (line.startsWith("WIDTH="))
            size.setWidth(line.mid(6).toInt());
        if (line.startsWith("HEIGHT="))
            size.setHeight(line.mid(7).toInt());
    }
    return size;
}

bool RunningTessellon::press(const QString &keys) const
{
    QProcess xdotool;
    xdotool.start("xdotool", {"key", "--clearmodifiers", keys});
    const bool done = xdotool.waitForFinished(10'000) && xdotool.exitCode() == 0;
    QThread::msleep(300); // the program handles the keys on its own time
    return done;
}

bool RunningTessellon::click(const QPoint &point) const
{
    QProcess xdotool;
    xdotool.start("xdotool", {"mousemove", "--window", window, QString::number(point.x()),
                              QString::number(point.y()), "click", "1"});
    const bool done = xdotool.waitForFinished(10'000) && xdotool.exitCode() == 0;
    QThread::msleep(300);
    return done;
}

std::optional<QByteArray> RunningTessellon::clipboard(const QString &target)
{
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-o", "-t", target});
    if (!xclip.waitForFinished(10'000) || xclip.exitCode() != 0)
        return std::nullopt;
    return xclip.readAllStandardOutput();
}

void RunningTessellon::setClipboard(const QByteArray &text)
{
    // xclip forks and serves the text in the background until replaced.
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-i"});
    xclip.write(text);
    xclip.closeWriteChannel();
    xclip.waitForFinished(10'000);
}

QString RunningTessellon::run(const QString &program, const QStringList &arguments, int timeout)
{
    QProcess child;
    child.start(program, arguments);
    if (!child.waitForFinished(timeout)) {
        child.kill();
        child.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
}
