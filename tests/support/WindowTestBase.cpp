#include "support/WindowTestBase.h"

namespace voltrail::test {

void WindowTestBase::ResetFixture()
{
    services_.reset();
    backend_ = std::make_unique<MemorySettingsBackend>();
    store_ = std::make_unique<SettingsStore>(*backend_);
    launcher_ = std::make_unique<RecordingLauncher>();
    stacking_ = std::make_unique<FakeWindowStacking>();
    clock_ = std::make_unique<FakeClock>();
    services_ = std::make_unique<Services>(Services{*store_, *launcher_, *stacking_, *clock_});
    backend = backend_.get();
    launcher = launcher_.get();
    stacking = stacking_.get();
    clock = clock_.get();
    services = services_.get();
    ModalDriver::resetMissed();
}

} // namespace voltrail::test
