#include "XServerSession.h"
#include "XProperty.h"

#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace voltrail::test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStartTimeout = std::chrono::seconds(10);

std::string FindOnPath(const char* name)
{
    return QStandardPaths::findExecutable(QLatin1String(name)).toStdString();
}

// Whether the root's window list is set and, unless window is 0, names it.
bool RootListHas(xcb_connection_t* connection, xcb_window_t root, const char* list, xcb_window_t window)
{
    const auto ids = ReadProperty(connection, root, list, XCB_ATOM_WINDOW);
    return !ids.empty() && (window == 0 || std::find(ids.begin(), ids.end(), window) != ids.end());
}

} // namespace

XServerSession::Outcome XServerSession::Start()
{
    // A desktop that the caller runs already (XWayland under a Wayland
    // compositor): the test uses it and starts nothing.
    if (const char* given = std::getenv("VOLTRAIL_TEST_X_DISPLAY"); given && *given) {
        display_ = given;
        ::setenv("DISPLAY", given, 1);
        return Outcome::Ready;
    }
    const std::string server = FindOnPath("Xvfb");
    const std::string windowManager = FindOnPath("openbox");
    if (server.empty() || windowManager.empty()) {
        problem_ = server.empty() ? "Xvfb is not installed" : "openbox is not installed";
        return Outcome::Missing;
    }
    if (!StartServer(server))
        return Outcome::Failed;
    // The window manager, and later the test's own windows, use this server.
    ::setenv("DISPLAY", display_.c_str(), 1);
    std::vector<std::string> arguments{"--sm-disable"};
    if (const std::string config = CopyWindowManagerConfig(); !config.empty()) {
        arguments.insert(arguments.end(), {"--config-file", config});
        ::setenv("VOLTRAIL_TEST_OPENBOX_CONFIG", config.c_str(), 1);
    }
    if (!windowManager_.Start(windowManager, arguments)) {
        problem_ = "openbox could not be started";
        return Outcome::Failed;
    }
    if (!WaitForWindowManager())
        return Outcome::Failed;
    return Outcome::Ready;
}

XServerSession::Outcome XServerSession::StartServerOnly()
{
    const std::string server = FindOnPath("Xvfb");
    if (server.empty()) {
        problem_ = "Xvfb is not installed";
        return Outcome::Missing;
    }
    return StartServer(server) ? Outcome::Ready : Outcome::Failed;
}

bool XServerSession::StartServer(const std::string& program)
{
    // Xvfb picks a free display and writes its number to this pipe.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        problem_ = "no pipe for Xvfb";
        return false;
    }
    const bool started = server_.Start(
        program, {"-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
        fds[1]);
    ::close(fds[1]);
    std::string number;
    const auto deadline = Clock::now() + kStartTimeout;
    while (started && Clock::now() < deadline) {
        pollfd readable{fds[0], POLLIN, 0};
        if (::poll(&readable, 1, 100) <= 0)
            continue;
        char c = 0;
        if (::read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    ::close(fds[0]);
    if (number.empty()) {
        problem_ = "Xvfb did not start";
        return false;
    }
    display_ = ":" + number;
    return true;
}

// Empty where the system has no configuration to copy: openbox then reads
// its usual one, and no test changes it.
std::string XServerSession::CopyWindowManagerConfig()
{
    const QString copy = config_.filePath(QStringLiteral("rc.xml"));
    if (!config_.isValid() || !QFile::copy(QStringLiteral("/etc/xdg/openbox/rc.xml"), copy))
        return {};
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy.toStdString();
}

// openbox names its check window on the root before it handles requests to
// map windows, and one sent in between can be lost: the manager counts as
// ready once it has taken on a probe window, which is mapped again until then.
bool XServerSession::WaitForWindowManager()
{
    xcb_connection_t* connection = xcb_connect(display_.c_str(), nullptr);
    bool ready = false;
    if (!xcb_connection_has_error(connection)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const xcb_window_t probe = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        const auto deadline = Clock::now() + kStartTimeout;
        auto nextMap = Clock::now();
        while (!ready && windowManager_.Running() && Clock::now() < deadline) {
            if (Clock::now() >= nextMap &&
                RootListHas(connection, screen->root, "_NET_SUPPORTING_WM_CHECK", 0)) {
                xcb_map_window(connection, probe);
                xcb_flush(connection);
                nextMap = Clock::now() + std::chrono::milliseconds(500);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ready = RootListHas(connection, screen->root, "_NET_CLIENT_LIST", probe);
        }
        xcb_destroy_window(connection, probe);
        xcb_flush(connection);
    }
    xcb_disconnect(connection);
    if (!ready)
        problem_ = "openbox did not take over display " + display_;
    return ready;
}

void XServerSession::Stop()
{
    windowManager_.Stop();
    server_.Stop();
}

} // namespace voltrail::test
