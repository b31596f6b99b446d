#pragma once

#include "core/Settings.h"

// Where the user's settings live between runs. The model knows nothing of
// the file or format behind it.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored settings, or the defaults when nothing readable is stored.
    // Never writes: an unreadable record stays as it is.
    virtual Settings load() const = 0;

    // Replaces the stored record: load() gives it from now on, while the
    // store may still be writing it out (and may fail to: the settings then
    // live on in memory).
    virtual void save(const Settings &settings) = 0;
};
