// Both programs as a terminal and scripts run them, through the shell.
#include <QCoreApplication>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static std::tuple<int, QByteArray, QByteArray> run(const QString &script)
{
    QProcess shell;
    shell.setWorkingDirectory(QCoreApplication::applicationDirPath());
    shell.start("/bin/sh", {"-c", script});
    const bool finished = shell.waitForFinished(60'000);
    return {finished ? shell.exitCode() : -1, shell.readAllStandardOutput(),
            shell.readAllStandardError()};
}

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    QByteArray m_stored;

    QString settingsFile() const { return m_config.filePath("Tessellon/Tessellon.conf"); }

private slots:
    // On the PATH, in English, no display; other options from the window's settings, never written.
    void initTestCase()
    {
        qputenv("PATH", QCoreApplication::applicationDirPath().toUtf8() + ':' + qgetenv("PATH"));
        qputenv("LANGUAGE", "en");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qunsetenv("DISPLAY");
        QSettings(settingsFile(), QSettings::IniFormat)
            .setValue("settings", QByteArray(R"({"mode":"words","wordCount":4,"separators":"+"})"));
        m_stored = contents(settingsFile());
    }

    void cleanupTestCase()
    {
        QCOMPARE(contents(settingsFile()), m_stored);
        QDirIterator files(m_config.path(), QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
        QCOMPARE(files.next(), settingsFile());
        QVERIFY(!files.hasNext());
    }

    // The status, what all of standard output matches, what standard error holds.
    void answers_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const QString &command, int status, const QString &out,
                            const QString &err = {}) {
            QTest::newRow(command.toUtf8().replace('\n', "\\n")) << command << status << out << err;
        };
        // A mistake in the options: the parser names it, nothing is drawn.
        const auto refused = [&row](const QString &arguments, const char *error) {
            row("tessellon-cli " + arguments, 2, "", error);
        };
        // Typed values out of range are errors naming the range, never clamped.
        refused("-c 0", "--count must be a whole number of at least 1, not '0'.");
        refused("-l 16.5", "from 4");
        refused("-m pin", "--mode must be basic, advanced or words, not 'pin'.");
        refused("--json --strength", "contradict");
        refused("--no-clear", "--no-clear only goes with --copy.");
        refused("now", "Unexpected argument 'now'.");
        refused("--rules 'minlength: 8; maxlen: 9'", "--rules cannot be read at 'maxlen: 9'.");
        refused("--site example.invalid", "No rules are known for the site 'example.invalid'.");
        refused("'--rules=minlength: 8' --site=163.com", "contradict");
        refused("--word-list xx", "or a word list, and 'xx' is not: The file can't be read.");
        // Characters that cannot be seen or typed back are refused by name.
        refused("--characters='ab\n'", "--characters holds U+000A");
        refused("--separators=-\u200B", "--separators holds U+200B");
        refused("--extra=\u202Eab", "--extra holds U+202E");
        refused("--characters=a\u2028", "U+2028");
        refused("--characters=ab\u200D", "--characters holds U+200D"); // a joiner joining nothing
        refused("--characters \"$(printf 'ab\\377')\"",
                "--characters holds the byte 0xFF, which is not UTF-8 text.");
        // The parser's words, and the way to help, in the user's language.
        row("tessellon-cli --words=13", 2, "",
            "tessellon-cli: --words must be a whole number from 3 to 12, not '13'.\n"
            "Try 'tessellon-cli --help' for more information.\n");
        row("LANGUAGE=de_DE tessellon-cli -l 3", 2, "",
            "tessellon-cli: --length muss eine ganze Zahl von 4 bis 128 sein, nicht „3“.\n"
            "„tessellon-cli --help“ liefert weitere Informationen.\n");
        // Both name themselves, whatever the path they were started from.
        row("./tessellon -V && ./tessellon-cli -V", 0,
            "Tessellon 0\\.1\\.0\\ntessellon-cli 0\\.1\\.0\\n");
        row("./tessellon --help && ./tessellon-cli --help", 0,
            "Usage: tessellon \\[options\\]\\n.*-V, --version.*\\n"
            "Usage: tessellon-cli \\[options\\]\\n.*");
        row("LANGUAGE=ar tessellon --help", 0, ".*يولّد كلمات مرور.*");
        row("tessellon --length 20", 2, "", "Unknown option 'length'");
        row("tessellon now", 2, "", "Try 'tessellon --help' for more information.");
        row("tessellon-cli -c 2", 0, "(([a-z-]+\\+){3}[a-z-]+\\n){2}"); // the window's settings
        row("tessellon-cli --defaults -c 3", 0, "([!-~]{16}\\n){3}");
        // Each drawn anew: no two alike.
        row("tessellon-cli --defaults -c 1000 | sort -u | wc -l", 0, "1000\\n");
        // Arguments arrive as UTF-8; whitespace among the extras is passed over.
        row("tessellon-cli --defaults -m advanced --characters= --extra='\u00E9\t\n\u00FC' -l 128",
            0, "[\u00E9\u00FC]{128}\\n");
        // A joiner inside an emoji joins: the emoji is one character.
        row("tessellon-cli -m advanced --characters=a --extra=\U0001F469\u200D\U0001F52C -l 8", 0,
            "(a|\U0001F469\u200D\U0001F52C){8}\\n");
        // What scripts read stays English; options go over the window's settings.
        row("tessellon-cli --defaults --characters 0123O --exclude-ambiguous -l 4 --strength", 0,
            "[23]{4}\\t4\\.0\\tWeak\\tinstantly\\n");
        row("LANGUAGE=de tessellon-cli -w 3 --separators + --json", 0,
            "\\{\"crackTime\":\"2 seconds\",\"entropyBits\":38\\.77\\d*,\"mode\":\"words\","
            "\"poolSize\":7776,\"rating\":\"Weak\",\"text\":\"[a-z-]+\\+[a-z-]+\\+[a-z-]+\","
            "\"unitCount\":3,\"wordList\":\"de\"\\}\\n");
        // A site's rules and every group: the length within its range, the exact entropy.
        row("tessellon-cli --defaults --site https://www.163.com/ -l 20 --require-each --json", 0,
            "\\{.*\"entropyBits\":99\\.7438829638959\\d*,.*\"poolSize\":76,.*"
            // JSON writes a backslash as two.
            "\"requireEachGroup\":true,\"rules\":\"minlength: 6; maxlength: 16\","
            "\"text\":\"([!#-\\[\\]-~]|\\\\\\\\){16}\",\"unitCount\":16\\}\\n");
        row("tessellon-cli --defaults -m words -w 3 --max-length 20 --json", 0,
            "\\{.*\"entropyBits\":36\\.312576247078\\d*,\"maxLength\":20,.*"
            "\"text\":\"[a-z_-]{11,20}\".*");
        // A list of one's own, judged as it is read: only what is kept counts.
        row("printf 'alpha\\nBeta\\nbeta\\n' | tessellon-cli --word-list /dev/stdin --json", 0,
            "\\{.*\"entropyBits\":4,.*\"poolSize\":2,.*"
            "\"text\":\"(alpha|Beta)(\\+(alpha|Beta)){3}\",.*\"wordList\":\"/[^\"]+\"\\}\\n");
        row("printf '1 alpha\\n2 beta\\n3 al pha\\n' | tessellon-cli --check-word-list /dev/stdin",
            0, "Words kept: 2, .* Lines left out for a space inside a word: 3\\. Fewer.*\\n");
        row("tessellon-cli --check-word-list /dev/null", 1, "Fewer than two different words\\.\\n");
        row("tessellon-cli --defaults -l 4 --rules 'required: [\u00e9]'", 2, "",
            "No character that is on meets the rule \u201Crequired: [\u00e9]\u201D.");
        // The window's messages; nothing on standard output.
        row("tessellon-cli -m basic --characters aaa -c 5", 1, "",
            "Turn on at least one character to generate a password.\n");
        // As the window, no core file whatever the limit: read after a first line, the pipe held.
        row("ulimit -S -c \"$(ulimit -H -c)\"; p=$(mktemp -u); mkfifo $p; "
            "tessellon-cli --defaults -c 100000000 > $p & exec 3< $p; rm $p; read -r _ <&3; "
            "grep '^Max core' /proc/$!/limits; kill $!",
            0, "Max core file size +0 +0 +bytes *\\n");
        // Every write checked, a closed pipe noticed though SIGPIPE is ignored.
        const char *full = "tessellon-cli: write error: No space left on device\n";
        row("tessellon-cli --defaults -c 3856 > /dev/full", 1, "", full); // past 64 KiB
        row("tessellon-cli --help > /dev/full", 1, "", "write error");
        row("tessellon-cli --defaults >&-", 1, "", "write error: Bad file descriptor\n");
        row("trap '' PIPE; { tessellon-cli --defaults -c 3000000; echo \"status $?\" >&2; } "
            "| head -n 1 > /dev/null",
            0, "", "tessellon-cli: write error: Broken pipe\nstatus 1\n");
    }

    void answers()
    {
        QFETCH(QString, command);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const auto [exitStatus, standardOutput, standardError] = run(command);
        QCOMPARE(exitStatus, status);
        const QString shown = QString::fromUtf8(standardOutput);
        const QRegularExpression whole(QRegularExpression::anchoredPattern(out),
                                       QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(whole.match(shown).hasMatch(), qPrintable(shown));
        QVERIFY2(standardError.contains(err.toUtf8()), standardError);
    }

    // The manual page and the bash completion offer exactly what --help lists.
    void documentsEveryOption()
    {
        const auto options = [](const QString &text) {
            QStringList found;
            for (const auto &match : QRegularExpression("--[a-z-]+[a-z]").globalMatch(text))
                found << match.captured();
            found.removeDuplicates();
            found.removeAll("--help-all");
            found.sort();
            return found;
        };
        const QString resources = QStringLiteral(TESSELLON_SOURCE_DIR "/resources/");
        const QStringList listed = options(std::get<1>(run("tessellon-cli --help")));
        QCOMPARE(options(contents(resources + "tessellon-cli.bash-completion")), listed);
        QCOMPARE(options(QString(contents(resources + "tessellon-cli.1")).remove(u'\\')), listed);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
