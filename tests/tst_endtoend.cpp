// The built program on a real X server, driven from outside as a user
// would drive it: keyboard shortcuts, clicks, and another program reading
// the clipboard.
#include "core/Wordlist.h"
#include "services/SettingsJson.h"
#include "support/RunningTessellon.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QSettings>
#include <QTest>

namespace {

QString copiedText()
{
    return QString::fromUtf8(RunningTessellon::clipboard().value_or(QByteArray()));
}

// Copies the current password with the shortcut and reads it back, giving
// a slow machine a few seconds; "(before)" when nothing was copied.
QString copyPassword(const RunningTessellon &app)
{
    RunningTessellon::setClipboard("(before)");
    if (!app.press("ctrl+shift+c"))
        return QString();
    QString text = copiedText();
    for (int tries = 0; tries < 25 && text == QStringLiteral("(before)"); ++tries) {
        QTest::qWait(200);
        text = copiedText();
    }
    return text;
}

// Every file under the folder whose bytes hold any of the texts.
QStringList filesHolding(const QString &folder, const QStringList &texts)
{
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        for (const QString &text : texts) {
            if (bytes.contains(text.toUtf8()))
                found.append(file.fileName());
        }
    }
    return found;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void windowAppearsAtItsDefaultSize();
    void shortcutsCopyAndRegenerate();
    void startsFromStoredSettings();
    void corruptSettingsStayUntouched();
    void missingWordListOnlyFailsPassphrases();
    void nothingSecretReachesTheDisk();
};

void TestEndToEnd::windowAppearsAtItsDefaultSize()
{
    RunningTessellon app;
    QVERIFY(app.start());
    const QSize size = app.windowSize();
    QCOMPARE(size.width(), 620);
    QVERIFY2(size.height() >= 430 && size.height() < 480,
             qPrintable(QString::number(size.height())));

    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(app.windowId().toULongLong());
    QVERIFY(!shot.isNull());
    const QString folder = QCoreApplication::applicationDirPath() + "/../renders";
    QDir().mkpath(folder);
    QVERIFY(shot.save(folder + "/endtoend-window.png"));

    QTest::qWait(1000);
    QVERIFY(app.isRunning());
}

void TestEndToEnd::shortcutsCopyAndRegenerate()
{
    RunningTessellon app;
    QVERIFY(app.start());
    const QString first = copyPassword(app);
    QCOMPARE(first.size(), 16);
    const QByteArray targets = RunningTessellon::clipboard("TARGETS").value_or(QByteArray());
    QVERIFY(targets.contains("org.nspasteboard.ConcealedType"));
    QVERIFY(targets.contains("x-kde-passwordManagerHint"));

    QVERIFY(app.press("ctrl+r"));
    const QString second = copyPassword(app);
    QCOMPARE(second.size(), 16);
    QVERIFY(second != first);
}

void TestEndToEnd::startsFromStoredSettings()
{
    RunningTessellon app;
    app.storeSettings(R"({"mode":"words","wordCount":7,"separators":"-"})");
    QVERIFY(app.start());
    const QStringList words = copyPassword(app).split(u'-');
    QCOMPARE(words.size(), 7);
    const QStringList list =
        Wordlist::fromFile(QCoreApplication::applicationDirPath() + "/wordlist.txt");
    for (const QString &word : words)
        QVERIFY2(list.contains(word), qPrintable(word));
}

void TestEndToEnd::corruptSettingsStayUntouched()
{
    RunningTessellon app;
    const QByteArray corrupt("[General]\nsettings=@ByteArray({\"mode\":\"words\",\"length\":)\n"
                             "\xff\xfe garbage \x01\n");
    app.storeRawSettingsFile(corrupt);
    QVERIFY(app.start());
    QCOMPARE(copyPassword(app).size(), 16); // the defaults: 16 characters
    QVERIFY(app.press("ctrl+r"));
    QFile file(app.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), corrupt);
}

void TestEndToEnd::missingWordListOnlyFailsPassphrases()
{
    // The program alone in a folder, without the word list beside it.
    QTemporaryDir bare;
    const QString program = bare.filePath("tessellon");
    QVERIFY(QFile::copy(RunningTessellon::builtProgram(), program));

    RunningTessellon characters;
    QVERIFY(characters.start(program));
    QCOMPARE(copyPassword(characters).size(), 16);

    RunningTessellon words;
    words.storeSettings(R"({"mode":"words"})");
    QVERIFY(words.start(program));
    QVERIFY(words.isRunning());
    // No passphrase, so nothing to copy: the clipboard keeps what it had.
    QCOMPARE(copyPassword(words), QStringLiteral("(before)"));
    QVERIFY(words.isRunning());
}

void TestEndToEnd::nothingSecretReachesTheDisk()
{
    RunningTessellon app;
    QVERIFY(app.start());
    QStringList copied;
    for (int round = 0; round < 3; ++round) {
        copied.append(copyPassword(app));
        QVERIFY(app.press("ctrl+r"));
    }
    // To words mode through the mode picker at the bottom left.
    QVERIFY(app.click(QPoint(50, app.windowSize().height() - 27)));
    QVERIFY(app.press("End"));
    QVERIFY(app.press("Return"));
    const QString passphrase = copyPassword(app);
    QVERIFY2(passphrase.contains(u'_'), qPrintable(QStringLiteral("no passphrase copied")));
    copied.append(passphrase);
    QVERIFY(app.press("ctrl+r"));
    copied.append(copyPassword(app));
    for (const QString &text : copied)
        QVERIFY(!text.isEmpty());

    QCOMPARE(filesHolding(app.home(), copied), QStringList());
    QSettings stored(app.settingsFile(), QSettings::IniFormat);
    const QJsonObject document =
        QJsonDocument::fromJson(stored.value("settings").toByteArray()).object();
    QCOMPARE(document.keys(),
             (QStringList{"additionalCharacters", "autoClearClipboard", "enabledCharacters",
                          "excludeAmbiguous", "length", "mode", "separators", "wordCount"}));
    QCOMPARE(document.value("mode").toString(), QStringLiteral("words"));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
