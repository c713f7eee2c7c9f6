#include "platformchoice/PlatformChoice.h"

#include "text/PlainText.h"

namespace voltrail {

PlatformChoice ChoosePlatform(const SessionEnvironment& environment, const XServerQuestion& askXServer)
{
    if (!environment.qpaPlatform.empty())
        return {};
    const XServerAnswer x =
        environment.display.empty() ? XServerAnswer::Absent : askXServer(environment.display);
    if (x == XServerAnswer::Answers)
        return {"xcb", {}};
    if (WaylandMayServe(environment))
        return {"wayland", {}};
    // Qt's xcb platform would wait for ever on a server that never answers.
    if (x == XServerAnswer::Silent)
        return {{}, "the X server on display " + environment.display + " does not answer"};
    // Nothing to run on: Qt says so itself and exits.
    return {};
}

bool WaylandMayServe(const SessionEnvironment& environment)
{
    // Qt itself looks for a compositor at wayland-0 when WAYLAND_DISPLAY is
    // unset, so the session type alone is enough to try.
    return !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
}

std::string RefusalLine(const std::string& refusal)
{
    // The refusal may quote $DISPLAY, which is anybody's text.
    return ReportLine("ZT-VOLTRAIL: " + refusal + ".");
}

std::string NativeWaylandNotice(std::string_view platformName)
{
    if (platformName.substr(0, 7) != "wayland")
        return {};
    return "ZT-VOLTRAIL: running natively on Wayland, where the compositor decides placement and "
           "stacking: the bar's stored place and always on top do not apply.";
}

} // namespace voltrail
