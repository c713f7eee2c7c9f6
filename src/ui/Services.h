#pragma once

#include "actions/ShellLauncher.h"
#include "clock/Clock.h"
#include "mainbar/WindowStacking.h"
#include "settings/SettingsStore.h"

namespace voltrail {

// The collaborators every window is handed: main.cpp builds the real ones,
// tests hand fakes.
struct Services {
    SettingsStore& settings;
    ShellLauncher& launcher;
    WindowStacking& stacking;
    Clock& clock;
};

} // namespace voltrail
