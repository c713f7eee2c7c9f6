#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace voltrail {

// What the environment says about the desktop before the toolkit starts.
struct SessionEnvironment {
    std::string sessionType;    // XDG_SESSION_TYPE
    std::string waylandDisplay; // WAYLAND_DISPLAY
    std::string display;        // DISPLAY
    std::string qpaPlatform;    // QT_QPA_PLATFORM
};

enum class XServerAnswer {
    Answers, // a client can connect
    Absent,  // nothing there, or it turned the client away
    Silent,  // something took the connection and never answered
};

// Asked with the value of DISPLAY.
using XServerQuestion = std::function<XServerAnswer(const std::string& display)>;

struct PlatformChoice {
    // The Qt platform to start on; empty leaves it to Qt (and the environment).
    std::string platform;
    // Not empty: the program must not start, and says this.
    std::string refusal;
};

// The bar places itself and stays above other windows, which only X11 lets a
// client do: an X server that answers wins over a Wayland compositor. Only
// where none answers does a Wayland session run natively. A platform named in
// the environment is obeyed as it is and no X server is asked.
PlatformChoice ChoosePlatform(const SessionEnvironment& environment, const XServerQuestion& askXServer);

// Whether a Wayland compositor may be there to run on natively. Only then
// does the X server's answer choose the platform; elsewhere it decides only
// whether a server that never answers is refused.
bool WaylandMayServe(const SessionEnvironment& environment);

// The line the program ends with when it refuses to start.
std::string RefusalLine(const std::string& refusal);

// The line said once at start on a native Wayland platform, else empty.
std::string NativeWaylandNotice(std::string_view platformName);

} // namespace voltrail
