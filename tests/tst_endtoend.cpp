// The built program on a real X server, driven from outside: only what
// needs it, as the model and window suites check the rest in process.
#include "core/Wordlist.h"
#include "support/RunningTessellon.h"

#include <QDirIterator>
#include <QSettings>

#include <algorithm>

namespace {

// What a copy looks like: "16 characters", "7 words joined by :", or
// "nothing" when none came. No listed word holds ':' or '_'.
QString shape(const QString &copied)
{
    if (copied == QStringLiteral("(before)"))
        return QStringLiteral("nothing");
    static const QStringList list =
        Wordlist::fromFile(QCoreApplication::applicationDirPath() + "/wordlist.txt");
    for (QChar joiner : {u':', u'_'}) {
        const QStringList words = copied.split(joiner);
        if (words.size() > 1
            && std::ranges::all_of(words, [](const QString &word) { return list.contains(word); }))
            return QStringLiteral("%1 words joined by %2").arg(words.size()).arg(joiner);
    }
    return QStringLiteral("%1 characters").arg(copied.size());
}

// The file's bytes, "(absent)" when there is none.
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void startsFromWhatIsOnDisk_data()
    {
        // Stored preferences (null for none), the word list beside the program.
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("wordList");
        QTest::addColumn<QString>("copied");

        QTest::newRow("defaults") << QByteArray() << true << "16 characters";
        QTest::newRow("stored passphrase")
            << QByteArray(R"({"mode":"words","wordCount":7,"separators":":"})") << true
            << "7 words joined by :";
        QTest::newRow("no word list") << QByteArray() << false << "16 characters";
        QTest::newRow("no word list, passphrase")
            << QByteArray(R"({"mode":"words"})") << false << "nothing";
    }

    void startsFromWhatIsOnDisk()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, wordList);
        QFETCH(QString, copied);

        RunningTessellon app;
        if (!stored.isNull())
            QSettings(app.settingsFile(), QSettings::IniFormat).setValue("settings", stored);
        const QByteArray before = contents(app.settingsFile());
        QTemporaryDir bare; // for the program alone, without the word list beside it
        const QString program =
            wordList ? RunningTessellon::builtProgram() : bare.filePath("tessellon");
        QVERIFY(wordList || QFile::copy(RunningTessellon::builtProgram(), program));
        QVERIFY(app.start(program));
        QCOMPARE(shape(app.copyPassword()), copied);
        QVERIFY(app.isRunning());
        QCOMPARE(contents(app.settingsFile()), before); // starting and copying write nothing
    }

    // One application id names the program everywhere: the desktop entry's
    // file, its icon, the AppStream component and its launchable; and the
    // window's class is the one the entry promises. No file the program
    // writes holds a copied password.
    void namedAsItsEntryAndCopiesNeverReachTheDisk()
    {
        const QString id = "io.github.tessellon.Tessellon";
        const auto read = [](const QString &name) {
            return contents(QStringLiteral(TESSELLON_SOURCE_DIR "/resources/") + name);
        };
        const QByteArray entry = read(id + ".desktop"), metainfo = read(id + ".metainfo.xml");
        QVERIFY(entry.contains("\nIcon=" + id.toUtf8() + '\n')
                && read(id + ".svg").contains("<svg"));
        QVERIFY(metainfo.contains("<id>" + id.toUtf8() + "</id>"));
        QVERIFY(metainfo.contains('>' + id.toUtf8() + ".desktop</launchable>"));
        RunningTessellon app;
        QVERIFY(app.start());
        QVERIFY2(entry.contains("\nStartupWMClass=" + app.windowClass() + '\n'), app.windowClass());

        QStringList copied{app.copyPassword()};
        QVERIFY(app.press("ctrl+r"));
        copied.append(app.copyPassword());
        QVERIFY(copied[1] != copied[0]);
        // To words through the mode picker at the bottom left, which is saved.
        QVERIFY(app.clickFromBottomLeft(50, 27));
        QVERIFY(app.press("End"));
        QVERIFY(app.press("Return"));
        copied.append(app.copyPassword());
        QCOMPARE((QStringList{shape(copied[0]), shape(copied[1]), shape(copied[2])}),
                 (QStringList{"16 characters", "16 characters", "5 words joined by _"}));
        QVERIFY(contents(app.settingsFile()).contains("words"));

        QDirIterator files(app.home(), QDir::Files | QDir::Hidden | QDir::System,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QByteArray bytes = contents(files.next());
            for (const QString &text : copied)
                QVERIFY2(!bytes.contains(text.toUtf8()), qPrintable(files.filePath()));
        }
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
