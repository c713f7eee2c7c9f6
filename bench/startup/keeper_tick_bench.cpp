// The cost of one keeper tick, the work the bar does once a second.
#include "mainbar/AlwaysOnTopKeeper.h"
#include "mainbar/NullWindowStacking.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Another window is in front every time, so each tick takes its longest road:
// two questions and two restackings.
class CountingStacking final : public voltrail::WindowStacking {
public:
    voltrail::WindowHandle ForegroundWindow() override { return ++asked % 7 + 100; }
    void SetTopmost(voltrail::WindowHandle window, bool topmost) override
    {
        restacked += window + (topmost ? 1 : 0);
    }

    unsigned long asked = 0;
    unsigned long restacked = 0;
};

double NanosecondsPerTick(voltrail::WindowStacking& stacking, long ticks)
{
    voltrail::WindowHandle bar = 42;
    voltrail::AlwaysOnTopKeeper keeper(stacking, [&bar] { return bar; });
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < ticks; ++i)
        keeper.Tick();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(ticks);
}

} // namespace

int main(int argc, char* argv[])
{
    const long ticks = argc > 1 ? std::atol(argv[1]) : 10'000'000;
    CountingStacking counting;
    voltrail::NullWindowStacking null("bench");
    const double countingNs = NanosecondsPerTick(counting, ticks);
    const double nullNs = NanosecondsPerTick(null, ticks);
    std::printf(
        "keeper tick, another window in front (fake stacking): %8.1f ns  (%ld ticks, %lu questions)\n",
        countingNs, ticks, counting.asked);
    std::printf("keeper tick, no stacking available (null stacking):   %8.1f ns\n", nullNs);
    std::printf("  budget: well under 1 ms a tick (it runs once a second)   %s\n",
                countingNs < 1e6 && nullNs < 1e6 ? "ok" : "OVER");
    return 0;
}
