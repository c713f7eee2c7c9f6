#pragma once

#include <cstdint>
#include <memory>

namespace voltrail {

// Started programs are never waited for, but they must not linger as zombies:
// the ones that have ended are collected at the next start and once a second
// while any is still running (and not at all when none is). Where the system
// collects them itself (Windows), there is nothing to do.
class ChildReaper {
public:
    ChildReaper();
    void Add(std::int64_t pid);

    struct State;

private:
    // Shared with the timer, which may outlive the reaper at exit.
    std::shared_ptr<State> state_;
};

} // namespace voltrail
