#pragma once

#include "core/SettingsStore.h"
#include "services/BackgroundWriter.h"

#include <optional>

// The user's settings in the platform's preferences (on Linux
// ~/.config/Tessellon/Tessellon.conf): one byte value under "settings"
// holding the JSON document, read from the user's own file alone. Saves go
// to the disk on a thread of their own; the newest is there within a write's
// time, and before the store is gone.
class PreferencesStore final : public SettingsStore
{
public:
    PreferencesStore();

    Settings load() const override;
    void save(const Settings &settings) override;

private:
    std::optional<Settings> m_saved; // the newest save, on disk or on its way
    BackgroundWriter m_writer;
};
