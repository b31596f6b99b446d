#include "services/SettingsJson.h"

#include "services/JsonMembers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>

namespace SettingsJson {

namespace {

const QLatin1StringView modeKey("mode");
const QLatin1StringView lengthKey("length");
const QLatin1StringView wordCountKey("wordCount");
const QLatin1StringView enabledKey("enabledCharacters");
const QLatin1StringView additionalKey("additionalCharacters");
const QLatin1StringView separatorsKey("separators");
const QLatin1StringView excludeKey("excludeAmbiguous");
const QLatin1StringView autoClearKey("autoClearClipboard");

// Reads one member into target when it is present and not null. False
// when the member cannot be converted, which spoils the whole document.
template <typename T, typename Convert>
bool readMember(const QJsonObject &object, QLatin1StringView key, T &target, Convert convert)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    const std::optional<T> converted = convert(value);
    if (converted)
        target = *converted;
    return converted.has_value();
}

std::optional<QString> asString(const QJsonValue &value)
{
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

std::optional<bool> asBool(const QJsonValue &value)
{
    return value.isBool() ? std::optional(value.toBool()) : std::nullopt;
}

std::optional<CharacterSet> asCharacterSet(const QJsonValue &value)
{
    return value.isString() ? std::optional(CharacterSet::fromText(value.toString()))
                            : std::nullopt;
}

std::optional<GeneratorMode> asMode(const QJsonValue &value)
{
    return value.isString() ? generatorModeFromRawValue(value.toString()) : std::nullopt;
}

} // namespace

QByteArray encode(const Settings &settings)
{
    const QJsonObject object{
        {modeKey, rawValue(settings.mode)},
        {lengthKey, settings.length},
        {wordCountKey, settings.wordCount},
        {enabledKey, settings.enabledCharacters.toText()},
        {additionalKey, settings.additionalCharacters},
        {separatorsKey, settings.separators.toText()},
        {excludeKey, settings.excludeAmbiguous},
        {autoClearKey, settings.autoClearClipboard},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<Settings> decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;

    const QJsonObject object = document.object();
    // Only an integer literal that fits in 64 bits: 16, not 16.0 or 1.6e1.
    const QHash<QString, QByteArray> rawValues = JsonMembers::rawValues(json);
    const auto asInteger = [&](QLatin1StringView key) {
        return [&rawValues, key](const QJsonValue &value) -> std::optional<qint64> {
            if (!value.isDouble())
                return std::nullopt;
            return JsonMembers::integerLiteral(rawValues.value(key));
        };
    };
    Settings settings;
    const bool valid =
        readMember(object, modeKey, settings.mode, asMode)
        && readMember(object, lengthKey, settings.length, asInteger(lengthKey))
        && readMember(object, wordCountKey, settings.wordCount, asInteger(wordCountKey))
        && readMember(object, enabledKey, settings.enabledCharacters, asCharacterSet)
        && readMember(object, additionalKey, settings.additionalCharacters, asString)
        && readMember(object, separatorsKey, settings.separators, asCharacterSet)
        && readMember(object, excludeKey, settings.excludeAmbiguous, asBool)
        && readMember(object, autoClearKey, settings.autoClearClipboard, asBool);
    if (!valid)
        return std::nullopt;

    settings.length = std::clamp(settings.length, Settings::minimumLength, Settings::maximumLength);
    settings.wordCount =
        std::clamp(settings.wordCount, Settings::minimumWordCount, Settings::maximumWordCount);
    return settings;
}

} // namespace SettingsJson
