#include "platformchoice/XServerProbe.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <xcb/xcb.h>

namespace voltrail {

namespace {

struct Attempt {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<bool> connected;
};

} // namespace

XServerAnswer AskXServer(const std::string& display, std::chrono::milliseconds patience)
{
    // xcb_connect cannot be given a time limit, and a server that accepted the
    // connection but never answers keeps it waiting for ever: it runs on a
    // thread of its own, which is left behind if it does not come back.
    auto attempt = std::make_shared<Attempt>();
    std::thread([attempt, display] {
        xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
        const bool connected = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        const std::lock_guard lock(attempt->mutex);
        attempt->connected = connected;
        attempt->done.notify_one();
    }).detach();

    std::unique_lock lock(attempt->mutex);
    if (!attempt->done.wait_for(lock, patience, [&] { return attempt->connected.has_value(); }))
        return XServerAnswer::Silent;
    return *attempt->connected ? XServerAnswer::Answers : XServerAnswer::Absent;
}

} // namespace voltrail
