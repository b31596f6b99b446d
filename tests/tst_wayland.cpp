// The built program on a real Wayland compositor (the headless sway that
// CTest starts), driven as a user would, with wtype for keys and a virtual
// pointer for clicks, and the clipboard as another program sees it, through
// wl-paste and wl-copy.
#include "support/ModelFixture.h"
#include "support/RunningTessellon.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

constexpr int clearAfter = 2500;  // ms, in place of the minute
constexpr int longerClear = 8000; // room for a second copy within it

QByteArray paste(const QStringList &options = {})
{
    return runTool("wl-paste", QStringList{"--no-newline"} + options).value_or("(nothing)");
}

void copyAsAnotherProgram(const QByteArray &text)
{
    // wl-copy serves the text from the background until replaced.
    runTool("wl-copy", {}, text);
}

// The window that has the keyboard focus, if any: its app id, how it came
// ("xdg_shell" for a native Wayland window, "xwayland" through X11), and
// where it stands on the output.
struct Focused
{
    QString appId;
    QString shell;
    QRect rect;
};

Focused focused()
{
    const QJsonDocument tree =
        QJsonDocument::fromJson(runTool("swaymsg", {"-t", "get_tree"}).value_or(""));
    QList<QJsonObject> nodes{tree.object()};
    while (!nodes.isEmpty()) {
        const QJsonObject node = nodes.takeLast();
        if (node["focused"].toBool()) {
            const QJsonObject rect = node["rect"].toObject();
            return {node["app_id"].toString(), node["shell"].toString(),
                    QRect(rect["x"].toInt(), rect["y"].toInt(), rect["width"].toInt(),
                          rect["height"].toInt())};
        }
        for (const QJsonValue &child : node["nodes"].toArray())
            nodes.append(child.toObject());
    }
    return {};
}

// A left click on a control of the focused window. Where the control is
// comes from a twin of the window, laid out unseen at the same size with
// the same fonts and style.
bool click(const char *control)
{
    const QRect window = focused().rect;
    ModelFixture fixture;
    MainWindow twin(*fixture.model);
    twin.setAttribute(Qt::WA_DontShowOnScreen);
    twin.resize(window.size());
    twin.show();
    const QWidget *target = twin.findChild<QWidget *>(QString::fromLatin1(control));
    const QPoint at = window.topLeft() + target->mapTo(&twin, target->rect().center());
    const bool done = runTool(TESSELLON_SOURCE_DIR "/tests/support/wlclick",
                              {QString::number(at.x()), QString::number(at.y()), "1280", "900"})
                          .has_value();
    QTest::qWait(300);
    return done;
}

// The program with its stored settings, the shortened minute, and a
// wl-copy that notes being run, which it must never be: a clear through it
// could land after another program's copy.
struct WaylandTessellon : RunningTessellon
{
    WaylandTessellon(const QByteArray &settings, int clearAfterMs)
    {
        QSettings(settingsFile(), QSettings::IniFormat).setValue("settings", settings);
        QDir(home()).mkpath("bin");
        QFile wlCopy(home() + "/bin/wl-copy");
        wlCopy.open(QIODevice::WriteOnly);
        wlCopy.write("#!/bin/sh\ntouch \"$0.ran\"\n");
        wlCopy.setPermissions(wlCopy.permissions() | QFileDevice::ExeOwner);
        QProcessEnvironment extra;
        extra.insert("PATH", home() + "/bin:" + qEnvironmentVariable("PATH"));
        extra.insert("TESSELLON_TEST_CLEAR_AFTER_MS", QString::number(clearAfterMs));
        launch(extra);
    }

    bool ranWlCopy() const { return QFile::exists(home() + "/bin/wl-copy.ran"); }
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

    // A copy made with the Copy button or from the keyboard carries the
    // markers, ahead of the text. A minute later it is cleared although the
    // window has lost the focus by then, unless another program has copied
    // since, or the clear is off; a second copy within the minute starts it
    // again.
    void copyIsMarkedAndClearedUnlessReplaced_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("theyCopy");
        QTest::addColumn<bool>("copyAgain");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("byClick");
        QTest::newRow("cleared while unfocused")
            << QByteArray("{}") << false << false << true << true;
        QTest::newRow("their later copy stays")
            << QByteArray("{}") << true << false << false << false;
        QTest::newRow("kept with the clear off")
            << QByteArray(R"({"autoClearClipboard":false})") << false << false << false << true;
        QTest::newRow("a second copy restarts the minute")
            << QByteArray("{}") << false << true << true << false;
    }

    void copyIsMarkedAndClearedUnlessReplaced()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, theyCopy);
        QFETCH(bool, copyAgain);
        QFETCH(bool, cleared);
        QFETCH(bool, byClick);
        copyAsAnotherProgram("(before)");
        const int minute = copyAgain ? longerClear : clearAfter;
        WaylandTessellon app(settings, minute);
        // Shown natively under its application id, with the focus.
        QTRY_COMPARE_WITH_TIMEOUT(focused().appId, u"io.github.tessellon.Tessellon"_s, 20'000);
        QCOMPARE(focused().shell, u"xdg_shell"_s);
        QVERIFY(byClick ? click("copyButton") : press(copyKeys));
        QTRY_VERIFY(paste() != "(before)");
        QElapsedTimer sinceCopy;
        sinceCopy.start();
        QByteArray password = paste();
        QCOMPARE(password.size(), 16);
        const QList<QByteArray> types = paste({"--list-types"}).split('\n');
        QCOMPARE(types.mid(0, 3), (QList<QByteArray>{"org.nspasteboard.ConcealedType",
                                                     "x-kde-passwordManagerHint", "text/plain"}));
        QCOMPARE(paste({"--type", "x-kde-passwordManagerHint"}), "secret");
        if (copyAgain) {
            // A new password, copied before the first minute is out: it is
            // still there once the first copy's minute has passed.
            QVERIFY(press({"-s", "300", "-M", "ctrl", "-k", "r", "-s", "300", "-m", "ctrl"}));
            QVERIFY(press(copyKeys));
            QTRY_VERIFY(paste() != password);
            password = paste();
            const qint64 second = sinceCopy.elapsed();
            QVERIFY2(second < minute - 1000, "too slow to copy twice within the minute");
            QTest::qWait(minute + 300 - int(second));
            QCOMPARE(paste(), password);
        }

        // As a user who went to paste it: the focus goes elsewhere.
        runTool("swaymsg", {"workspace", "2"});
        QTRY_VERIFY(focused().appId.isEmpty());
        if (theyCopy)
            copyAsAnotherProgram("their text");
        QTest::qWait(minute + 500);
        QTRY_COMPARE(paste(), cleared    ? QByteArray("(nothing)")
                              : theyCopy ? QByteArray("their text")
                                         : password);
        QVERIFY(!app.ranWlCopy());
    }

    // The history panel opens from a click and copies a row from the
    // keyboard, marked as any copy: the password replaced, not the one shown.
    void historyCopiesWithItsMarkers()
    {
        WaylandTessellon app("{}", longerClear);
        QTRY_COMPARE_WITH_TIMEOUT(focused().appId, u"io.github.tessellon.Tessellon"_s, 20'000);
        copyAsAnotherProgram("(before)");
        QVERIFY(click("regenerateButton"));
        QVERIFY(click("historyButton"));
        QVERIFY(press({"-s", "300", "-k", "Return"}));
        QTRY_VERIFY(paste() != "(before)");
        const QByteArray replaced = paste();
        QCOMPARE(replaced.size(), 16);
        QVERIFY(paste({"--list-types"}).startsWith("org.nspasteboard.ConcealedType\n"));
        QVERIFY(press({"-s", "300", "-k", "Escape"}));
        QVERIFY(press(copyKeys));
        QTRY_VERIFY(paste() != replaced);
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

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
