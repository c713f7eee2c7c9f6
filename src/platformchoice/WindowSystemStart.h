#pragma once

#include <memory>
#include <string>

namespace voltrail {

// Picks the window system before the toolkit starts (build it before the
// QApplication) and says what follows from it once the toolkit runs.
class WindowSystemStart {
public:
    // Reads the environment, asks the X server where that decides, and names
    // the chosen platform to Qt.
    WindowSystemStart();

    // Not empty: nothing usable is there and the program must not start.
    const std::string& refusal() const { return refusal_; }

    // Once the QApplication exists: the X server is let go, the environment
    // is given back as it was (programs the bar starts inherit it), and the
    // platform in use says once what it cannot do.
    void Started();

private:
    std::string refusal_;
    bool platformSet_ = false;
    // The connection that asked the X server, held until Qt has its own.
    std::shared_ptr<const void> xServer_;
};

} // namespace voltrail
