#include "mainbar/WindowStackingFactory.h"

#include "mainbar/NullWindowStacking.h"
#include "mainbar/Win32WindowStacking.h"

#include <QGuiApplication>

namespace voltrail {

std::unique_ptr<WindowStacking> MakeWindowStacking()
{
    const QString platform = QGuiApplication::platformName();
    // The offscreen platform of the tests has no real windows to restack.
    if (platform == QLatin1String("windows"))
        return std::make_unique<Win32WindowStacking>();
    return std::make_unique<NullWindowStacking>(platform.toStdString());
}

} // namespace voltrail
