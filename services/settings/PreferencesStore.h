#pragma once

#include "core/SettingsStore.h"
#include "services/settings/BackgroundWriter.h"

#include <optional>

// The user's settings in the platform's preferences (on Linux
// ~/.config/Tessellon/Tessellon.conf): one byte value under "settings"
// holding the JSON document, read from the user's own file alone. Saves go
// to the disk on a thread of their own; the newest is there within a write's
// time. A save that fails is told once on standard error, with its reason,
// and tried again with the next change; the settings stay as they are in
// memory. At the store's end the last save is waited for two seconds at
// most: a file locked by another process never holds up a quit.
class PreferencesStore final : public SettingsStore
{
public:
    // A stored document larger than this is not one of ours: it counts as
    // absent, and is not read into memory. Ours reach some 197 KB: 32,767
    // extra characters (all a line edit holds) of six bytes each, as JSON
    // writes a control character.
    static constexpr qint64 largestDocument = 256 * 1024;

    PreferencesStore();
    ~PreferencesStore() override;

    Settings load() const override;
    void save(const Settings &settings) override;

private:
    std::optional<Settings> m_saved; // the newest save, on disk or on its way
    BackgroundWriter m_writer;
};
