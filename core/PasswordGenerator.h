#pragma once

#include "core/GeneratedPassword.h"
#include "core/GeneratorError.h"
#include "core/RandomSource.h"
#include "core/Settings.h"

#include <QStringList>

#include <functional>
#include <variant>

using GenerationResult = std::variant<GeneratedPassword, GeneratorError>;

// Turns settings into one password or passphrase, drawing every unit
// independently and uniformly from the given random source.
namespace PasswordGenerator {

// Where words mode finds its list. Asked only when a passphrase is drawn,
// so that a password never waits for the word list to load.
using WordlistProvider = std::function<const QStringList &()>;

// Words mode draws a passphrase from the list (the shipped one the
// settings choose unless given); the other two modes draw characters from
// the effective pool.
GenerationResult generate(const Settings &settings, RandomSource &random = RandomSource::system(),
                          const WordlistProvider &words = {});

GenerationResult generateCharacters(const Settings &settings, RandomSource &random);

// All word indices are drawn first, in word order, then one separator
// index per join (only when there are two or more separators to choose from).
GenerationResult generatePassphrase(const Settings &settings, const QStringList &words,
                                    RandomSource &random);

} // namespace PasswordGenerator
