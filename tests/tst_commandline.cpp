// tessellon-cli's parser in process, and the two programs as a terminal runs
// them: the window's --help and --version, tessellon-cli's output forms,
// statuses and streams.
#include "cli/CommandLineRequest.h"
#include "support/ChiSquare.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    // A built program, the command split at spaces, its settings under m_config.
    // A command such as "tessellon-cli -c 3", run in English unless it
    // starts with another language ("LANGUAGE=de tessellon-cli ...").
    Run run(const QString &command) const
    {
        QStringList words = command.split(u' ');
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", "en");
        if (words.first().startsWith(u"LANGUAGE="))
            environment.insert("LANGUAGE", words.takeFirst().section(u'=', 1));
        environment.insert("XDG_CONFIG_HOME", m_config.path());
        environment.remove("DISPLAY");
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + '/' + words.first(), words.mid(1));
        if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

private slots:
    // In process: the mistakes the parser names. What it accepts shows in
    // the built program's answers below.
    void refuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const auto refused = [](const char *name, const QStringList &arguments, const char *error) {
            QTest::newRow(name) << arguments << QString(error);
        };
        // Typed values out of range are errors naming the range, never clamped.
        refused("words 13", {"--words=13"}, "--words must be a whole number from 3 to 12, not '13'.");
        refused("count 0", {"-c", "0"}, "--count must be a whole number of at least 1, not '0'.");
        refused("length 16.5", {"-l", "16.5"}, "from 4");
        refused("unknown mode", {"-m", "pin"}, "--mode must be basic, advanced or words, not 'pin'.");
        refused("two forms", {"--json", "--strength"}, "contradict");
        refused("both ambiguous options", {"--exclude-ambiguous", "--keep-ambiguous"}, "contradict");
        refused("no-clear alone", {"--no-clear"}, "--no-clear only goes with --copy.");
        refused("an argument", {"now"}, "Unexpected argument 'now'.");
        // Characters that cannot be seen or typed back are refused by name.
        refused("newline", {"--characters=ab\n"}, "--characters holds U+000A");
        refused("zero-width space", {"--separators=-\u200B"}, "--separators holds U+200B");
        refused("bidi override", {"--extra=\u202Eab"}, "--extra holds U+202E");
        refused("line separator", {"--characters=a\u2028"}, "U+2028");
        refused("a joiner joining nothing", {"--characters=ab\u200D"}, "--characters holds U+200D");
    }

    void refuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const auto parsed = parseCommandLine(QStringList{"tessellon-cli"} + arguments);
        const auto *refusal = std::get_if<UsageError>(&parsed);
        QVERIFY2(refusal && refusal->message.contains(error),
                 refusal ? qPrintable(refusal->message) : "accepted");
    }

    // The built programs: the status, what all of standard output matches,
    // what standard error holds.
    void answers_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const char *name, const char *command, int status, const char *out,
                            const char *err = "") {
            QTest::newRow(name) << QString(command) << status << QString(out) << QString(err);
        };
        // Both programs name themselves, not the path they were started from,
        // and spell the version option alike.
        row("window version", "tessellon -V", 0, "Tessellon 0\\.1\\.0\\n");
        row("window help", "tessellon --help", 0, "Usage: tessellon \\[options\\]\\n(.|\\n)*-V, --version(.|\\n)*");
        row("cli version", "tessellon-cli -V", 0, "tessellon-cli 0\\.1\\.0\\n");
        row("cli help", "tessellon-cli --help", 0, "Usage: tessellon-cli \\[options\\]\\n(.|\\n)*");
        row("window, unknown option", "tessellon --length 20", 2, "", "Unknown option 'length'");
        row("window, argument", "tessellon now", 2, "",
            "Try 'tessellon --help' for more information.");
        row("defaults", "tessellon-cli --defaults -c 3", 0, "([!-~]{16}\\n){3}");
        row("strength", "tessellon-cli --defaults --strength", 0,
            "[!-~]{16}\\t100\\.0\\tStrong\\t196 billion years\\n");
        row("digits, ambiguous out",
            "tessellon-cli --defaults --characters 0123O --exclude-ambiguous -l 4 --strength", 0,
            "[23]{4}\\t4\\.0\\tWeak\\tinstantly\\n");
        // Arguments arrive as UTF-8; whitespace among the extras is passed over.
        row("advanced extras",
            "tessellon-cli --defaults -m advanced --characters= --extra=\u00E9\t\n\u00FC -l 128", 0,
            "[\u00E9\u00FC]{128}\\n");
        // A joiner inside an emoji joins: the emoji is one character.
        row("an emoji of several scalars",
            "tessellon-cli --defaults -m advanced --characters=a --extra=\U0001F469\u200D\U0001F52C -l 8", 0,
            "(a|\U0001F469\u200D\U0001F52C){8}\\n");
        row("passphrase json", "tessellon-cli --defaults -m words -w 3 --separators + --json", 0,
            "\\{\"crackTime\":\"2 seconds\",\"entropyBits\":38\\.77\\d*,\"mode\":\"words\","
            "\"poolSize\":7776,\"rating\":\"Weak\",\"text\":\"[a-z-]+\\+[a-z-]+\\+[a-z-]+\","
            "\"unitCount\":3\\}\\n");
        // A mistake: the parser's words, and the way to help.
        row("usage error", "tessellon-cli -l 3", 2, "",
            "tessellon-cli: --length must be a whole number from 4 to 128, not '3'.\n"
            "Try 'tessellon-cli --help' for more information.\n");
        // In another language the messages and the help are in it, and what
        // scripts read is not: the JSON and the strength lines stay English.
        row("German usage error", "LANGUAGE=de tessellon-cli -l 3", 2, "",
            "tessellon-cli: --length muss eine ganze Zahl von 4 bis 128 sein, nicht „3“.\n"
            "„tessellon-cli --help“ liefert weitere Informationen.\n");
        row("German help", "LANGUAGE=de_DE tessellon-cli --help", 0,
            "(.|\n)*Gibt Passwörter oder Passphrasen aus(.|\n)*");
        row("German json", "LANGUAGE=de tessellon-cli --defaults -m words -w 3 --json", 0,
            "\\{\"crackTime\":\"2 seconds\",(.|\\n)*\"rating\":\"Weak\",(.|\\n)*");
        row("German strength", "LANGUAGE=de tessellon-cli --defaults --strength", 0,
            "[!-~]{16}\\t100\\.0\\tStrong\\t196 billion years\\n");
        row("Arabic window help", "LANGUAGE=ar tessellon --help", 0,
            "(.|\n)*يولّد كلمات مرور(.|\n)*");
        // The window's messages; nothing on standard output.
        row("one character", "tessellon-cli --characters aaa -c 5", 1, "",
            "Turn on at least one character to generate a password.\n");
        row("ambiguous only", "tessellon-cli --defaults --characters 0O1l --exclude-ambiguous", 1,
            "", "Turn on at least one character");
    }

    void answers()
    {
        QFETCH(QString, command);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run result = run(command);
        QCOMPARE(result.status, status);
        const QString shown = QString::fromUtf8(result.out);
        QVERIFY2(
            QRegularExpression(QRegularExpression::anchoredPattern(out)).match(shown).hasMatch(),
            qPrintable(shown));
        QVERIFY2(result.err.contains(err.toUtf8()), result.err);
    }

    // What a script meets: every write checked, a closed pipe noticed though
    // SIGPIPE is ignored, bytes that are not UTF-8 refused. Run by the shell,
    // with the programs on its PATH.
    void scripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("full disk, large")
            << "tessellon-cli --defaults -c 3856 > /dev/full" << 1
            << "tessellon-cli: write error: No space left on device\n";
        QTest::newRow("full disk, small")
            << "tessellon-cli --defaults -c 10 > /dev/full" << 1
            << "tessellon-cli: write error: No space left on device\n";
        QTest::newRow("help to a full disk") << "tessellon-cli --help > /dev/full" << 1
                                             << "write error";
        QTest::newRow("closed output") << "tessellon-cli --defaults >&-" << 1
                                       << "tessellon-cli: write error: Bad file descriptor\n";
        QTest::newRow("closed pipe, SIGPIPE ignored")
            << "trap '' PIPE; { tessellon-cli --defaults -c 3000000; echo \"status $?\" >&2; } "
               "| head -n 1 > /dev/null"
            << 0 << "tessellon-cli: write error: Broken pipe\nstatus 1\n";
        QTest::newRow("not UTF-8") << "tessellon-cli --characters \"$(printf 'ab\\377')\"" << 2
                                   << "--characters holds the byte 0xFF, which is not UTF-8 text.";
    }

    void scripts()
    {
        QFETCH(QString, script);
        QFETCH(int, status);
        QFETCH(QString, err);
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", m_config.path());
        environment.insert("PATH", QCoreApplication::applicationDirPath() + ':'
                                       + environment.value("PATH"));
        shell.setProcessEnvironment(environment);
        shell.start("/bin/sh", {"-c", script});
        QVERIFY(shell.waitForFinished(60'000));
        QCOMPARE(shell.exitCode(), status);
        const QByteArray shown = shell.readAllStandardError();
        QVERIFY2(shown.contains(err.toUtf8()), shown);
    }

    // Like the window, the command line keeps its passwords to itself: no
    // core file however the caller set the limit. Seen while it runs.
    void hardened()
    {
        rlimit core{};
        getrlimit(RLIMIT_CORE, &core);
        core.rlim_cur = std::min<rlim_t>(core.rlim_max, 1 << 20);
        if (core.rlim_cur == 0)
            QSKIP("core files are off for this test already, so the check could not fail");
        QCOMPARE(setrlimit(RLIMIT_CORE, &core), 0);
        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        cli.start(QCoreApplication::applicationDirPath() + "/tessellon-cli",
                  {"--defaults", "-c", "100000000"});
        QVERIFY(cli.waitForStarted());
        const auto coreLimit = [&cli] {
            QFile limits(QStringLiteral("/proc/%1/limits").arg(cli.processId()));
            limits.open(QIODevice::ReadOnly);
            for (const QByteArray &line : limits.readAll().split('\n'))
                if (line.startsWith("Max core file size"))
                    return line.simplified();
            return QByteArray();
        };
        QTRY_COMPARE(coreLimit(), QByteArray("Max core file size 0 0 bytes"));
        cli.kill();
        cli.waitForFinished();
    }

    // Options not given come from the window's settings, which are read and
    // never written; --defaults ignores them.
    void readsTheWindowsSettingsOnly()
    {
        const QString file = m_config.filePath("Tessellon/Tessellon.conf");
        QSettings(file, QSettings::IniFormat)
            .setValue("settings", QByteArray(R"({"mode":"words","wordCount":4,"separators":"+"})"));
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray before = stored.readAll();
        const Run words = run("tessellon-cli -c 2"), shorter = run("tessellon-cli -w 3");
        const Run defaults = run("tessellon-cli --defaults");
        for (const QByteArray &line : words.out.trimmed().split('\n'))
            QCOMPARE(line.count('+'), 3);
        QCOMPARE(shorter.out.count('+'), 2);
        QCOMPARE(defaults.out.size(), 17);
        stored.seek(0);
        QCOMPARE(stored.readAll(), before);
        QVERIFY(!QFile::exists(m_config.filePath("Tessellon.conf")));
        QFile::remove(file);
    }

    // The manual page and the bash completion offer exactly what --help lists.
    void documentsEveryOption()
    {
        const QRegularExpression option("--[a-z-]+[a-z]");
        const auto options = [&](const QString &text, const QString &prefix = {}) {
            QStringList found;
            for (const auto &match : option.globalMatch(QString(text).remove(prefix)))
                found << match.captured();
            found.removeDuplicates();
            found.removeAll("--help-all");
            found.sort();
            return found;
        };
        const auto source = [](const char *name) {
            QFile file(QStringLiteral(TESSELLON_SOURCE_DIR "/resources/") + name);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QStringList listed = options(run("tessellon-cli --help").out);
        QCOMPARE(listed.size(), 16);
        QCOMPARE(options(source("tessellon-cli.bash-completion")), listed);
        QCOMPARE(options(source("tessellon-cli.1"), "\\"), listed);
    }

    // Each password is drawn anew: every digit at every place, and every pair
    // of first digits of one password and the next, are equally likely.
    void countDrawsEachAnew()
    {
        const Run result = run("tessellon-cli --defaults --characters 0123456789 -l 4 -c 4000");
        const QList<QByteArray> lines = result.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 4000);
        QList<qint64> places(40), pairs(100);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            for (int place = 0; place < 4; ++place)
                ++places[place * 10 + lines[i][place] - '0'];
            if (i > 0)
                ++pairs[(lines[i - 1][0] - '0') * 10 + lines[i][0] - '0'];
        }
        for (int place = 0; place < 4; ++place)
            QVERIFY(ChiSquare::pValue(places.mid(place * 10, 10)) > ChiSquare::falseAlarmRate);
        QVERIFY(ChiSquare::pValue(pairs) > ChiSquare::falseAlarmRate);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
