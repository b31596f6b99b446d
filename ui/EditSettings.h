#pragma once

#include "core/Settings.h"

#include <functional>

class GeneratorModel;

// How every control changes the settings: read the model's record at the
// moment of the edit, change one field of a copy, write the whole copy back.
void editSettings(GeneratorModel &model, const std::function<void(Settings &)> &change);
