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

// By the shell in the programs' folder: exit status, standard output, standard error.
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
    // The programs on the PATH, in English, with no display. Options not given come from the
    // window's settings, read and never written.
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
        const auto row = [](const char *name, const QString &command, int status,
                            const QString &out, const QString &err = {}) {
            QTest::newRow(name) << command << status << out << err;
        };
        // A mistake in the options: the parser names it, nothing is drawn.
        const auto refused = [&row](const char *name, const QString &arguments, const char *error) {
            row(name, "tessellon-cli " + arguments, 2, "", error);
        };
        // Typed values out of range are errors naming the range, never clamped.
        refused("words 13", "--words=13", "--words must be a whole number from 3 to 12, not '13'.");
        refused("count 0", "-c 0", "--count must be a whole number of at least 1, not '0'.");
        refused("length 16.5", "-l 16.5", "from 4");
        refused("unknown mode", "-m pin", "--mode must be basic, advanced or words, not 'pin'.");
        refused("two forms", "--json --strength", "contradict");
        refused("both ambiguous options", "--exclude-ambiguous --keep-ambiguous", "contradict");
        refused("no-clear alone", "--no-clear", "--no-clear only goes with --copy.");
        refused("an argument", "now", "Unexpected argument 'now'.");
        refused("unreadable rules", "--rules 'minlength: 8; maxlen: 9'",
                "--rules cannot be read at 'maxlen: 9'.");
        refused("an unknown site", "--site example.invalid",
                "No rules are known for the site 'example.invalid'.");
        refused("rules and a site", "'--rules=minlength: 8' --site=163.com", "contradict");
        refused("a list neither shipped nor a file", "--word-list xx",
                "--word-list must be en, de, pt_BR, fr, es or a word list, and 'xx' is not: The "
                "file can't be read.");
        // Characters that cannot be seen or typed back are refused by name.
        refused("newline", "--characters='ab\n'", "--characters holds U+000A");
        refused("zero-width space", "--separators=-\u200B", "--separators holds U+200B");
        refused("bidi override", "--extra=\u202Eab", "--extra holds U+202E");
        refused("line separator", "--characters=a\u2028", "U+2028");
        refused("a joiner joining nothing", "--characters=ab\u200D", "--characters holds U+200D");
        refused("not UTF-8", "--characters \"$(printf 'ab\\377')\"",
                "--characters holds the byte 0xFF, which is not UTF-8 text.");
        // The parser's words, and the way to help, in the user's language.
        row("usage error", "tessellon-cli -l 3", 2, "",
            "tessellon-cli: --length must be a whole number from 4 to 128, not '3'.\n"
            "Try 'tessellon-cli --help' for more information.\n");
        row("German usage error", "LANGUAGE=de_DE tessellon-cli -l 3", 2, "",
            "tessellon-cli: --length muss eine ganze Zahl von 4 bis 128 sein, nicht „3“.\n"
            "„tessellon-cli --help“ liefert weitere Informationen.\n");
        // Both name themselves, whatever the path they were started from.
        row("window version", "./tessellon -V", 0, "Tessellon 0\\.1\\.0\\n");
        row("window help", "./tessellon --help", 0,
            "Usage: tessellon \\[options\\]\\n(.|\\n)*-V, --version(.|\\n)*");
        row("Arabic window help", "LANGUAGE=ar tessellon --help", 0,
            "(.|\n)*يولّد كلمات مرور(.|\n)*");
        row("cli version", "./tessellon-cli -V", 0, "tessellon-cli 0\\.1\\.0\\n");
        row("cli help", "./tessellon-cli --help", 0,
            "Usage: tessellon-cli \\[options\\]\\n(.|\\n)*");
        row("window, unknown option", "tessellon --length 20", 2, "", "Unknown option 'length'");
        row("window, argument", "tessellon now", 2, "",
            "Try 'tessellon --help' for more information.");
        row("the window's settings", "tessellon-cli -c 2", 0, "(([a-z-]+\\+){3}[a-z-]+\\n){2}");
        row("defaults", "tessellon-cli --defaults -c 3", 0, "([!-~]{16}\\n){3}");
        // Each drawn anew: no two alike.
        row("distinct", "tessellon-cli --defaults -c 1000 | sort -u | wc -l", 0, "1000\\n");
        // Arguments arrive as UTF-8; whitespace among the extras is passed over.
        row("advanced extras",
            "tessellon-cli --defaults -m advanced --characters= --extra='\u00E9\t\n\u00FC' -l 128",
            0, "[\u00E9\u00FC]{128}\\n");
        // A joiner inside an emoji joins: the emoji is one character.
        row("an emoji of several scalars",
            "tessellon-cli -m advanced --characters=a --extra=\U0001F469\u200D\U0001F52C -l 8", 0,
            "(a|\U0001F469\u200D\U0001F52C){8}\\n");
        // What scripts read stays English; options go over the window's settings.
        row("strength", "LANGUAGE=de tessellon-cli --defaults --strength", 0,
            "[!-~]{16}\\t100\\.0\\tStrong\\t196 billion years\\n");
        row("digits, ambiguous out",
            "tessellon-cli --defaults --characters 0123O --exclude-ambiguous -l 4 --strength", 0,
            "[23]{4}\\t4\\.0\\tWeak\\tinstantly\\n");
        row("passphrase json", "LANGUAGE=de tessellon-cli -w 3 --separators + --json", 0,
            "\\{\"crackTime\":\"2 seconds\",\"entropyBits\":38\\.77\\d*,\"mode\":\"words\","
            "\"poolSize\":7776,\"rating\":\"Weak\",\"text\":\"[a-z-]+\\+[a-z-]+\\+[a-z-]+\","
            "\"unitCount\":3,\"wordList\":\"de\"\\}\\n");
        // A site's rules and every group: the length within its range, the exact entropy.
        row("a site's rules",
            "tessellon-cli --defaults --site https://www.163.com/ -l 20 --require-each --json", 0,
            "\\{\"crackTime\":\"[^\"]+\",\"entropyBits\":99\\.7438829638959\\d*,\"mode\":\"basic\","
            "\"poolSize\":76,\"rating\":\"Strong\",\"requireEachGroup\":true,"
            // JSON writes a backslash as two.
            "\"rules\":\"minlength: 6; maxlength: 16\","
            "\"text\":\"([!#-\\[\\]-~]|\\\\\\\\){16}\",\"unitCount\":16\\}\\n");
        row("a passphrase within 20",
            "tessellon-cli --defaults -m words -w 3 --max-length 20 --json", 0,
            "\\{\"crackTime\":\"[^\"]+\",\"entropyBits\":36\\.312576247078\\d*,\"maxLength\":20,"
            "\"mode\":\"words\",\"poolSize\":7776,\"rating\":\"Weak\",\"text\":\"[a-z_-]{11,20}\","
            "\"unitCount\":3,\"wordList\":\"en\"\\}\\n");
        // A list of one's own, judged as it is read: only what is kept counts.
        row("a list of one's own",
            "f=$(mktemp); printf 'alpha\\nBeta\\nbeta\\n' >$f; tessellon-cli --defaults -m words "
            "-w 3 --word-list $f --json; s=$?; rm $f; exit $s",
            0,
            "\\{\"crackTime\":\"instantly\",\"entropyBits\":3,\"mode\":\"words\",\"poolSize\":2,"
            "\"rating\":\"Weak\",\"text\":\"(alpha|Beta)(_(alpha|Beta)){2}\",\"unitCount\":3,"
            "\"wordList\":\"/[^\"]+\"\\}\\n");
        row("checking a list",
            "printf '1 alpha\\n2 beta\\n3 al pha\\n' | "
            "tessellon-cli --check-word-list /dev/stdin",
            0,
            "Words kept: 2, 1\\.0 bits a word\\. Lines left out for a space inside a word: 3\\. "
            "Fewer than 1,296 words.*\\n");
        row("checking no list", "tessellon-cli --check-word-list /dev/null", 1,
            "Fewer than two different words\\.\\n");
        row("rules no password meets", "tessellon-cli --defaults -l 4 --rules 'required: [\u00e9]'",
            2, "",
            "tessellon-cli: No character that is on meets the rule \u201Crequired: "
            "[\u00e9]\u201D.");
        // The window's messages; nothing on standard output.
        row("one character", "tessellon-cli -m basic --characters aaa -c 5", 1, "",
            "Turn on at least one character to generate a password.\n");
        // Like the window, it leaves no core file, whatever limit it was given: its limits are
        // read once a first line has come, on a pipe held open so that it waits there.
        row("no core file",
            "ulimit -S -c \"$(ulimit -H -c)\"; p=$(mktemp -u); mkfifo $p; "
            "tessellon-cli --defaults -c 100000000 > $p & exec 3< $p; rm $p; read -r _ <&3; "
            "grep '^Max core' /proc/$!/limits; kill $!",
            0, "Max core file size +0 +0 +bytes *\\n");
        // Every write checked, a closed pipe noticed though SIGPIPE is ignored.
        const char *full = "tessellon-cli: write error: No space left on device\n";
        row("full disk, large", "tessellon-cli --defaults -c 3856 > /dev/full", 1, "", full);
        row("full disk, small", "tessellon-cli --defaults -c 10 > /dev/full", 1, "", full);
        row("help to a full disk", "tessellon-cli --help > /dev/full", 1, "", "write error");
        row("closed output", "tessellon-cli --defaults >&-", 1, "",
            "tessellon-cli: write error: Bad file descriptor\n");
        row("closed pipe, SIGPIPE ignored",
            "trap '' PIPE; { tessellon-cli --defaults -c 3000000; echo \"status $?\" >&2; } "
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
        const QRegularExpression whole(QRegularExpression::anchoredPattern(out));
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
        QCOMPARE(listed.size(), 22);
        QCOMPARE(options(contents(resources + "tessellon-cli.bash-completion")), listed);
        QCOMPARE(options(QString(contents(resources + "tessellon-cli.1")).remove(u'\\')), listed);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
