// Times the remote console's heaviest presses with the real launcher and the
// real store: a recording `shutdown` stands first on PATH and the store lives
// in a temporary config directory, so nothing real is ever shut down.

#include "BenchClock.h"
#include "actions/ProcessLauncher.h"
#include "mainbar/NullWindowStacking.h"
#include "remote/ConsoleKeys.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "settings/QSettingsBackend.h"
#include "support/FakeClock.h"
#include "support/RecordingLauncher.h"
#include "support/RecordingProgram.h"
#include "ui/TickBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace voltrail;
using namespace voltrail::bench;

namespace {

// Calls recorded so far: each call ends its record with one newline.
qsizetype RecordedCalls(const QString& dir)
{
    QFile log(dir + QStringLiteral("/shutdown.log"));
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    return log.readAll().count('\n');
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir config;
    PrepareEnvironment(config.path());
    QApplication app(argc, argv);

    test::RecordingPrograms programs{{QStringLiteral("shutdown"), QStringLiteral("shutdown.exe")}};
    programs.putFirstOnPath();

    QSettingsBackend backend("ZT-VOLTRAIL-V1");
    SettingsStore store(backend);
    ChildReaper launcherChildren;
    ProcessLauncher launcher{launcherChildren};
    NullWindowStacking stacking("bench");
    test::FakeClock clock;
    Services services{store, launcher, stacking, clock};

    // Every row marked, named and asking for both a shutdown and a restart.
    for (int n = 1; n <= kConsoleRowCount; ++n) {
        store.SaveTick(RowControlName("BATCH_RUN", n, "TICKBOX"), 1);
        store.SaveText(RowControlName("PC_NAME", n, "TEXTBOX"), "BENCH-PC-" + std::to_string(n));
        store.SaveTick(RowControlName("SHUTDOWN", n, "TICKBOX"), 1);
        store.SaveTick(RowControlName("RESTART", n, "TICKBOX"), 1);
    }
    store.Flush();

    const int kOpenings = 20;
    const int kPresses = 10;
    std::printf("store: %s\nrecording shutdown: %s\n\n", qPrintable(backend.location()),
                qPrintable(programs.dir()));

    const Figures open = Measure(kOpenings, [&] {
        ZT_VOLTRAIL_SGUI_ADVANCED console(services, nullptr);
        console.Load();
        console.show();
        console.close();
    });
    Print("open console (240 row controls, 155 reads)", open, 0);

    ZT_VOLTRAIL_SGUI_ADVANCED console(services, nullptr);
    console.Load();
    console.show();
    QCoreApplication::processEvents();
    console.ENABLE_BATCH_RUN_TICKBOX->click();

    const Figures batch = Measure(kPresses, [&] { console.BATCH_RUN_BUTTON->click(); });
    Print("BATCH RUN, 60 lines", batch, 60);
    const Figures abortAll = Measure(kPresses, [&] { console.ABORT_ALL_BUTTON->click(); });
    Print("ABORT ALL, 30 lines", abortAll, 30);
    const Figures save = Measure(kPresses, [&] { console.SAVE_BUTTON->click(); });
    Print("Save, 153 values with sync", save, 0);
    // The launcher alone, for comparison: what a line costs outside the window.
    const Figures bare = Measure(kPresses, [&] {
        for (int i = 0; i < 30; ++i)
            launcher.Launch("shutdown /a /m \\\\BENCH-PC", kStyleHidden);
    });
    Print("ProcessLauncher alone, 30 lines", bare, 30);

    // The same presses with a launcher that starts nothing: the window's own share.
    test::RecordingLauncher recorder;
    Services quietServices{store, recorder, stacking, clock};
    ZT_VOLTRAIL_SGUI_ADVANCED quiet(quietServices, nullptr);
    quiet.Load();
    quiet.show();
    quiet.ENABLE_BATCH_RUN_TICKBOX->click();
    Print("BATCH RUN, 60 lines, nothing started", Measure(kPresses, [&] { quiet.BATCH_RUN_BUTTON->click(); }),
          60);
    Print("ABORT ALL, 30 lines, nothing started", Measure(kPresses, [&] { quiet.ABORT_ALL_BUTTON->click(); }),
          30);
    quiet.close();

    // Every started line must have reached the recording program.
    const qsizetype expected = kPresses * (60 + 30 + 30);
    QElapsedTimer wait;
    wait.start();
    while (RecordedCalls(programs.dir()) < expected && wait.elapsed() < 20000)
        QThread::msleep(20);
    const qsizetype recorded = RecordedCalls(programs.dir());
    std::printf("\nrecorded %lld of %lld started lines\n", static_cast<long long>(recorded),
                static_cast<long long>(expected));
    console.close();
    return recorded == expected ? 0 : 1;
}
