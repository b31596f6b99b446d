#include "cli/CommandLineRequest.h"

#include "cli/CommandLineArguments.h"
#include "core/Characters.h"
#include "core/PasswordRules.h"
#include "core/SiteRules.h"
#include "core/Wordlist.h"
#include "core/WordlistVerdict.h"
#include "startup/CommandLineUsage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

// A whole number the person typed, within the range the window offers.
std::variant<qint64, UsageError> wholeNumber(const QString &text, const QString &option,
                                             qint64 lowest, qint64 highest)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (ok && value >= lowest && value <= highest)
        return value;
    if (highest == std::numeric_limits<qint64>::max())
        return UsageError{
            CommandLineRequest::tr("--%1 must be a whole number of at least %2, not '%3'.")
                .arg(option)
                .arg(lowest)
                .arg(text)};
    return UsageError{CommandLineRequest::tr("--%1 must be a whole number from %2 to %3, not '%4'.")
                          .arg(option)
                          .arg(lowest)
                          .arg(highest)
                          .arg(text)};
}

QString hex(uint value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

// The scalar of a character that cannot be seen or typed back, if any: a
// control or format character, a line or paragraph separator, or a joiner
// at the end, which joins nothing and rides along unseen.
std::optional<uint> unseenScalar(const QString &character)
{
    const QList<uint> scalars = character.toUcs4();
    if (scalars.size() > 1 && (scalars.last() == 0x200C || scalars.last() == 0x200D))
        return scalars.last();
    const uint first = Characters::firstScalar(character);
    switch (QChar::category(first)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return first;
    default:
        return std::nullopt;
    }
}

// Characters for a password must be seen and typed back: those above and
// bytes that are not UTF-8 are refused by name. In --extra, whitespace is
// passed over, as the window's field passes it.
std::optional<UsageError> unseenCharacter(const QString &text, const QString &option,
                                          bool skipsWhitespace)
{
    for (const QChar unit : text) {
        if (const std::optional<unsigned char> byte = undecodedByte(unit.unicode()))
            return UsageError{
                CommandLineRequest::tr("--%1 holds the byte 0x%2, which is not UTF-8 text.")
                    .arg(option, hex(*byte, 2))};
    }
    for (const QString &character : Characters::graphemes(text)) {
        if (skipsWhitespace && Characters::isWhitespace(character))
            continue;
        if (const std::optional<uint> scalar = unseenScalar(character))
            return UsageError{CommandLineRequest::tr(
                                  "--%1 holds U+%2, a character that cannot be seen or typed back.")
                                  .arg(option, hex(*scalar, 4))};
    }
    return std::nullopt;
}

struct Options
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineRequest)

public:
    QCommandLineOption help{{"h", "help"}, tr("Show this help and exit.")};
    QCommandLineOption version{{"V", "version"}, tr("Show the version and exit.")};
    QCommandLineOption mode{{"m", "mode"}, tr("basic, advanced or words."), tr("mode")};
    QCommandLineOption length{{"l", "length"}, tr("Characters per password, 4 to 128."), tr("n")};
    QCommandLineOption words{{"w", "words"}, tr("Words per passphrase, 3 to 12."), tr("n")};
    QCommandLineOption characters{"characters",
                                  tr("The characters to draw from, written together."), tr("text")};
    QCommandLineOption extra{"extra", tr("Extra characters for advanced mode."), tr("text")};
    QCommandLineOption separators{"separators",
                                  tr("Characters to join words with; empty for none."), tr("text")};
    QCommandLineOption exclude{"exclude-ambiguous",
                               tr("Leave out characters that are easy to confuse.")};
    QCommandLineOption keep{"keep-ambiguous", tr("Keep characters that are easy to confuse.")};
    QCommandLineOption requireEach{"require-each",
                                   tr("Hold at least one character of every group that is on.")};
    QCommandLineOption rules{
        "rules", tr("A site's password rules: \"minlength: 8; required: digit\"."), tr("rules")};
    QCommandLineOption site{"site", tr("Apply the known rules of a site."), tr("domain")};
    QCommandLineOption wordList{"word-list",
                                tr("The word list for passphrases: %1 or a file of one word a "
                                   "line; the language's own until chosen.")
                                    .arg(Wordlist::names().join(u", ")),
                                tr("name")};
    QCommandLineOption checkWordList{"check-word-list",
                                     tr("Tell what a word-list file holds, and what of it is "
                                        "left out and why, then exit."),
                                     tr("file")};
    QCommandLineOption maxLength{
        "max-length", tr("At most n characters in a passphrase; 0 for no limit."), tr("n")};
    QCommandLineOption defaults{"defaults",
                                tr("Start from the defaults, not the window's settings.")};
    QCommandLineOption count{{"c", "count"}, tr("How many passwords, each drawn anew."), tr("k")};
    QCommandLineOption strength{"strength", tr("Add the entropy in bits, the rating and the crack "
                                               "time, tab-separated.")};
    QCommandLineOption json{"json", tr("Print one JSON object per password.")};
    QCommandLineOption copy{"copy", tr("Copy the first password to the clipboard instead "
                                       "of printing it; cleared after a minute.")};
    QCommandLineOption noClear{"no-clear", tr("With --copy: leave the copy in place.")};
};

std::optional<UsageError> readCounts(const QCommandLineParser &parser, const Options &options,
                                     CommandLineRequest &request)
{
    const struct
    {
        const QCommandLineOption &option;
        std::optional<qint64> &target;
        qint64 lowest, highest;
    } counts[] = {
        {options.length, request.length, Settings::minimumLength, Settings::maximumLength},
        {options.words, request.wordCount, Settings::minimumWordCount, Settings::maximumWordCount},
        {options.maxLength, request.passphraseLimit, 0, Settings::maximumPassphraseLimit},
    };
    for (const auto &[option, target, lowest, highest] : counts) {
        if (!parser.isSet(option))
            continue;
        const auto value =
            wholeNumber(parser.value(option), option.names().last(), lowest, highest);
        if (const auto *error = std::get_if<UsageError>(&value))
            return *error;
        target = std::get<qint64>(value);
    }
    if (parser.isSet(options.count)) {
        const auto value = wholeNumber(parser.value(options.count), QStringLiteral("count"), 1,
                                       std::numeric_limits<qint64>::max());
        if (const auto *error = std::get_if<UsageError>(&value))
            return *error;
        request.count = std::get<qint64>(value);
    }
    return std::nullopt;
}

// Rules typed are read here, so that a mistake is told before anything is drawn.
std::optional<UsageError> readRules(const QCommandLineParser &parser, const Options &options,
                                    CommandLineRequest &request)
{
    if (parser.isSet(options.requireEach))
        request.requireEachGroup = true;
    if (parser.isSet(options.rules) && parser.isSet(options.site))
        return UsageError{CommandLineRequest::tr("--rules and --site contradict each other.")};
    if (parser.isSet(options.site)) {
        request.passwordRules = SiteRules::rulesFor(parser.value(options.site));
        if (!request.passwordRules)
            return UsageError{CommandLineRequest::tr("No rules are known for the site '%1'.")
                                  .arg(parser.value(options.site))};
    }
    if (parser.isSet(options.rules)) {
        const auto parsed = PasswordRules::parse(parser.value(options.rules));
        if (const auto *unreadable = std::get_if<QString>(&parsed))
            return UsageError{
                CommandLineRequest::tr("--rules cannot be read at '%1'.").arg(*unreadable)};
        request.passwordRules = parser.value(options.rules);
    }
    return std::nullopt;
}

std::optional<UsageError> readChoices(const QCommandLineParser &parser, const Options &options,
                                      CommandLineRequest &request)
{
    if (parser.isSet(options.wordList)) {
        request.wordList = parser.value(options.wordList);
        if (!Wordlist::names().contains(*request.wordList)) {
            // Not a shipped name: a file, read now so that its faults are told first.
            request.wordList = QFileInfo(*request.wordList).absoluteFilePath();
            const WordlistVerdict &verdict = Wordlist::own(*request.wordList);
            if (!verdict.usable())
                return UsageError{CommandLineRequest::tr("--word-list must be %1 or a word list, "
                                                         "and '%2' is not: %3")
                                      .arg(Wordlist::names().join(u", "),
                                           parser.value(options.wordList), verdict.summary())};
        }
    }
    if (parser.isSet(options.mode)) {
        request.mode = generatorModeFromRawValue(parser.value(options.mode));
        if (!request.mode)
            return UsageError{
                CommandLineRequest::tr("--mode must be basic, advanced or words, not '%1'.")
                    .arg(parser.value(options.mode))};
    }
    const struct
    {
        const QCommandLineOption &option;
        bool skipsWhitespace;
    } texts[] = {{options.characters, false}, {options.extra, true}, {options.separators, false}};
    for (const auto &[option, skipsWhitespace] : texts) {
        if (!parser.isSet(option))
            continue;
        if (auto error =
                unseenCharacter(parser.value(option), option.names().last(), skipsWhitespace))
            return error;
    }
    if (parser.isSet(options.characters))
        request.enabledCharacters = CharacterSet::fromText(parser.value(options.characters));
    if (parser.isSet(options.extra))
        request.additionalCharacters = parser.value(options.extra);
    if (parser.isSet(options.separators))
        request.separators = CharacterSet::fromText(parser.value(options.separators));
    if (parser.isSet(options.exclude) && parser.isSet(options.keep))
        return UsageError{
            CommandLineRequest::tr("--exclude-ambiguous and --keep-ambiguous contradict each "
                                   "other.")};
    if (parser.isSet(options.exclude) || parser.isSet(options.keep))
        request.excludeAmbiguous = parser.isSet(options.exclude);
    if (parser.isSet(options.strength) && parser.isSet(options.json))
        return UsageError{CommandLineRequest::tr("--strength and --json contradict each other.")};
    if (parser.isSet(options.noClear) && !parser.isSet(options.copy))
        return UsageError{CommandLineRequest::tr("--no-clear only goes with --copy.")};
    if (std::optional<UsageError> error = readRules(parser, options, request))
        return error;
    request.fromDefaults = parser.isSet(options.defaults);
    request.output = parser.isSet(options.json)       ? CommandLineRequest::Output::json
                     : parser.isSet(options.strength) ? CommandLineRequest::Output::strength
                                                      : CommandLineRequest::Output::passwords;
    request.copy = parser.isSet(options.copy);
    request.clearCopy = !parser.isSet(options.noClear);
    return std::nullopt;
}

} // namespace

Settings CommandLineRequest::applied(Settings base) const
{
    base.mode = mode.value_or(base.mode);
    base.length = length.value_or(base.length);
    base.wordCount = wordCount.value_or(base.wordCount);
    base.enabledCharacters = enabledCharacters.value_or(base.enabledCharacters);
    base.additionalCharacters = additionalCharacters.value_or(base.additionalCharacters);
    base.separators = separators.value_or(base.separators);
    base.excludeAmbiguous = excludeAmbiguous.value_or(base.excludeAmbiguous);
    base.requireEachGroup = requireEachGroup.value_or(base.requireEachGroup);
    base.passwordRules = passwordRules.value_or(base.passwordRules);
    base.passphraseLimit = passphraseLimit.value_or(base.passphraseLimit);
    if (wordList) {
        base.wordList = *wordList;
        base.wordListSha256.clear(); // the file as read now
    }
    return base;
}

std::variant<CommandLineRequest, CommandLineAnswer, UsageError>
parseCommandLine(const QStringList &arguments)
{
    Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLineRequest::tr(
        "Prints passwords or passphrases from the system's secure random source, one "
        "per line. Options not given come from the settings of the Tessellon window "
        "(never changed from here), or from the defaults with --defaults."));
    parser.addOptions(
        {options.help,     options.version,    options.mode,          options.length,
         options.words,    options.characters, options.extra,         options.separators,
         options.exclude,  options.keep,       options.requireEach,   options.rules,
         options.site,     options.wordList,   options.checkWordList, options.maxLength,
         options.defaults, options.count,      options.strength,      options.json,
         options.copy,     options.noClear});
    if (!parser.parse(arguments))
        return UsageError{parser.errorText()};
    if (!parser.positionalArguments().isEmpty())
        return UsageError{
            CommandLineUsage::unexpectedArgument(parser.positionalArguments().first())};
    if (parser.isSet(options.help))
        return CommandLineAnswer{CommandLineUsage::namingTheProgram(
            parser.helpText(), QCoreApplication::applicationName())};
    if (parser.isSet(options.checkWordList)) {
        const WordlistVerdict verdict = WordlistVerdict::read(parser.value(options.checkWordList));
        return CommandLineAnswer{verdict.summary() + u'\n', verdict.usable() ? 0 : 1};
    }
    if (parser.isSet(options.version))
        return CommandLineAnswer{QStringLiteral("%1 %2\n").arg(
            QCoreApplication::applicationName(), QCoreApplication::applicationVersion())};

    CommandLineRequest request;
    if (std::optional<UsageError> error = readCounts(parser, options, request))
        return *error;
    if (std::optional<UsageError> error = readChoices(parser, options, request))
        return *error;
    return request;
}
