// Feeds arbitrary bytes to the settings decoder. A decoded record must lie
// in range, hold only well-formed text (an unpaired surrogate would reach a
// password and the clipboard) and survive a round trip unchanged.
#include "services/settings/SettingsJson.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Settings> settings = SettingsJson::decode(json);
    if (!settings)
        return 0;
    if (settings->length < Settings::minimumLength || settings->length > Settings::maximumLength
        || settings->wordCount < Settings::minimumWordCount
        || settings->wordCount > Settings::maximumWordCount)
        std::abort();
    for (const QString &text :
         {settings->additionalCharacters, settings->enabledCharacters.toText(),
          settings->separators.toText()})
        if (!text.isValidUtf16())
            std::abort();
    if (SettingsJson::decode(SettingsJson::encode(*settings)) != settings)
        std::abort();
    return 0;
}
