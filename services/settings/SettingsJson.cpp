#include "services/settings/SettingsJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <limits>

namespace SettingsJson {

namespace {

using Json = nlohmann::json;

const char *const modeKey = "mode";
const char *const lengthKey = "length";
const char *const wordCountKey = "wordCount";
const char *const enabledKey = "enabledCharacters";
const char *const additionalKey = "additionalCharacters";
const char *const separatorsKey = "separators";
const char *const excludeKey = "excludeAmbiguous";
const char *const autoClearKey = "autoClearClipboard";
const char *const requireEachKey = "requireEachGroup";
const char *const rulesKey = "passwordRules";
const char *const passphraseLimitKey = "passphraseLimit";
const char *const wordListKey = "wordList";
const char *const wordListSha256Key = "wordListSha256";

// Reads one member into target when it is present and not null. False
// when the member cannot be converted, which spoils the whole document.
template <typename T, typename Convert>
bool readMember(const Json &object, const char *key, T &target, Convert convert)
{
    const auto member = object.find(key);
    if (member == object.end() || member->is_null())
        return true;
    const std::optional<T> converted = convert(*member);
    if (converted)
        target = *converted;
    return converted.has_value();
}

std::optional<QString> asString(const Json &value)
{
    if (!value.is_string())
        return std::nullopt;
    return QString::fromStdString(value.get_ref<const std::string &>());
}

std::optional<bool> asBool(const Json &value)
{
    return value.is_boolean() ? std::optional(value.get<bool>()) : std::nullopt;
}

// A set is stored as its characters run together in order, and a few
// characters join their neighbours when that text is read again (a prepended
// mark, a lone combining mark, regional indicators). Read the text as the
// set it will still stand for after the next save, so that saving and
// reading never change the settings.
std::optional<CharacterSet> asCharacterSet(const Json &value)
{
    const std::optional<QString> text = asString(value);
    if (!text)
        return std::nullopt;
    CharacterSet set = CharacterSet::fromText(*text);
    for (int round = 0; round < 8; ++round) {
        CharacterSet again = CharacterSet::fromText(set.toText());
        if (again == set)
            return set;
        set = std::move(again);
    }
    return std::nullopt; // no stable reading: not a set this program wrote
}

std::optional<GeneratorMode> asMode(const Json &value)
{
    const std::optional<QString> text = asString(value);
    return text ? generatorModeFromRawValue(*text) : std::nullopt;
}

// Only an integer literal that fits in 64 bits: 16, not 16.0 or 1.6e1. The
// reader keeps literals past the signed range as unsigned, or as floating
// point past the unsigned one.
std::optional<qint64> asInteger(const Json &value)
{
    if (value.is_number_unsigned()
        && value.get<quint64>() > quint64(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    return value.is_number_integer() ? std::optional(value.get<qint64>()) : std::nullopt;
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

QByteArray encode(const Settings &settings)
{
    const Json object{
        {modeKey, utf8(rawValue(settings.mode))},
        {lengthKey, settings.length},
        {wordCountKey, settings.wordCount},
        {enabledKey, utf8(settings.enabledCharacters.toText())},
        {additionalKey, utf8(settings.additionalCharacters)},
        {separatorsKey, utf8(settings.separators.toText())},
        {excludeKey, settings.excludeAmbiguous},
        {autoClearKey, settings.autoClearClipboard},
        {requireEachKey, settings.requireEachGroup},
        {rulesKey, utf8(settings.passwordRules)},
        {passphraseLimitKey, settings.passphraseLimit},
        {wordListKey, utf8(settings.wordList)},
        {wordListSha256Key, utf8(settings.wordListSha256)},
    };
    // Qt's UTF-8 is always valid; replacing rather than throwing is moot.
    return QByteArray::fromStdString(object.dump(-1, ' ', false, Json::error_handler_t::replace));
}

std::optional<Settings> decode(const QByteArray &json)
{
    // RFC 8259 exactly: raw control characters, unknown escapes, unpaired
    // surrogates and invalid UTF-8 all make the document invalid. A leading
    // byte-order mark is skipped, since editors add one.
    const Json document = Json::parse(json.cbegin(), json.cend(), nullptr, false);
    if (!document.is_object())
        return std::nullopt;

    Settings settings;
    const bool valid =
        readMember(document, modeKey, settings.mode, asMode)
        && readMember(document, lengthKey, settings.length, asInteger)
        && readMember(document, wordCountKey, settings.wordCount, asInteger)
        && readMember(document, enabledKey, settings.enabledCharacters, asCharacterSet)
        && readMember(document, additionalKey, settings.additionalCharacters, asString)
        && readMember(document, separatorsKey, settings.separators, asCharacterSet)
        && readMember(document, excludeKey, settings.excludeAmbiguous, asBool)
        && readMember(document, autoClearKey, settings.autoClearClipboard, asBool)
        && readMember(document, requireEachKey, settings.requireEachGroup, asBool)
        && readMember(document, rulesKey, settings.passwordRules, asString)
        && readMember(document, passphraseLimitKey, settings.passphraseLimit, asInteger)
        && readMember(document, wordListKey, settings.wordList, asString)
        && readMember(document, wordListSha256Key, settings.wordListSha256, asString);
    if (!valid)
        return std::nullopt;

    settings.length = std::clamp(settings.length, Settings::minimumLength, Settings::maximumLength);
    settings.wordCount =
        std::clamp(settings.wordCount, Settings::minimumWordCount, Settings::maximumWordCount);
    settings.passphraseLimit =
        std::clamp<qint64>(settings.passphraseLimit, 0, Settings::maximumPassphraseLimit);
    return settings;
}

} // namespace SettingsJson
