#include "core/GeneratorMode.h"

QString rawValue(GeneratorMode mode)
{
    switch (mode) {
    case GeneratorMode::basic:
        return QStringLiteral("basic");
    case GeneratorMode::advanced:
        return QStringLiteral("advanced");
    case GeneratorMode::words:
        return QStringLiteral("words");
    }
    return QString(); // not reached: every case returns above
}

std::optional<GeneratorMode> generatorModeFromRawValue(QStringView raw)
{
    for (GeneratorMode mode : allGeneratorModes) {
        if (raw == rawValue(mode))
            return mode;
    }
    return std::nullopt;
}
