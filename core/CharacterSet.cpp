#include "core/CharacterSet.h"

#include "core/Characters.h"

#include <algorithm>

CharacterSet::CharacterSet(std::initializer_list<QString> characters)
{
    for (const QString &character : characters)
        insert(character);
}

CharacterSet::CharacterSet(const QStringList &characters)
{
    for (const QString &character : characters)
        insert(character);
}

CharacterSet CharacterSet::fromText(const QString &text)
{
    CharacterSet set;
    for (const QString &character : Characters::graphemes(text))
        set.insertNormalized(character);
    return set;
}

bool CharacterSet::contains(const QString &character) const
{
    const QString key = character.normalized(QString::NormalizationForm_C);
    const auto it =
        std::lower_bound(m_members.cbegin(), m_members.cend(), key, Characters::scalarLess);
    return it != m_members.cend() && *it == key;
}

void CharacterSet::insert(const QString &character)
{
    insertNormalized(character.normalized(QString::NormalizationForm_C));
}

void CharacterSet::insertNormalized(const QString &character)
{
    const auto it =
        std::lower_bound(m_members.cbegin(), m_members.cend(), character, Characters::scalarLess);
    if (it != m_members.cend() && *it == character)
        return;
    m_members.insert(it - m_members.cbegin(), character);
}

void CharacterSet::remove(const QString &character)
{
    const QString key = character.normalized(QString::NormalizationForm_C);
    const auto it =
        std::lower_bound(m_members.cbegin(), m_members.cend(), key, Characters::scalarLess);
    if (it != m_members.cend() && *it == key)
        m_members.removeAt(it - m_members.cbegin());
}

CharacterSet CharacterSet::subtracting(const CharacterSet &other) const
{
    CharacterSet result;
    for (const QString &character : m_members) {
        if (!other.contains(character))
            result.m_members.append(character);
    }
    return result;
}
