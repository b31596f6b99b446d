#include "SettingsJson.h"

#include "JsonMembers.h"

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

// Reads one member into target when it is present and not null. Returns
// false when the member has the wrong type, which spoils the document.
class MemberReader
{
public:
    MemberReader(const QJsonObject &object, const QHash<QString, QByteArray> &rawValues)
        : object(object)
        , rawValues(rawValues)
    {}

    bool read(QLatin1StringView key, QString &target) const
    {
        const QJsonValue value = object.value(key);
        if (absent(value))
            return true;
        if (!value.isString())
            return false;
        target = value.toString();
        return true;
    }

    bool read(QLatin1StringView key, bool &target) const
    {
        const QJsonValue value = object.value(key);
        if (absent(value))
            return true;
        if (!value.isBool())
            return false;
        target = value.toBool();
        return true;
    }

    // Only an integer literal that fits in 64 bits: 16, not 16.0 or 1.6e1.
    bool read(QLatin1StringView key, qint64 &target) const
    {
        const QJsonValue value = object.value(key);
        if (absent(value))
            return true;
        if (!value.isDouble())
            return false;
        const std::optional<qint64> literal = JsonMembers::integerLiteral(rawValues.value(key));
        if (!literal)
            return false;
        target = *literal;
        return true;
    }

    bool read(QLatin1StringView key, CharacterSet &target) const
    {
        QString text;
        const bool present = !absent(object.value(key));
        if (!read(key, text))
            return false;
        if (present)
            target = CharacterSet::fromText(text);
        return true;
    }

    bool read(QLatin1StringView key, GeneratorMode &target) const
    {
        QString raw;
        const bool present = !absent(object.value(key));
        if (!read(key, raw))
            return false;
        if (!present)
            return true;
        const std::optional<GeneratorMode> mode = generatorModeFromRawValue(raw);
        if (!mode)
            return false;
        target = *mode;
        return true;
    }

private:
    static bool absent(const QJsonValue &value) { return value.isUndefined() || value.isNull(); }

    const QJsonObject &object;
    const QHash<QString, QByteArray> &rawValues;
};

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
    const QHash<QString, QByteArray> rawValues = JsonMembers::rawValues(json);
    const MemberReader reader(object, rawValues);
    Settings settings;
    const bool valid = reader.read(modeKey, settings.mode)
                       && reader.read(lengthKey, settings.length)
                       && reader.read(wordCountKey, settings.wordCount)
                       && reader.read(enabledKey, settings.enabledCharacters)
                       && reader.read(additionalKey, settings.additionalCharacters)
                       && reader.read(separatorsKey, settings.separators)
                       && reader.read(excludeKey, settings.excludeAmbiguous)
                       && reader.read(autoClearKey, settings.autoClearClipboard);
    if (!valid)
        return std::nullopt;

    settings.length = std::clamp(settings.length, Settings::minimumLength, Settings::maximumLength);
    settings.wordCount =
        std::clamp(settings.wordCount, Settings::minimumWordCount, Settings::maximumWordCount);
    return settings;
}

} // namespace SettingsJson
