#include "outcome/ShutdownCommandLayer.h"

#include "linuxlayer/LinuxShutdownLauncher.h"
#include "linuxlayer/ToolProcessLauncher.h"

#include <cstdlib>
#include <iostream>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace voltrail {

namespace {

std::string CurrentUser()
{
    const uid_t uid = getuid();
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return found->pw_name;
    return std::to_string(uid);
}

LocalSession CurrentSession()
{
    const char* id = std::getenv("XDG_SESSION_ID");
    return {id ? id : "", CurrentUser()};
}

// The layer with the tool launcher and the reporter it uses.
class ShutdownCommandLayer final : public ShellLauncher {
public:
    ShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier)
        : reporter_(std::make_shared<ShutdownFailureReporter>(std::cerr, notifier)),
          layer_(inner, tools_, CurrentSession(), reporter_)
    {
    }

    void Launch(const std::string& commandLine, std::int16_t windowStyle) override
    {
        layer_.Launch(commandLine, windowStyle);
    }
    void BeginPress() override { layer_.BeginPress(); }
    void LaunchWatched(const std::string& commandLine, OutcomeHandler onOutcome) override
    {
        layer_.LaunchWatched(commandLine, std::move(onOutcome));
    }

private:
    ToolProcessLauncher tools_;
    std::shared_ptr<ShutdownFailureReporter> reporter_;
    LinuxShutdownLauncher layer_;
};

} // namespace

std::unique_ptr<ShellLauncher> MakeShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier)
{
    return std::make_unique<ShutdownCommandLayer>(inner, notifier);
}

} // namespace voltrail
