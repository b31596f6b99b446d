#pragma once

#include "support/Desktop.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QTemporaryDir>

#include <csignal>
#include <unistd.h>

// A clipboard manager with a home of its own: "keeper", the fixture that
// takes every copy over as parcellite's or diodon's persistence does; CopyQ,
// which keeps a history; xfce4-clipman, which also refills an emptied
// clipboard and takes what it holds when its owner quits; GPaste on GNOME,
// which records every copy; Klipper on KWin, which keeps and refills.
class RunningManager
{
public:
    explicit RunningManager(const QString &name)
        : m_name(name)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_home.path());
        environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        environment.insert("XDG_DATA_HOME", m_home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", m_home.path());
        environment.insert("NO_AT_BRIDGE", "1"); // no accessibility bus started on its bus
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

    // Started and watching, or false with what it printed. A first start in
    // a fresh home sets itself up, which in a busy clean root took GPaste
    // over a minute once: a second try is given.
    bool start()
    {
        for (int attempt = 1; attempt <= 2; ++attempt) {
            if (launch() && awaitWatching())
                return true;
            stop();
        }
        QFile log(m_home.filePath("log"));
        log.open(QIODevice::ReadOnly);
        qWarning().noquote() << m_name << "did not start:\n" << log.readAll().right(4000);
        return false;
    }

    // Nothing of ours on the clipboard. A manager that refills an ownerless
    // clipboard (xfce4-clipman 1.6.6) may put back a copy it recorded: that
    // one is its own, served without our id, out of reach of any clear.
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

    // CopyQ's, GPaste's or Klipper's history, newest first.
    QByteArrayList history() const
    {
        QByteArrayList items;
        if (m_name == u"klipper") {
            QDBusInterface klipper(klipperService, "/klipper", "org.kde.klipper.klipper");
            for (const QString &item :
                 QDBusReply<QStringList>(klipper.call("getClipboardHistoryMenu")).value())
                items << item.toUtf8();
        } else if (m_name == u"gpaste") { // one line each: a password has no line break
            items = client({"--raw", "history"}).value_or("").split('\n');
        } else {
            for (int row = 0, count = client({"count"}).value_or("0").trimmed().toInt();
                 row < count; ++row)
                items << client({"read", QString::number(row)}).value_or("(unread)");
        }
        return items;
    }

private:
    // xfce4-clipman 1.6.6 stops without a session bus, and GPaste would be
    // started on one: each gets one of its own.
    bool launch()
    {
        if (m_name == u"keeper")
            m_process.start(QCoreApplication::applicationDirPath() + "/clipboard_keeper");
        else if (m_name == u"gpaste")
            m_process.start("dbus-run-session", {"--", "sh", "-c",
                                                 "echo \"$DBUS_SESSION_BUS_ADDRESS\" >bus && "
                                                 "exec /usr/libexec/gpaste/gpaste-daemon"});
        else if (m_name == u"xfce4-clipman")
            m_process.start("dbus-run-session", {"--", m_name});
        else
            m_process.start(m_name);
        return m_process.waitForStarted();
    }

    void stop()
    {
        if (m_process.state() == QProcess::Running)
            ::kill(-pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished();
        QFile::remove(m_home.filePath("bus"));
    }

    bool awaitWatching()
    {
        const auto running = [&] { return m_process.state() == QProcess::Running; };
        const auto serviceOurs = [&] { // Klipper's name on the bus, not an earlier one's
            const auto *bus = QDBusConnection::sessionBus().interface();
            return bus->servicePid(klipperService).value() == m_process.processId();
        };
        if (m_name == u"klipper")
            return QTest::qWaitFor(serviceOurs, 20'000) && (QTest::qWait(1000), true);
        if (m_name == u"copyq" || m_name == u"gpaste") {
            const QString asked = m_name == u"copyq" ? "count" : "history";
            return QTest::qWaitFor([&] { return !running() || client({asked}).has_value(); },
                                   60'000)
                   && running();
        }
        QTest::qWait(2000); // its connection made, the clipboard watched
        return running();
    }

    // The manager's command line: copyq or gpaste-client.
    std::optional<QByteArray> client(const QStringList &arguments) const
    {
        QProcess client;
        QProcessEnvironment environment = m_process.processEnvironment();
        if (m_name == u"gpaste") {
            QFile bus(m_home.filePath("bus"));
            if (!bus.open(QIODevice::ReadOnly))
                return std::nullopt;
            environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.readAll().trimmed());
        }
        client.setProcessEnvironment(environment);
        client.setStandardInputFile(QProcess::nullDevice()); // gpaste-client would read it
        client.start(m_name == u"gpaste" ? "gpaste-client" : "copyq", arguments);
        if (!client.waitForFinished(10'000) || client.exitCode() != 0)
            return std::nullopt;
        return client.readAllStandardOutput();
    }

    static inline const QString klipperService = QStringLiteral("org.kde.klipper");
    QString m_name;
    QTemporaryDir m_home;
    QProcess m_process;
    mutable std::optional<bool> m_refills;
};
