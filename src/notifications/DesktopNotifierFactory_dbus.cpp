#include "notifications/DesktopNotifierFactory.h"

#include "notifications/DBusNotifier.h"

#include <iostream>

namespace voltrail {

std::unique_ptr<DesktopNotifier> MakeDesktopNotifier()
{
    return std::make_unique<DBusNotifier>(std::cerr);
}

} // namespace voltrail
