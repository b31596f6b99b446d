#pragma once

#include "core/CharacterGroup.h"
#include "core/CharacterSet.h"

#include <QList>

// The fixed character tables. Each is built once, on first use.
namespace Alphabet {

const CharacterGroup &uppercase();
const CharacterGroup &lowercase();
const CharacterGroup &digits();
const CharacterGroup &symbols();
const CharacterGroup &punctuation();
const CharacterGroup &brackets();

// The six groups in display order.
const QList<CharacterGroup> &all();
// Shown as whole-group toggles in basic mode.
const QList<CharacterGroup> &basicToggleGroups();
// Shown as rows of single-character chips in basic mode.
const QList<CharacterGroup> &basicChipGroups();

// Characters easily mistaken for one another: 0 O 1 l I.
const CharacterSet &ambiguous();

} // namespace Alphabet
