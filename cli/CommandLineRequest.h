#pragma once

#include "core/Settings.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What one run of tessellon-cli was asked for: settings that replace the
// stored ones (or the defaults), how many passwords, and in what form.
struct CommandLineRequest
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineRequest)

public:
    enum class Output { passwords, strength, json };

    bool fromDefaults = false;
    std::optional<GeneratorMode> mode;
    std::optional<qint64> length;
    std::optional<qint64> wordCount;
    std::optional<CharacterSet> enabledCharacters;
    std::optional<QString> additionalCharacters;
    std::optional<CharacterSet> separators;
    std::optional<bool> excludeAmbiguous;
    std::optional<bool> requireEachGroup;
    std::optional<QString> passwordRules;
    std::optional<qint64> passphraseLimit;
    std::optional<QString> wordList;

    qint64 count = 1;
    Output output = Output::passwords;
    bool copy = false;
    bool clearCopy = true;

    // The base settings with every option given on the command line applied.
    Settings applied(Settings base) const;
};

// Help or version text, printed as the whole answer.
struct CommandLineAnswer
{
    QString text;
    int status = 0; // the exit status
};

// A mistake in the options, told on standard error with exit status 2.
struct UsageError
{
    QString message;
};

std::variant<CommandLineRequest, CommandLineAnswer, UsageError>
parseCommandLine(const QStringList &arguments);
