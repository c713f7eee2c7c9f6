#include "notifications/DesktopNotifierFactory.h"

namespace voltrail {

namespace {

// Where there is no notification service to ask: stderr says it all.
class NullNotifier final : public DesktopNotifier {
public:
    void Show(std::uint64_t, const Notification&) override {}
    void Forget(std::uint64_t) override {}
};

} // namespace

std::unique_ptr<DesktopNotifier> MakeDesktopNotifier()
{
    return std::make_unique<NullNotifier>();
}

} // namespace voltrail
