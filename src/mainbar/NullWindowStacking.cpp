#include "mainbar/NullWindowStacking.h"

#include <cstdio>

namespace voltrail {

WindowHandle NullWindowStacking::ForegroundWindow()
{
    return 0;
}

void NullWindowStacking::SetTopmost(WindowHandle, bool)
{
    if (told_)
        return;
    told_ = true;
    std::fprintf(stderr,
                 "ZT-VOLTRAIL: always on top is not available on the \"%s\" window system; "
                 "the bar stays where the window manager puts it.\n",
                 platformName_.c_str());
}

} // namespace voltrail
