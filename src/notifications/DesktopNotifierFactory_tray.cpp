#include "notifications/DesktopNotifierFactory.h"

#include "notifications/TrayNotifier.h"

namespace voltrail {

std::unique_ptr<DesktopNotifier> MakeDesktopNotifier()
{
    return std::make_unique<TrayNotifier>();
}

} // namespace voltrail
