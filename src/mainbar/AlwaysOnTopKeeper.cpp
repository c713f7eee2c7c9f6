#include "mainbar/AlwaysOnTopKeeper.h"

namespace voltrail {

void AlwaysOnTopKeeper::Tick()
{
    if (stacking_.ForegroundWindow() == barHandle_())
        return;
    // The foreground is asked for again: it may have changed, and a null
    // window is handed on as it is.
    stacking_.SetTopmost(stacking_.ForegroundWindow(), false);
    stacking_.SetTopmost(barHandle_(), true);
}

} // namespace voltrail
