// Builds the real collaborators and hands them to the main bar.
#include "actions/ChildReaper.h"
#include "actions/ProcessLauncher.h"
#include "clock/SystemClock.h"
#include "mainbar/WindowStackingFactory.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "notifications/DesktopNotifierFactory.h"
#include "outcome/ShutdownCommandLayer.h"
#include "platformchoice/PlatformChoice.h"
#include "platformchoice/ToolkitArguments.h"
#include "platformchoice/WindowSystemStart.h"
#include "settings/QSettingsBackend.h"
#include "settings/SectionName.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    voltrail::WindowSystemStart windowSystem;
    if (!windowSystem.refusal().empty()) {
        std::fprintf(stderr, "%s\n", voltrail::RefusalLine(windowSystem.refusal()).c_str());
        return 1;
    }
    // The program reads no command line.
    voltrail::ToolkitArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    windowSystem.Started();
    // A tool window does not count as the last window: the bar ends the
    // process itself when it unloads.
    QApplication::setQuitOnLastWindowClosed(false);

    // The name started under is the section, not the file a link leads to.
    const std::string section = voltrail::CurrentExecutableSection(argc > 0 && argv[0] ? argv[0] : "");
    voltrail::QSettingsBackend backend(section);
    voltrail::SettingsStore settings(backend);
    voltrail::ChildReaper children;
    voltrail::ProcessLauncher processes(children);
    // Every `shutdown` line goes through a layer of ours: it watches each to its
    // end, and where the system has no `shutdown` of its own, carries it out.
    const auto notifier = voltrail::MakeDesktopNotifier();
    const auto shutdownLayer = voltrail::MakeShutdownCommandLayer(processes, *notifier);
    voltrail::ShellLauncher& launcher = shutdownLayer ? *shutdownLayer : processes;
    const auto stacking = voltrail::MakeWindowStacking();
    voltrail::SystemClock clock;
    voltrail::Services services{settings, launcher, *stacking, clock};

    voltrail::ZT_VOLTRAIL_MAIN bar(services);
    QObject::connect(&bar, &voltrail::ZT_VOLTRAIL_MAIN::unloaded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    bar.Form_Load();
    bar.show();
    return app.exec();
}
