#include "settings/Placement.h"

#include <cmath>
#include <limits>

namespace voltrail {

int TwipsToPixels(float twips)
{
    // Values come from a store that may have been edited by hand: keep them
    // inside what a window coordinate can hold.
    constexpr double limit = 1 << 24;
    const double pixels = std::round(static_cast<double>(twips) / kTwipsPerPixel);
    if (pixels > limit)
        return static_cast<int>(limit);
    if (pixels < -limit)
        return static_cast<int>(-limit);
    return static_cast<int>(pixels);
}

float PixelsToTwips(int pixels)
{
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

Placement LoadPlacement(const SettingsStore& store, const std::string& prefix, const Placement& defaults)
{
    Placement p;
    p.left = store.LoadNumber(prefix + "_Left", static_cast<int>(defaults.left));
    p.top = store.LoadNumber(prefix + "_Top", static_cast<int>(defaults.top));
    p.width = store.LoadNumber(prefix + "_Width", static_cast<int>(defaults.width));
    p.height = store.LoadNumber(prefix + "_Height", static_cast<int>(defaults.height));
    return p;
}

void SavePosition(SettingsStore& store, const std::string& prefix, float left, float top)
{
    store.SaveNumber(prefix + "_Left", left);
    store.SaveNumber(prefix + "_Top", top);
}

} // namespace voltrail
