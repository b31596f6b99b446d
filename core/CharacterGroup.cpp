#include "core/CharacterGroup.h"

#include <QCoreApplication>
#include <QHashFunctions>

QString CharacterGroup::rawValue(Kind kind)
{
    switch (kind) {
    case Kind::uppercase:
        return QStringLiteral("uppercase");
    case Kind::lowercase:
        return QStringLiteral("lowercase");
    case Kind::digits:
        return QStringLiteral("digits");
    case Kind::symbols:
        return QStringLiteral("symbols");
    case Kind::punctuation:
        return QStringLiteral("punctuation");
    case Kind::brackets:
        return QStringLiteral("brackets");
    }
    return QString(); // not reached: every case returns above
}

QString CharacterGroup::title() const
{
    return QCoreApplication::translate("Alphabet", titleSource.toUtf8().constData());
}

size_t qHash(const CharacterGroup &group, size_t seed) noexcept
{
    return qHashMulti(seed, int(group.kind), group.titleSource, group.characters);
}
