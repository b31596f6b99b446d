#pragma once

#include <QString>
#include <QStringList>

// One named group of characters, as the option panels lay them out.
struct CharacterGroup
{
    enum class Kind { uppercase, lowercase, digits, symbols, punctuation, brackets };

    Kind kind;
    QString titleSource;    // as written in the source: "A\u2013Z", "Symbols"
    QStringList characters; // in table order

    // The title in the language of the installed catalogue, looked up at
    // each call, so that it follows the catalogue whenever it is installed.
    QString title() const;

    // Stable identity: the raw value of the kind.
    QString id() const { return rawValue(kind); }

    static QString rawValue(Kind kind);

    friend bool operator==(const CharacterGroup &, const CharacterGroup &) = default;
};

size_t qHash(const CharacterGroup &group, size_t seed = 0) noexcept;
