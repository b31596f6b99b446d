#pragma once

#include "core/SettingsStore.h"

// The user's settings in the platform's preferences (on Linux
// ~/.config/Tessellon/Tessellon.conf): one byte value under "settings"
// holding the JSON document.
class PreferencesStore final : public SettingsStore
{
public:
    Settings load() const override;
    void save(const Settings &settings) override;
};
