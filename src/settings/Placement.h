#pragma once

#include "settings/SettingsStore.h"

#include <string>

namespace voltrail {

// A window's outer rectangle in twips (15 twips to a device-independent pixel).
struct Placement {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

inline constexpr int kTwipsPerPixel = 15;

int TwipsToPixels(float twips);
float PixelsToTwips(int pixels);

// Reads <prefix>_Left, _Top, _Width and _Height, in that order.
Placement LoadPlacement(const SettingsStore& store, const std::string& prefix, const Placement& defaults);
// Writes <prefix>_Left, then <prefix>_Top. The size is never stored.
void SavePosition(SettingsStore& store, const std::string& prefix, float left, float top);

} // namespace voltrail
