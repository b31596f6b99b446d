#pragma once

#include "core/CharacterGroup.h"
#include "core/CharacterSet.h"
#include "ui/chips/ToggleChrome.h"

// What the character panels ask of, and do to, a selection of characters.
// They look at the stored selection, not at the effective pool: an
// ambiguous character that is switched on shows as on even while it is
// excluded.
namespace CharacterSelection {

// Removes the character when it is selected, adds it otherwise.
void toggleCharacter(CharacterSet &selection, const QString &character);
// Adds or removes every character of the group; others stay as they are.
void setGroup(CharacterSet &selection, const CharacterGroup &group, bool on);

ToggleState groupState(const CharacterSet &selection, const CharacterGroup &group);
// A wholly selected group goes off; a partly or wholly unselected one goes on.
void toggleGroup(CharacterSet &selection, const CharacterGroup &group);

} // namespace CharacterSelection
