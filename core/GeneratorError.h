#pragma once

// Why a generation produced nothing. The model turns each into a message.
enum class GeneratorError {
    emptyAlphabet,      // fewer than two characters to draw from
    wordlistUnavailable // fewer than two words in the list
};
