#pragma once

#include <QString>

// Why a generation produced nothing, with what the message names.
struct GeneratorError
{
    enum Kind {
        emptyAlphabet,        // fewer than two characters to draw from
        wordlistUnavailable,  // fewer than two words in the list
        rulesUnreadable,      // detail: the part of the rules that cannot be read
        ruleUnmet,            // detail: the rule no chosen character meets
        rulesUnmetAtLength,   // detail: the length no password of meets them
        lengthUnmet,          // detail: the length rule no length meets
        tooManyGroups,        // more required groups than can be counted
        rulesTooRare,         // detail: one in how many draws meets them
        passphraseTooLong,    // detail: the limit no passphrase fits in
        passphraseRarelyFits, // detail: one in how many draws fits
    };

    GeneratorError(Kind kind, QString detail = {})
        : kind(kind)
        , detail(std::move(detail))
    {}

    Kind kind;
    QString detail;

    friend bool operator==(const GeneratorError &, const GeneratorError &) = default;
};

// What the window and the command line say for it.
QString errorText(const GeneratorError &error);
