#pragma once

#include "core/CharacterGroup.h"
#include "core/CharacterSet.h"

// What the character panels ask of, and do to, the enabled characters. They
// look at the stored selection, not at the effective pool: an ambiguous
// character that is switched on shows as on even while it is excluded.
namespace CharacterSelection {

bool characterOn(const CharacterSet &enabled, const QString &character);
// Removes the character when it is on, adds it otherwise.
void toggleCharacter(CharacterSet &enabled, const QString &character);
// Adds or removes every character of the group; others stay as they are.
void setGroup(CharacterSet &enabled, const CharacterGroup &group, bool on);

bool groupOn(const CharacterSet &enabled, const CharacterGroup &group);
// Some but not all of the group's characters are on.
bool groupPartial(const CharacterSet &enabled, const CharacterGroup &group);
// A wholly enabled group goes off; a partly or wholly disabled one goes on.
void toggleGroup(CharacterSet &enabled, const CharacterGroup &group);

} // namespace CharacterSelection
