#pragma once

#include "core/CharacterSet.h"
#include "core/GeneratorMode.h"

#include <QString>
#include <QStringList>

// Every choice the user makes, as one plain value. A change is made by
// assigning a whole new record to the model.
struct Settings
{
    static constexpr qint64 minimumLength = 4;
    static constexpr qint64 maximumLength = 128;
    static constexpr qint64 minimumWordCount = 3;
    static constexpr qint64 maximumWordCount = 12;
    static constexpr qint64 maximumPassphraseLimit = 256;

    GeneratorMode mode = GeneratorMode::basic;
    qint64 length = 16;
    qint64 wordCount = 5;
    CharacterSet enabledCharacters = defaultEnabledCharacters();
    QString additionalCharacters = {};
    CharacterSet separators{QStringLiteral("_")};
    bool excludeAmbiguous = false;
    bool autoClearClipboard = true;
    // A password holds a character of every character row that has one on
    // (the additional characters count as one more row).
    bool requireEachGroup = false;
    // A site's rules in its own language ("minlength: 8; required: digit");
    // empty for none.
    QString passwordRules = {};
    // At most this many UTF-16 units in a passphrase; 0 for no limit.
    qint64 passphraseLimit = 0;
    // The word list passphrases come from: a shipped one ("en", "de",
    // "pt_BR", "fr", "es") or the absolute path of the user's own; empty until chosen,
    // when the interface's language decides.
    QString wordList = {};
    // The SHA-256 (hex) of the user's own list when it was chosen, so that
    // a file changed since is not taken for the one chosen; empty: any.
    QString wordListSha256 = {};

    // Upper case, lower case, digits and symbols: 76 characters.
    static const CharacterSet &defaultEnabledCharacters();
    // The 20 separators offered for passphrases: the symbols, then punctuation.
    static const QStringList &separatorChoices();

    // The sorted, distinct characters a password is drawn from.
    QStringList effectivePool() const;
    // The sorted, distinct characters that may join passphrase words.
    QStringList effectiveSeparators() const;

    friend bool operator==(const Settings &, const Settings &) = default;
};
