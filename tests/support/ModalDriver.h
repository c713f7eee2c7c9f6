#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace voltrail::test {

// Drives a modal window that a click is about to open: queue the action
// first, then click. The action runs once the window of that name is the
// active modal widget (the handler that opened it is then waiting inside
// exec()). Nested windows are handled by queueing from inside an action.
class ModalDriver {
public:
    // Runs action(window) when the modal window named windowName is up.
    static void When(const QString& windowName, std::function<void(QWidget*)> action, int timeoutMs = 5000);

    // How many queued actions timed out without their window appearing.
    static int missed();
    static void resetMissed();
};

} // namespace voltrail::test
