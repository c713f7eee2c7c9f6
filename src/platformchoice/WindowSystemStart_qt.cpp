#include "platformchoice/WindowSystemStart.h"

namespace voltrail {

// Windows, and builds without xcb: Qt's own platform is the only one.
WindowSystemStart::WindowSystemStart() = default;

void WindowSystemStart::Started() {}

} // namespace voltrail
