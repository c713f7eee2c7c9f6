#pragma once

#include "settings/Placement.h"

class QWidget;

namespace voltrail {

// Moves a window so that its frame's top-left corner is at Left, Top, and
// fixes its size so that the frame comes out at Width x Height once the
// window manager's frame margins are known.
void ApplyPlacement(QWidget& window, const Placement& placement);

void RestorePlacement(QWidget& window, SettingsStore& store, const std::string& prefix,
                      const Placement& defaults);
void SavePlacement(const QWidget& window, SettingsStore& store, const std::string& prefix);

} // namespace voltrail
