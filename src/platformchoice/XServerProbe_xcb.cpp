#include "platformchoice/XServerProbe.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <xcb/xcb.h>

namespace voltrail {

struct XServerProbe::Attempt {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false; // the probe has gone: whoever is last hangs up
    xcb_connection_t* connection = nullptr;
};

namespace {

void HangUp(xcb_connection_t* connection)
{
    if (connection)
        xcb_disconnect(connection);
}

} // namespace

XServerProbe::XServerProbe(const std::string& display, std::chrono::milliseconds patience)
    : attempt_(std::make_shared<Attempt>())
{
    // xcb_connect cannot be given a time limit, and a server that accepted the
    // connection but never answers keeps it waiting for ever: it runs on a
    // thread of its own, which is left behind if it does not come back.
    std::thread([attempt = attempt_, display] {
        xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
        std::unique_lock lock(attempt->mutex);
        attempt->finished = true;
        if (attempt->abandoned) {
            lock.unlock();
            HangUp(connection);
            return;
        }
        attempt->connection = connection;
        attempt->done.notify_one();
    }).detach();

    std::unique_lock lock(attempt_->mutex);
    if (!attempt_->done.wait_for(lock, patience, [this] { return attempt_->finished; }))
        answer_ = XServerAnswer::Silent;
    else if (xcb_connection_has_error(attempt_->connection) == 0)
        answer_ = XServerAnswer::Answers;
    else
        answer_ = XServerAnswer::Absent;
}

XServerProbe::~XServerProbe()
{
    std::unique_lock lock(attempt_->mutex);
    attempt_->abandoned = true;
    xcb_connection_t* connection = attempt_->connection;
    attempt_->connection = nullptr;
    lock.unlock();
    HangUp(connection);
}

} // namespace voltrail
