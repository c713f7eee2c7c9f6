#pragma once

#include "support/FakeClock.h"
#include "support/FakeWindowStacking.h"
#include "support/MemorySettingsBackend.h"
#include "support/ModalDriver.h"
#include "support/RecordingLauncher.h"
#include "ui/Services.h"

#include <QObject>
#include <memory>

namespace voltrail::test {

// A fresh in-memory store, recording launcher, fake stacking and fake clock
// for each test function (init() runs before every one).
class WindowTestBase : public QObject {
    Q_OBJECT
protected:
    MemorySettingsBackend* backend = nullptr;
    RecordingLauncher* launcher = nullptr;
    FakeWindowStacking* stacking = nullptr;
    FakeClock* clock = nullptr;
    Services* services = nullptr;

    void ResetFixture();

    // Finds a named child control of the given type.
    template <typename T> static T* Child(QWidget* window, const char* name)
    {
        return window->findChild<T*>(QLatin1String(name));
    }

private:
    std::unique_ptr<MemorySettingsBackend> backend_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<RecordingLauncher> launcher_;
    std::unique_ptr<FakeWindowStacking> stacking_;
    std::unique_ptr<FakeClock> clock_;
    std::unique_ptr<Services> services_;
};

} // namespace voltrail::test
