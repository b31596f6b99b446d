#pragma once

#include <QString>

#include <array>
#include <optional>

// Which generator runs and which option panel shows. The raw value is also
// the stored form, so the names must never change.
enum class GeneratorMode { basic, advanced, words };

inline constexpr std::array<GeneratorMode, 3> allGeneratorModes{
    GeneratorMode::basic, GeneratorMode::advanced, GeneratorMode::words};

QString rawValue(GeneratorMode mode);

// Exact, case-sensitive match against the three raw values.
std::optional<GeneratorMode> generatorModeFromRawValue(QStringView raw);
