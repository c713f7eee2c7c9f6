#include "outcome/ShutdownCommandLayer.h"

#include "linuxlayer/LinuxShutdownLauncher.h"
#include "linuxlayer/ToolProcessLauncher.h"
#include "outcome/OwnedShutdownLayer.h"

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

} // namespace

std::unique_ptr<ShellLauncher> MakeShutdownCommandLayer(ShellLauncher& inner, DesktopNotifier& notifier)
{
    return std::make_unique<OwnedShutdownLayer<ToolProcessLauncher, LinuxShutdownLauncher>>(
        std::cerr, notifier, inner, CurrentSession());
}

} // namespace voltrail
