#include "platformchoice/WindowSystemStart.h"

#include "platformchoice/PlatformChoice.h"
#include "platformchoice/XServerProbe.h"

#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace voltrail {

namespace {

// Long enough for a compositor that starts XWayland on the first connection.
constexpr std::chrono::seconds kXServerPatience{5};

std::string Variable(const char* name)
{
    return qEnvironmentVariable(name).toStdString();
}

[[noreturn]] void Refuse(const PlatformChoice& choice)
{
    std::fprintf(stderr, "%s\n", RefusalLine(choice.refusal).c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

WindowSystemStart::WindowSystemStart()
{
    const SessionEnvironment environment{Variable("XDG_SESSION_TYPE"), Variable("WAYLAND_DISPLAY"),
                                         Variable("DISPLAY"), Variable("QT_QPA_PLATFORM")};
    // Where X11 is all the session offers, the answer changes nothing but
    // the refusal of a server that never answers, so Qt starts while it is
    // awaited, and a silent server ends the program where it has got to:
    // Qt's own connection waits on it for ever.
    const bool waylandMayServe = WaylandMayServe(environment);
    const PlatformChoice choice = ChoosePlatform(environment, [&](const std::string& display) {
        if (!waylandMayServe) {
            xServer_ = std::make_shared<const XServerProbe>(display, kXServerPatience, [environment] {
                Refuse(ChoosePlatform(environment, [](const std::string&) { return XServerAnswer::Silent; }));
            });
            return XServerAnswer::Answers;
        }
        auto probe = std::make_shared<const XServerProbe>(display, kXServerPatience);
        xServer_ = probe;
        return probe->answer();
    });
    refusal_ = choice.refusal;
    if (!choice.platform.empty()) {
        // The environment is the one way in: the program hands Qt no options.
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.platform));
        platformSet_ = true;
    }
}

void WindowSystemStart::Started()
{
    xServer_.reset();
    if (platformSet_) {
        qunsetenv("QT_QPA_PLATFORM");
        platformSet_ = false;
    }
    const std::string notice = NativeWaylandNotice(QGuiApplication::platformName().toStdString());
    if (!notice.empty())
        std::fprintf(stderr, "%s\n", notice.c_str());
}

} // namespace voltrail
