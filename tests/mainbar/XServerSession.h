#pragma once

#include "ChildProcess.h"

#include <QTemporaryDir>
#include <string>

namespace voltrail::test {

// A private X server (Xvfb, on a display it picks itself) with an EWMH window
// manager (openbox) on it, for tests that need real window stacking; or the
// display named in VOLTRAIL_TEST_X_DISPLAY, whose manager runs already.
class XServerSession {
public:
    enum class Outcome { Ready, Missing, Failed };

    ~XServerSession() { Stop(); }

    // Missing when Xvfb or openbox is not installed; problem() says which.
    Outcome Start();
    // The server alone, with no client of its own: it resets whenever its
    // last client leaves.
    Outcome StartServerOnly();
    // The window manager first, then the server.
    void Stop();

    // ":N", for DISPLAY.
    const std::string& display() const { return display_; }
    const std::string& problem() const { return problem_; }
    pid_t serverPid() const { return server_.pid(); }

private:
    bool StartServer(const std::string& program);
    bool WaitForWindowManager();
    std::string CopyWindowManagerConfig();

    ChildProcess server_;
    ChildProcess windowManager_;
    QTemporaryDir config_;
    std::string display_;
    std::string problem_;
};

} // namespace voltrail::test
