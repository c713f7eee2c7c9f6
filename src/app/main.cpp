// Builds the real collaborators and hands them to the main bar.
#include "actions/ProcessLauncher.h"
#include "actions/ShutdownCommandLayer.h"
#include "mainbar/WindowStackingFactory.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "settings/QSettingsBackend.h"
#include "settings/SectionName.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // A tool window does not count as the last window: the bar ends the
    // process itself when it unloads.
    QApplication::setQuitOnLastWindowClosed(false);

    // The name started under is the section, not the file a link leads to.
    const std::string section = voltrail::CurrentExecutableSection(argc > 0 && argv[0] ? argv[0] : "");
    voltrail::QSettingsBackend backend(section);
    voltrail::SettingsStore settings(backend);
    voltrail::ProcessLauncher processes;
    // Without Windows' own `shutdown`, its lines are carried out by a layer of ours.
    const auto shutdownLayer = voltrail::MakeShutdownCommandLayer(processes);
    voltrail::ShellLauncher& launcher = shutdownLayer ? *shutdownLayer : processes;
    const auto stacking = voltrail::MakeWindowStacking();
    voltrail::Services services{settings, launcher, *stacking};

    voltrail::ZT_VOLTRAIL_MAIN bar(services);
    QObject::connect(&bar, &voltrail::ZT_VOLTRAIL_MAIN::unloaded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    bar.Form_Load();
    bar.show();
    return app.exec();
}
