#include "app/StartupOptions.h"

#include "startup/CommandLineUsage.h"
#include "startup/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// Qt's own options, which QApplication takes out of the arguments later:
// accepted here so that they never read as usage errors.
const char *const qtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "name",
    "title",
    "style",
    "stylesheet",
    "qmljsdebugger",
    "visual",
    "ncols",
    "cmap",
    "fontengine",
};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addQtOptions(QCommandLineParser &parser)
{
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    // The usual start, from a launcher: nothing to read, so no parser to build.
    if (argc <= 1)
        return std::nullopt;
    // A core application, not yet the GUI one, so that nothing here needs
    // a display; the parser reads the program's name and version from it.
    const QCoreApplication core(argc, argv);
    const Translations translations;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "StartupOptions",
        "Generates strong passwords and passphrases in a window. The window keeps the settings "
        "you chose last time; for passwords in a terminal or a script, use tessellon-cli."));
    const QCommandLineOption help = parser.addHelpOption();
    // Spelt as tessellon-cli spells it.
    const QCommandLineOption version(
        {QStringLiteral("V"), QStringLiteral("version")},
        QCoreApplication::translate("StartupOptions", "Show the version and exit."));
    parser.addOption(version);
    addQtOptions(parser);

    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error =
            parser.errorText().isEmpty()
                ? CommandLineUsage::unexpectedArgument(parser.positionalArguments().value(0))
                : parser.errorText();
        print(stderr, CommandLineUsage::error(program, error));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, CommandLineUsage::namingTheProgram(parser.helpText(), program));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}
