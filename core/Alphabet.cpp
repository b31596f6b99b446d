#include "core/Alphabet.h"

#include <QCoreApplication>

namespace Alphabet {

namespace {

QStringList splitAscii(const char *characters)
{
    QStringList result;
    for (const char *c = characters; *c; ++c)
        result.append(QString(QLatin1Char(*c)));
    return result;
}

CharacterGroup makeGroup(CharacterGroup::Kind kind, const char *title, const char *characters)
{
    return CharacterGroup{kind, QString::fromUtf8(title), splitAscii(characters)};
}

} // namespace

// The short titles use an en dash (U+2013), not a hyphen.
const CharacterGroup &uppercase()
{
    static const CharacterGroup group =
        makeGroup(CharacterGroup::Kind::uppercase, "A\u2013Z", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return group;
}

const CharacterGroup &lowercase()
{
    static const CharacterGroup group =
        makeGroup(CharacterGroup::Kind::lowercase, "a\u2013z", "abcdefghijklmnopqrstuvwxyz");
    return group;
}

const CharacterGroup &digits()
{
    static const CharacterGroup group =
        makeGroup(CharacterGroup::Kind::digits, "0\u20139", "0123456789");
    return group;
}

const CharacterGroup &symbols()
{
    static const CharacterGroup group = makeGroup(
        CharacterGroup::Kind::symbols, QT_TRANSLATE_NOOP("Alphabet", "Symbols"), "-_=+*^~/\\@#$%&");
    return group;
}

const CharacterGroup &punctuation()
{
    static const CharacterGroup group = makeGroup(
        CharacterGroup::Kind::punctuation, QT_TRANSLATE_NOOP("Alphabet", "Punctuation"), "!?,.:;");
    return group;
}

const CharacterGroup &brackets()
{
    static const CharacterGroup group = makeGroup(
        CharacterGroup::Kind::brackets, QT_TRANSLATE_NOOP("Alphabet", "Brackets"), "(){}[]<>");
    return group;
}

const QList<CharacterGroup> &all()
{
    static const QList<CharacterGroup> groups{uppercase(), lowercase(),   digits(),
                                              symbols(),   punctuation(), brackets()};
    return groups;
}

const QList<CharacterGroup> &basicToggleGroups()
{
    static const QList<CharacterGroup> groups{uppercase(), lowercase(), digits()};
    return groups;
}

const QList<CharacterGroup> &basicChipGroups()
{
    static const QList<CharacterGroup> groups{symbols(), punctuation(), brackets()};
    return groups;
}

const CharacterSet &ambiguous()
{
    static const CharacterSet set{QStringLiteral("0"), QStringLiteral("O"), QStringLiteral("1"),
                                  QStringLiteral("l"), QStringLiteral("I")};
    return set;
}

} // namespace Alphabet
