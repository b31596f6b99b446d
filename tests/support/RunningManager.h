#pragma once

#include "support/Desktop.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QTemporaryDir>

#include <csignal>
#include <unistd.h>

// A clipboard manager in its own home: "keeper" takes every copy over as parcellite's persistence
// does; CopyQ keeps a history; xfce4-clipman refills an emptied clipboard and takes its content
// when the owner quits; GPaste on GNOME records every copy; Klipper on KWin keeps and refills.
class RunningManager
{
public:
    explicit RunningManager(const QString &name)
        : m_name(name)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &[variable, value] : {std::pair{"HOME", m_home.path()},
                                              {"XDG_CONFIG_HOME", m_home.filePath("config")},
                                              {"XDG_DATA_HOME", m_home.filePath("data")},
                                              {"XDG_RUNTIME_DIR", m_home.path()},
                                              {"NO_AT_BRIDGE", QStringLiteral("1")}})
            environment.insert(variable, value); // (no accessibility bus started on its bus)
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(m_home.path());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(m_home.filePath("log"), QIODevice::Append);
        m_process.setChildProcessModifier([] { ::setpgid(0, 0); }); // its bus goes with it
    }

    ~RunningManager()
    {
        if (m_name == u"copyq")
            client({"exit"});
        stop();
    }

    // True once watching. xfce4-clipman 1.6.6 stops without a session bus and GPaste would start
    // one: each gets its own. Tried twice: GPaste in a fresh home once took over a minute to start.
    bool start()
    {
        const QStringList command =
            m_name == u"keeper"
                ? QStringList{QCoreApplication::applicationDirPath() + "/clipboard_keeper"}
            : m_name == u"gpaste"        ? QStringList{"dbus-run-session", "--", "sh", "-c",
                                                "echo \"$DBUS_SESSION_BUS_ADDRESS\" >bus && "
                                                       "exec /usr/libexec/gpaste/gpaste-daemon"}
            : m_name == u"xfce4-clipman" ? QStringList{"dbus-run-session", "--", m_name}
                                         : QStringList{m_name};
        const auto running = [&] { return m_process.state() == QProcess::Running; };
        for (int attempt = 1; attempt <= 2; ++attempt) {
            m_process.start(command.first(), command.mid(1));
            if (m_process.waitForStarted()
                && QTest::qWaitFor([&] { return !running() || watching(); }, 60'000)
                && (QTest::qWait(2000), running())) // its connection made, the clipboard watched
                return true;
            stop();
        }
        qWarning().noquote()
            << m_name << "did not start:\n"
            << runTool("tail", {"-c", "4000", m_home.filePath("log")}).value_or("");
        return false;
    }

    // What a refilling manager (xfce4-clipman 1.6.6) puts back is its own, out of a clear's reach.
    bool holdsNothingOfOurs() const
    {
        if (pastesNothing())
            return true;
        if (paste("TARGETS").contains("application/x-tessellon-copy-id"))
            return false;
        if (!m_refills) { // does a probe served for one paste come back once nobody owns it?
            onWayland()
                ? runTool("wl-copy", {"--paste-once"}, "(probe)")
                : runTool("xclip", {"-selection", "clipboard", "-loops", "1", "-i"}, "(probe)");
            QTest::qWait(1500);
            paste();
            QTest::qWait(1500);
            m_refills = paste() == "(probe)";
        }
        return *m_refills;
    }

    // CopyQ's, GPaste's (one line each) or Klipper's history, newest first.
    QByteArrayList history() const
    {
        QByteArrayList items;
        if (m_name == u"klipper") {
            QDBusInterface dbus(klipper, "/klipper", "org.kde.klipper.klipper");
            for (const QString &item :
                 QDBusReply<QStringList>(dbus.call("getClipboardHistoryMenu")).value())
                items << item.toUtf8();
        } else if (m_name == u"gpaste") {
            items = client({"--raw", "history"}).value_or("").split('\n');
        } else {
            for (int row = 0, count = client({"count"}).value_or("0").trimmed().toInt();
                 row < count; ++row)
                items << client({"read", QString::number(row)}).value_or("(unread)");
        }
        return items;
    }

private:
    // Klipper's name on the bus is its own, not an earlier one's; CopyQ and GPaste answer.
    bool watching() const
    {
        if (m_name == u"klipper")
            return QDBusConnection::sessionBus().interface()->servicePid(klipper).value()
                   == m_process.processId();
        return (m_name != u"copyq" && m_name != u"gpaste")
               || client({m_name == u"copyq" ? "count" : "history"});
    }

    void stop()
    {
        if (m_process.state() == QProcess::Running)
            ::kill(-pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished();
        QFile::remove(m_home.filePath("bus"));
    }

    std::optional<QByteArray> client(const QStringList &arguments) const
    {
        QProcess client;
        QProcessEnvironment environment = m_process.processEnvironment();
        QFile bus(m_home.filePath("bus"));
        if (m_name == u"gpaste") // its own bus, or none yet
            environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.open(QIODevice::ReadOnly)
                                                               ? bus.readAll().trimmed()
                                                               : QByteArray("none:"));
        client.setProcessEnvironment(environment);
        client.setStandardInputFile(QProcess::nullDevice()); // gpaste-client would read it
        client.start(m_name == u"gpaste" ? "gpaste-client" : "copyq", arguments);
        if (!client.waitForFinished(10'000) || client.exitCode() != 0)
            return std::nullopt;
        return client.readAllStandardOutput();
    }

    static inline const QString klipper = QStringLiteral("org.kde.klipper");
    QString m_name;
    QTemporaryDir m_home;
    QProcess m_process;
    mutable std::optional<bool> m_refills;
};
