#include "platformchoice/PlatformChoice.h"

#include <gtest/gtest.h>
#include <vector>

using namespace voltrail;

namespace {

constexpr auto kAnswers = XServerAnswer::Answers;
constexpr auto kAbsent = XServerAnswer::Absent;
constexpr auto kSilent = XServerAnswer::Silent;

struct Case {
    const char* what;
    SessionEnvironment environment;
    XServerAnswer x;      // what the X server would answer, if asked
    bool asksX;           // whether the X server is asked at all
    const char* platform; // "" leaves it to Qt
    const char* refusal;  // part of the refusal, "" for none
};

const Case kCases[] = {
    // XWayland answering: the bar is an X11 client.
    {"wayland session, XWayland answers", {"wayland", "wayland-0", ":0", ""}, kAnswers, true, "xcb", ""},
    {"wayland socket only, XWayland answers", {"", "wayland-1", ":1", ""}, kAnswers, true, "xcb", ""},
    {"wayland session type only, X answers", {"wayland", "", ":0", ""}, kAnswers, true, "xcb", ""},
    // No X server to be had: native Wayland.
    {"wayland, no DISPLAY", {"wayland", "wayland-0", "", ""}, kAnswers, false, "wayland", ""},
    {"wayland, DISPLAY with nothing there", {"wayland", "wayland-0", ":9", ""}, kAbsent, true, "wayland", ""},
    {"wayland, X server hung", {"wayland", "wayland-0", ":0", ""}, kSilent, true, "wayland", ""},
    {"wayland socket, no session type", {"", "wayland-0", "", ""}, kAnswers, false, "wayland", ""},
    {"wayland session type, no socket named", {"wayland", "", "", ""}, kAnswers, false, "wayland", ""},
    // X11 sessions.
    {"x11 session", {"x11", "", ":0", ""}, kAnswers, true, "xcb", ""},
    {"no session type, X answers", {"", "", "localhost:10.0", ""}, kAnswers, true, "xcb", ""},
    {"tty session, X answers", {"tty", "", ":3", ""}, kAnswers, true, "xcb", ""},
    // Nothing at all: Qt's own message and exit.
    {"nothing set", {"", "", "", ""}, kAnswers, false, "", ""},
    {"x11 session, server gone", {"x11", "", ":0", ""}, kAbsent, true, "", ""},
    {"tty session, no display", {"tty", "", "", ""}, kAnswers, false, "", ""},
    // A server that takes the connection and never answers would hang Qt.
    {"x11 session, server hung", {"x11", "", ":7", ""}, kSilent, true, "", "display :7 does not answer"},
    {"no session type, server hung", {"", "", ":0.0", ""}, kSilent, true, "", "display :0.0 does not answer"},
    // The environment's own choice stands, and costs no connection.
    {"QT_QPA_PLATFORM offscreen", {"wayland", "wayland-0", ":0", "offscreen"}, kAnswers, false, "", ""},
    {"QT_QPA_PLATFORM wayland over XWayland",
     {"wayland", "wayland-0", ":0", "wayland"},
     kAnswers,
     false,
     "",
     ""},
    {"QT_QPA_PLATFORM xcb with X hung", {"x11", "", ":0", "xcb"}, kSilent, false, "", ""},
    {"QT_QPA_PLATFORM list", {"", "", "", "wayland;xcb"}, kAbsent, false, "", ""},
};

} // namespace

TEST(PlatformChoice, FollowsTheTable)
{
    for (const Case& c : kCases) {
        std::vector<std::string> asked;
        const PlatformChoice choice = ChoosePlatform(c.environment, [&](const std::string& display) {
            asked.push_back(display);
            return c.x;
        });
        EXPECT_EQ(choice.platform, c.platform) << c.what;
        if (*c.refusal == '\0')
            EXPECT_EQ(choice.refusal, "") << c.what;
        else
            EXPECT_NE(choice.refusal.find(c.refusal), std::string::npos) << c.what << ": " << choice.refusal;
        const std::vector<std::string> expectedAsked =
            c.asksX ? std::vector<std::string>{c.environment.display} : std::vector<std::string>{};
        EXPECT_EQ(asked, expectedAsked) << c.what;
    }
}

TEST(PlatformChoice, TheRefusalLineShowsTheDisplayInert)
{
    EXPECT_EQ(RefusalLine("the X server on display :0\x1b]0;x\x07\n does not answer"),
              "ZT-VOLTRAIL: the X server on display :0\\x1B]0;x\\x07  does not answer.");
}

TEST(PlatformChoice, NativeWaylandSaysTheCompositorDecides)
{
    const struct {
        const char* platform;
        bool says;
    } cases[] = {
        {"wayland", true},    {"wayland-egl", true}, {"xcb", false},
        {"offscreen", false}, {"minimal", false},    {"", false},
    };
    for (const auto& c : cases) {
        const std::string notice = NativeWaylandNotice(c.platform);
        if (!c.says) {
            EXPECT_EQ(notice, "") << c.platform;
            continue;
        }
        EXPECT_NE(notice.find("compositor decides placement and stacking"), std::string::npos) << notice;
        EXPECT_EQ(notice.find('\n'), std::string::npos) << "one line, the caller ends it: " << notice;
    }
}
