#include "mainbar/WindowStackingFactory.h"

#include "mainbar/NullWindowStacking.h"

#include <QGuiApplication>

namespace voltrail {

// Systems without X11 or Win32 stacking.
std::unique_ptr<WindowStacking> MakeWindowStacking()
{
    return std::make_unique<NullWindowStacking>(QGuiApplication::platformName().toStdString());
}

} // namespace voltrail
