#pragma once

#include "core/CharacterGroup.h"

class ChipRow;
class GeneratorModel;
class QWidget;

// Chip rows wired to the model's settings, shared by the option panels.
// Each row follows the settings by itself.
namespace SettingsChipRows {

// A row for one group over the enabled characters: each chip toggles its
// character; the title turns the whole group on or off.
ChipRow *forGroup(GeneratorModel &model, const CharacterGroup &group, QWidget *parent);

// The separators row of the words panel, over the separator set.
ChipRow *forSeparators(GeneratorModel &model, QWidget *parent);

} // namespace SettingsChipRows
