#include "ui/chips/CharacterSelection.h"

#include <algorithm>

namespace CharacterSelection {

void toggleCharacter(CharacterSet &selection, const QString &character)
{
    if (selection.contains(character))
        selection.remove(character);
    else
        selection.insert(character);
}

void setGroup(CharacterSet &selection, const CharacterGroup &group, bool on)
{
    for (const QString &character : group.characters) {
        if (on)
            selection.insert(character);
        else
            selection.remove(character);
    }
}

ToggleState groupState(const CharacterSet &selection, const CharacterGroup &group)
{
    const auto selected = [&](const QString &character) { return selection.contains(character); };
    if (std::all_of(group.characters.cbegin(), group.characters.cend(), selected))
        return ToggleState::on;
    if (std::any_of(group.characters.cbegin(), group.characters.cend(), selected))
        return ToggleState::partial;
    return ToggleState::off;
}

void toggleGroup(CharacterSet &selection, const CharacterGroup &group)
{
    setGroup(selection, group, groupState(selection, group) != ToggleState::on);
}

} // namespace CharacterSelection
