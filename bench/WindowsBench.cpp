// Opening and closing every window, and the cost of the two ticks that run
// while the program waits: the keeper's and the countdown's. The store lives
// in a temporary config directory and launches are only recorded.

#include "BenchClock.h"
#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "settings/QSettingsBackend.h"
#include "support/FakeClock.h"
#include "support/FakeWindowStacking.h"
#include "support/RecordingLauncher.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace voltrail;
using namespace voltrail::bench;

namespace {

// Load, show, close: what every opening of a window costs, its unload
// (with the durable write of its position) included.
template <typename Window, typename... Args> Figures OpenAndClose(int repetitions, Args&... args)
{
    return Measure(repetitions, [&] {
        Window window(args...);
        window.Load();
        window.show();
        window.close();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir config;
    PrepareEnvironment(config.path());
    QApplication app(argc, argv);

    QSettingsBackend backend("ZT-VOLTRAIL-V1");
    SettingsStore store(backend);
    test::RecordingLauncher launcher;
    test::FakeWindowStacking stacking;
    stacking.foreground = 1; // another program's window is in front
    test::FakeClock clock;
    Services services{store, launcher, stacking, clock};

    const int kOpenings = 20;
    Print("main bar: load, show, close",
          Measure(kOpenings,
                  [&] {
                      ZT_VOLTRAIL_MAIN bar(services);
                      bar.Form_Load();
                      bar.show();
                      bar.close();
                  }),
          0);

    ZT_VOLTRAIL_MAIN bar(services);
    bar.Form_Load();
    bar.show();
    QWidget* owner = &bar;
    Print("settings and about: open, close", OpenAndClose<ZT_VOLTRAIL_ABOUT>(kOpenings, services, bar), 0);
    Print("run option: open, close", OpenAndClose<ZT_VOLTRAIL_RUN_OPTION_WINDOW>(kOpenings, services, bar),
          0);
    Print("confirm action: open, close",
          OpenAndClose<ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW>(kOpenings, services, bar, owner), 0);
    Print("auto-timer: open, close", OpenAndClose<ZT_VOLTRAIL_AUTOTIMER_WINDOW>(kOpenings, services, owner),
          0);
    Print("simple remote: open, close", OpenAndClose<ZT_VOLTRAIL_SGUI_SIMPLE>(kOpenings, services, owner), 0);
    Print("console: open, close", OpenAndClose<ZT_VOLTRAIL_SGUI_ADVANCED>(kOpenings, services, owner), 0);

    // The keeper's tick as the bar's timer delivers it, with another window in
    // front: two foreground questions and two stacking calls.
    const int kTicks = 10000;
    const Figures keeper = Measure(5, [&] {
        for (int i = 0; i < kTicks; ++i)
            QMetaObject::invokeMethod(bar.AlwaysOnTopTimer, "timeout", Qt::DirectConnection);
    });
    std::printf("%-44s %8.3f us a tick\n", "keeper tick through the bar's timer",
                keeper.median * 1000 / kTicks);

    // The countdown's tick, counting down from 23:59:59 (it never reaches zero here).
    ZT_VOLTRAIL_AUTOTIMER_WINDOW timer(services, owner);
    timer.Load();
    timer.show();
    timer.HIBERNATE_BUTTON->click();
    timer.CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setText(QStringLiteral("23:59:59"));
    timer.OK_BUTTON->click();
    const int kCountdownTicks = 1000;
    const Figures countdown = Measure(5, [&] {
        for (int i = 0; i < kCountdownTicks; ++i)
            timer.AUTOTIMER_COUNTER_Timer();
    });
    std::printf("%-44s %8.3f us a tick (box now %s)\n", "countdown tick",
                countdown.median * 1000 / kCountdownTicks,
                qPrintable(timer.CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text()));
    timer.close();
    bar.close();
    return launcher.launched.empty() ? 0 : 1;
}
