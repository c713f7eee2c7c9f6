#include "actions/ChildReaper.h"

#include <QCoreApplication>
#include <QTimer>
#include <cerrno>
#include <sys/wait.h>
#include <vector>

namespace voltrail {

struct ChildReaper::State {
    std::vector<pid_t> pending;
    bool scheduled = false;
};

namespace {

void Collect(std::vector<pid_t>& pids)
{
    std::erase_if(pids, [](pid_t pid) {
        int status = 0;
        const pid_t result = waitpid(pid, &status, WNOHANG);
        return result == pid || (result < 0 && errno == ECHILD);
    });
}

void Schedule(const std::shared_ptr<ChildReaper::State>& state)
{
    if (state->scheduled || state->pending.empty() || !QCoreApplication::instance())
        return;
    state->scheduled = true;
    QTimer::singleShot(1000, QCoreApplication::instance(), [state] {
        state->scheduled = false;
        Collect(state->pending);
        Schedule(state);
    });
}

} // namespace

ChildReaper::ChildReaper() : state_(std::make_shared<State>()) {}

void ChildReaper::Add(std::int64_t pid)
{
    state_->pending.push_back(static_cast<pid_t>(pid));
    Collect(state_->pending);
    Schedule(state_);
}

} // namespace voltrail
