#include "mainbar/WindowStackingFactory.h"

#include "mainbar/NullWindowStacking.h"
#include "mainbar/X11WindowStacking.h"
#include "platformchoice/PlatformChoice.h"

#include <QGuiApplication>

namespace voltrail {

std::unique_ptr<WindowStacking> MakeWindowStacking()
{
    const QString platform = QGuiApplication::platformName();
    // Only X11 lets one program ask for another's window to change its
    // stacking; Wayland and offscreen get the backend that does nothing.
    if (platform == QLatin1String("xcb")) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            if (xcb_connection_t* connection = x11->connection())
                return std::make_unique<X11WindowStacking>(connection);
        }
    }
    // Native Wayland has said at start that the compositor decides stacking.
    const std::string name = platform.toStdString();
    return std::make_unique<NullWindowStacking>(name, !NativeWaylandNotice(name).empty());
}

} // namespace voltrail
