#include "platformchoice/XServerProbe.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <xcb/xcb.h>

namespace voltrail {

struct XServerProbe::Attempt {
    std::mutex mutex;
    std::condition_variable changed;
    bool finished = false;  // xcb_connect came back
    bool abandoned = false; // the probe has gone: whoever is last hangs up
    xcb_connection_t* connection = nullptr;
    std::optional<XServerAnswer> answer;
};

namespace {

using Attempt = XServerProbe::Attempt;

void HangUp(xcb_connection_t* connection)
{
    if (connection)
        xcb_disconnect(connection);
}

// xcb_connect cannot be given a time limit, and a server that accepted the
// connection but never answers keeps it waiting for ever: it runs on a thread
// of its own, which is left behind if it does not come back.
void Ask(const std::shared_ptr<Attempt>& attempt, const std::string& display, bool withCredentials)
{
    std::thread([attempt, display, withCredentials] {
        // Reading the credentials (libXau) is not safe beside another thread
        // that connects: an empty offer is answered, with a refusal at worst.
        xcb_auth_info_t none{};
        xcb_connection_t* connection =
            withCredentials ? xcb_connect(display.c_str(), nullptr)
                            : xcb_connect_to_display_with_auth_info(display.c_str(), &none, nullptr);
        std::unique_lock lock(attempt->mutex);
        attempt->finished = true;
        if (attempt->abandoned) {
            lock.unlock();
            HangUp(connection);
            return;
        }
        attempt->connection = connection;
        attempt->changed.notify_all();
    }).detach();
}

struct Outcome {
    XServerAnswer answer;
    bool abandoned;
};

Outcome Await(Attempt& attempt, std::chrono::milliseconds patience)
{
    std::unique_lock lock(attempt.mutex);
    attempt.changed.wait_for(lock, patience, [&] { return attempt.finished || attempt.abandoned; });
    // Once the probe has gone, its connection has gone with it and no one asks.
    if (attempt.abandoned)
        return {XServerAnswer::Silent, true};
    if (!attempt.finished)
        return {XServerAnswer::Silent, false};
    return {xcb_connection_has_error(attempt.connection) == 0 ? XServerAnswer::Answers
                                                              : XServerAnswer::Absent,
            false};
}

void Publish(Attempt& attempt, XServerAnswer answer)
{
    const std::lock_guard lock(attempt.mutex);
    attempt.answer = answer;
    attempt.changed.notify_all();
}

} // namespace

XServerProbe::XServerProbe(const std::string& display, std::chrono::milliseconds patience)
    : attempt_(std::make_shared<Attempt>())
{
    Ask(attempt_, display, true);
    Publish(*attempt_, Await(*attempt_, patience).answer);
}

XServerProbe::XServerProbe(const std::string& display, std::chrono::milliseconds patience,
                           std::function<void()> whenSilent)
    : attempt_(std::make_shared<Attempt>())
{
    // One thread is started here, and it starts the one that connects.
    std::thread([attempt = attempt_, display, patience, whenSilent = std::move(whenSilent)] {
        Ask(attempt, display, false);
        const Outcome outcome = Await(*attempt, patience);
        if (outcome.answer == XServerAnswer::Silent && !outcome.abandoned && whenSilent)
            whenSilent();
        Publish(*attempt, outcome.answer);
    }).detach();
}

XServerProbe::~XServerProbe()
{
    std::unique_lock lock(attempt_->mutex);
    attempt_->abandoned = true;
    xcb_connection_t* connection = std::exchange(attempt_->connection, nullptr);
    attempt_->changed.notify_all();
    lock.unlock();
    HangUp(connection);
}

XServerAnswer XServerProbe::answer() const
{
    std::unique_lock lock(attempt_->mutex);
    attempt_->changed.wait(lock, [this] { return attempt_->answer.has_value(); });
    return *attempt_->answer;
}

} // namespace voltrail
