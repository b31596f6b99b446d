#pragma once

#include "core/CharacterGroup.h"

class ChipRow;
class GeneratorModel;
class QWidget;

// Chip rows wired to the model's settings, shared by the basic and
// advanced panels.
namespace CharacterChipRows {

// A titled row for one group: each chip toggles its character in the
// enabled set; the title turns the whole group on or off.
ChipRow *make(GeneratorModel &model, const CharacterGroup &group, QWidget *parent);

// The separators row of the words panel, over the separator set.
ChipRow *makeSeparators(GeneratorModel &model, QWidget *parent);

} // namespace CharacterChipRows
