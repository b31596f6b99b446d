#include "ui/CharacterSelection.h"

#include <algorithm>

namespace CharacterSelection {

bool characterOn(const CharacterSet &enabled, const QString &character)
{
    return enabled.contains(character);
}

void toggleCharacter(CharacterSet &enabled, const QString &character)
{
    if (enabled.contains(character))
        enabled.remove(character);
    else
        enabled.insert(character);
}

void setGroup(CharacterSet &enabled, const CharacterGroup &group, bool on)
{
    for (const QString &character : group.characters) {
        if (on)
            enabled.insert(character);
        else
            enabled.remove(character);
    }
}

bool groupOn(const CharacterSet &enabled, const CharacterGroup &group)
{
    return std::all_of(group.characters.cbegin(), group.characters.cend(),
                       [&](const QString &character) { return enabled.contains(character); });
}

bool groupPartial(const CharacterSet &enabled, const CharacterGroup &group)
{
    const bool any =
        std::any_of(group.characters.cbegin(), group.characters.cend(),
                    [&](const QString &character) { return enabled.contains(character); });
    return any && !groupOn(enabled, group);
}

void toggleGroup(CharacterSet &enabled, const CharacterGroup &group)
{
    setGroup(enabled, group, !groupOn(enabled, group));
}

} // namespace CharacterSelection
