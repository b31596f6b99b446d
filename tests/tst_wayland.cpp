// The built program on a real Wayland compositor (the headless sway that
// CTest starts), driven as a user would, with wtype for keys, and the
// clipboard as another program sees it, through wl-paste and wl-copy.
#include "support/RunningTessellon.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

constexpr int clearAfter = 1500; // ms, in place of the minute

QByteArray paste(const QStringList &options = {})
{
    return runTool("wl-paste", QStringList{"--no-newline"} + options).value_or("(nothing)");
}

void copyAsAnotherProgram(const QByteArray &text)
{
    // wl-copy serves the text from the background until replaced.
    runTool("wl-copy", {}, text);
}

// The app id of the window that has the keyboard focus, if any.
QString focusedApp()
{
    const QJsonDocument tree =
        QJsonDocument::fromJson(runTool("swaymsg", {"-t", "get_tree"}).value_or(""));
    QList<QJsonObject> nodes{tree.object()};
    while (!nodes.isEmpty()) {
        const QJsonObject node = nodes.takeLast();
        if (node["focused"].toBool())
            return node["app_id"].toString();
        for (const QJsonValue &child : node["nodes"].toArray())
            nodes.append(child.toObject());
    }
    return QString();
}

// The program started with a home of its own and the shortened minute.
class WaylandTessellon
{
public:
    WaylandTessellon()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_home.path());
        environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        environment.insert("TESSELLON_TEST_CLEAR_AFTER_MS", QString::number(clearAfter));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationDirPath() + "/tessellon", {});
    }
    ~WaylandTessellon()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QTemporaryDir m_home;
    QProcess m_process;
};

bool press(const QStringList &keys)
{
    const bool done = runTool("wtype", keys).has_value();
    QTest::qWait(300);
    return done;
}

// wtype brings a keyboard of its own each time; a pause lets the program
// take its keymap before the first key, and the key before the release.
const QStringList copyKeys{"-s", "300", "-M",  "ctrl", "-M",    "shift", "-k",
                           "c",  "-s",  "300", "-m",   "shift", "-m",    "ctrl"};

} // namespace

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Each case starts on the first workspace, where the window opens.
        runTool("swaymsg", {"workspace", "1"});
    }

    // A copy made from the keyboard carries the markers, ahead of the text,
    // and is cleared after the minute although the window has lost the
    // focus by then, unless another program has copied since.
    void copyIsMarkedAndClearedUnlessReplaced_data()
    {
        QTest::addColumn<bool>("theyCopy");
        QTest::newRow("cleared while unfocused") << false;
        QTest::newRow("their later copy stays") << true;
    }

    void copyIsMarkedAndClearedUnlessReplaced()
    {
        QFETCH(bool, theyCopy);
        copyAsAnotherProgram("(before)");
        WaylandTessellon app;
        // Shown under its application id, with the focus.
        QTRY_COMPARE_WITH_TIMEOUT(focusedApp(), u"io.github.tessellon.Tessellon"_s, 20'000);
        QVERIFY(press(copyKeys));
        QTRY_VERIFY(paste() != "(before)");
        const QByteArray password = paste();
        QCOMPARE(password.size(), 16);
        const QList<QByteArray> types = paste({"--list-types"}).split('\n');
        QCOMPARE(types.mid(0, 3), (QList<QByteArray>{"org.nspasteboard.ConcealedType",
                                                     "x-kde-passwordManagerHint", "text/plain"}));
        QCOMPARE(paste({"--type", "x-kde-passwordManagerHint"}), "secret");

        // As a user who went to paste it: the focus goes elsewhere.
        runTool("swaymsg", {"workspace", "2"});
        QTRY_VERIFY(focusedApp().isEmpty());
        if (theyCopy)
            copyAsAnotherProgram("their text");
        QTest::qWait(clearAfter + 500);
        QTRY_COMPARE(paste(), theyCopy ? QByteArray("their text") : QByteArray("(nothing)"));
    }

    // tessellon-cli cannot set the selection without a window here, and
    // says so instead of reporting a copy that did not happen.
    void commandLineCopyIsRefused()
    {
        copyAsAnotherProgram("(before)");
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + "/tessellon-cli", {"--copy"});
        QVERIFY(cli.waitForFinished(30'000));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(cli.readAllStandardError().contains("--copy does not work on Wayland yet"));
        QCOMPARE(paste(), "(before)");
    }
};

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"
