// The probe against real X servers (Xvfb): one that answers, one that has
// stopped, and displays with nothing there. Skipped without Xvfb.
#include "platformchoice/XServerProbe.h"
#include "mainbar/XProperty.h"
#include "mainbar/XServerSession.h"
#include "support/Ci.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <xcb/xcb.h>

using namespace voltrail;
using namespace voltrail::test;

namespace {

constexpr std::chrono::seconds kPatience{5};
const char* const kMark = "VOLTRAIL_PROBE_MARK";

// A server of its own, with no client: skips the test where Xvfb is missing.
std::unique_ptr<XServerSession> StartServer()
{
    auto session = std::make_unique<XServerSession>();
    const auto outcome = session->StartServerOnly();
    if (outcome != XServerSession::Outcome::Ready)
        return nullptr;
    return session;
}

std::string UnusedDisplay()
{
    struct stat info {};
    for (int n = 4300; n < 4400; ++n) {
        const std::string number = std::to_string(n);
        if (::stat(("/tmp/.X11-unix/X" + number).c_str(), &info) != 0 &&
            ::stat(("/tmp/.X" + number + "-lock").c_str(), &info) != 0)
            return ":" + number;
    }
    return {};
}

// Connects, retrying while a server that is resetting turns clients away.
xcb_connection_t* Connect(const std::string& display)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
        if (!xcb_connection_has_error(connection))
            return connection;
        xcb_disconnect(connection);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

xcb_window_t Root(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

bool RootHasMark(const std::string& display)
{
    xcb_connection_t* connection = Connect(display);
    if (!connection)
        return false;
    const bool marked = !ReadProperty(connection, Root(connection), kMark, XCB_ATOM_CARDINAL).empty();
    xcb_disconnect(connection);
    return marked;
}

void MarkRoot(const std::string& display)
{
    xcb_connection_t* connection = Connect(display);
    ASSERT_NE(connection, nullptr);
    const uint32_t value = 1;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, Root(connection), InternAtom(connection, kMark),
                        XCB_ATOM_CARDINAL, 32, 1, &value);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr)); // done
    xcb_disconnect(connection);
}

} // namespace

TEST(XServerProbe, AnswersAsTheServerDoes)
{
    const auto running = StartServer();
    const auto stopped = StartServer();
    if (!running || !stopped) {
        if (test::RunningInCi())
            FAIL() << "no Xvfb to probe";
        GTEST_SKIP() << "no Xvfb to probe";
    }
    ::kill(stopped->serverPid(), SIGSTOP);
    // A desktop always has clients; without one the server would reset
    // between two rows and turn the second away.
    xcb_connection_t* desktop = Connect(running->display());
    ASSERT_NE(desktop, nullptr);

    const struct {
        const char* what;
        std::string display;
        XServerAnswer answer;
    } cases[] = {
        {"a server that runs", running->display(), XServerAnswer::Answers},
        {"the same, screen named", running->display() + ".0", XServerAnswer::Answers},
        {"no server on the display", UnusedDisplay(), XServerAnswer::Absent},
        {"not a display name", "no display here", XServerAnswer::Absent},
        {"a port with nothing behind it", "127.0.0.1:4399", XServerAnswer::Absent},
        // Taken by the kernel, never answered: the probe does not wait for ever.
        {"a server that has stopped", stopped->display(), XServerAnswer::Silent},
    };
    for (const auto& c : cases) {
        const std::chrono::milliseconds patience =
            c.answer == XServerAnswer::Silent ? std::chrono::milliseconds(300) : kPatience;
        EXPECT_EQ(XServerProbe(c.display, patience).answer(), c.answer) << c.what << " (" << c.display << ")";
        // Asked without waiting: the same answer, and only silence is told.
        auto silences = std::make_shared<std::atomic<int>>(0);
        const XServerProbe watching(c.display, patience, [silences] { ++*silences; });
        EXPECT_EQ(watching.answer(), c.answer) << c.what << ", not waiting";
        EXPECT_EQ(*silences, c.answer == XServerAnswer::Silent ? 1 : 0) << c.what << ", not waiting";
    }
    // Gone before its patience is out (Qt has connected): nothing is told,
    // even once the patience is out, as it is by the time a second probe of
    // twice the patience has given up.
    auto silences = std::make_shared<std::atomic<int>>(0);
    std::make_unique<XServerProbe>(stopped->display(), std::chrono::milliseconds(200), [silences] {
        ++*silences;
    }).reset();
    EXPECT_EQ(XServerProbe(stopped->display(), std::chrono::milliseconds(400)).answer(),
              XServerAnswer::Silent);
    EXPECT_EQ(*silences, 0) << "told of silence after the probe had gone";
    xcb_disconnect(desktop);
    ::kill(stopped->serverPid(), SIGCONT);
}

// An X server resets when its last client leaves and turns clients away
// meanwhile: the probe stays a client until it goes, so that Qt, connecting
// next, finds the server as it was.
TEST(XServerProbe, HoldsTheServerUntilItGoes)
{
    const auto server = StartServer();
    if (!server) {
        if (test::RunningInCi())
            FAIL() << "no Xvfb to probe";
        GTEST_SKIP() << "no Xvfb to probe";
    }
    {
        XServerProbe probe(server->display(), kPatience);
        ASSERT_EQ(probe.answer(), XServerAnswer::Answers);
        MarkRoot(server->display());
        EXPECT_TRUE(RootHasMark(server->display())) << "the server reset under a living probe";
    }
    // The probe was the last client: the server has reset.
    EXPECT_FALSE(RootHasMark(server->display())) << "the probe still holds the server";
}
