// Starts the tool named on its command line through the tool launcher and
// ends at once, as the bar does when it closes with a tool still running.
#include "linuxlayer/ToolProcessLauncher.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    voltrail::ToolProcessLauncher tools;
    tools.LaunchTool(argv[1], [](const voltrail::ToolEnd&) { std::_Exit(3); });
    // One turn of the event loop, then the end.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
