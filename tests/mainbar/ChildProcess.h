#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace voltrail::test {

// A helper program the test starts itself (an X server, a window manager):
// started straight from its path and arguments, never through a shell, and
// stopped by its own pid. It dies with the test process if that dies first.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { Stop(); }

    // program is a full path; the child has the test's environment.
    // keepFd, if not -1, stays open in the child.
    bool Start(const std::string& program, const std::vector<std::string>& arguments, int keepFd = -1);

    // False once the child has ended (it is then reaped).
    bool Running();

    // Asks the child to end, then forces it; returns when it is reaped.
    void Stop();

    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
};

} // namespace voltrail::test
