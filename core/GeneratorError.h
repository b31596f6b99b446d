#pragma once

#include <QString>

// Why a generation produced nothing.
enum class GeneratorError {
    emptyAlphabet,      // fewer than two characters to draw from
    wordlistUnavailable // fewer than two words in the list
};

// What the window and the command line say for it.
QString errorText(GeneratorError error);
