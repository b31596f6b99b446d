#pragma once

#include "core/CharacterSet.h"

#include <QList>
#include <QString>

#include <optional>
#include <variant>

// The rules language that sites publish for their password forms:
// "minlength: 8; maxlength: 20; max-consecutive: 2; required: lower;
// required: digit, [-_!]; allowed: upper". One `required` line asks for a
// character of any of its classes; two lines ask for both.
struct PasswordRules
{
    struct CharacterClass
    {
        enum class Kind { upper, lower, digit, special, asciiPrintable, unicode, custom };
        Kind kind = Kind::custom;
        CharacterSet characters = {}; // a custom class's own

        bool contains(const QString &character) const;
        QString toText() const;
        friend bool operator==(const CharacterClass &, const CharacterClass &) = default;
    };
    // A character of any of these classes.
    using Choice = QList<CharacterClass>;

    std::optional<qint64> minLength;
    std::optional<qint64> maxLength;
    std::optional<qint64> maxConsecutive;
    QList<Choice> required;
    QList<CharacterClass> allowed;

    // The rules, or the part of the text that cannot be read.
    static std::variant<PasswordRules, QString> parse(const QString &text);

    // A character the rules let a password hold: one of an allowed or a
    // required class, or any when the rules name none.
    bool allows(const QString &character) const;

    static QString toText(const Choice &choice);
    // The rules written back in the language, one property per rule.
    QString toText() const;

    friend bool operator==(const PasswordRules &, const PasswordRules &) = default;
};
