#pragma once

#include "actions/LinuxShutdownTranslation.h"
#include "actions/ShellLauncher.h"

#include <ostream>

namespace voltrail {

// Stands in for Windows' `shutdown` command where there is none: its command
// lines are carried out with systemd/logind and Samba's client, started
// hidden through the inner launcher (which never uses a shell). A line that
// cannot be carried out as Windows would carry it out starts nothing and is
// reported with its reason. Every other line goes to the inner launcher as it
// stands.
class LinuxShutdownLauncher final : public ShellLauncher {
public:
    LinuxShutdownLauncher(ShellLauncher& inner, LocalSession session, std::ostream& report);

    void Launch(const std::string& commandLine, std::int16_t windowStyle) override;

private:
    ShellLauncher& inner_;
    LocalSession session_;
    std::ostream& report_;
};

} // namespace voltrail
