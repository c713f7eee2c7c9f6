// Starts programs on the X display in $DISPLAY, each several times in turn,
// and measures for each run:
//   mapped  time from starting the process until its first top-level window
//           is mapped (watched as MapNotify on the root, matched by _NET_WM_PID)
//   shown   time until something is first drawn into that window (reported by
//           the DAMAGE extension): a window mapped before it is painted is not
//           shown yet
//   memory  VmRSS and VmHWM from /proc once the window has been up for a second
//   idle    CPU time of all its threads over the next few seconds of doing nothing
// Then prints the medians side by side with the budgets.
//
//   startup_probe <runs> <idle seconds> <name>=<program> [<name>=<program>...]
//
// No window manager may run on the display: top-level windows must be
// children of the root.
#include "FirstPaint.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Near a bare window: start within 10 % of its time, memory within 5 MiB.
constexpr double kStartBudget = 1.10;
constexpr double kMemoryBudgetMiB = 5;

struct Run {
    double mappedMs = 0;
    double startMs = 0; // to the first drawing
    long rssKiB = 0;
    long hwmKiB = 0;
    double idleCpuMs = 0;
};

struct Program {
    std::string name;
    std::string path;
    std::vector<Run> runs;
};

long StatusKiB(pid_t pid, const char* field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::atol(line.c_str() + prefix.size());
    return -1;
}

// CPU time of every thread of the process, in nanoseconds (schedstat is exact,
// where /proc/<pid>/stat counts whole clock ticks).
double CpuNs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (stat >> onCpu)
                total += onCpu;
        }
        closedir(dir);
    }
    return total;
}

std::optional<pid_t> WindowPid(xcb_connection_t* x, xcb_window_t window, xcb_atom_t pidAtom)
{
    auto cookie = xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(x, cookie, nullptr);
    std::optional<pid_t> pid;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    auto cookie = xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(x, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Every new top-level window is watched for drawing from its creation, since
// nothing is drawn before it is mapped. A top-level of ours is one whose
// _NET_WM_PID names our pid; windows mapped before that was readable are asked
// again on later events.
std::optional<Run> Measure(xcb_connection_t* x, xcb_atom_t pidAtom, FirstPaint& paint,
                           const std::string& path, double idleSeconds)
{
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    // What the program says goes nowhere: the table is the output.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const auto started = Clock::now();
    const int spawned = posix_spawn(&pid, path.c_str(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", path.c_str());
        return std::nullopt;
    }
    std::map<xcb_window_t, Clock::time_point> mapped; // owner not known yet
    std::map<xcb_window_t, Clock::time_point> drawn;
    std::optional<xcb_window_t> ours;
    std::optional<Clock::time_point> shown, painted;
    const int fd = xcb_get_file_descriptor(x);
    while (!painted && Clock::now() - started < std::chrono::seconds(30)) {
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 20);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const auto when = Clock::now();
            const auto type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (!create->override_redirect)
                    paint.Watch(create->window);
            } else if (type == XCB_MAP_NOTIFY) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect)
                    mapped.emplace(map->window, when);
            } else if (const auto window = paint.Painted(event)) {
                drawn.emplace(*window, when);
            }
            std::free(event);
        }
        xcb_flush(x);
        for (auto it = mapped.begin(); !ours && it != mapped.end();) {
            const auto owner = WindowPid(x, it->first, pidAtom);
            if (owner == pid) {
                ours = it->first;
                shown = it->second;
            }
            it = owner ? mapped.erase(it) : std::next(it);
        }
        if (ours) {
            if (const auto it = drawn.find(*ours); it != drawn.end())
                painted = it->second;
        }
        if (xcb_connection_has_error(x))
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before showing a window\n", path.c_str());
            return std::nullopt;
        }
    }
    if (!painted) {
        std::fprintf(stderr, "%s showed no painted window within 30 s\n", path.c_str());
        Stop(pid);
        return std::nullopt;
    }
    Run run;
    run.mappedMs = std::chrono::duration<double, std::milli>(*shown - started).count();
    run.startMs = std::chrono::duration<double, std::milli>(*painted - started).count();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    run.rssKiB = StatusKiB(pid, "VmRSS");
    run.hwmKiB = StatusKiB(pid, "VmHWM");
    const double cpuBefore = CpuNs(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    run.idleCpuMs = (CpuNs(pid) - cpuBefore) / 1e6;
    Stop(pid);
    return run;
}

template <typename Get> double Median(const std::vector<Run>& runs, Get get)
{
    std::vector<double> values;
    for (const Run& r : runs)
        values.push_back(static_cast<double>(get(r)));
    std::sort(values.begin(), values.end());
    if (values.empty())
        return 0;
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <runs> <idle seconds> <name>=<program>...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const double idleSeconds = std::atof(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "expected <name>=<program>, got %s\n", argv[i]);
            return 2;
        }
        programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}});
    }

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = Atom(x, "_NET_WM_PID");
    auto paint = FirstPaint::Start(x);
    if (!paint) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    xcb_flush(x);

    // In turn, so that a change in the machine's load falls on all alike.
    for (int r = 0; r < runs; ++r) {
        for (Program& program : programs) {
            const auto run = Measure(x, pidAtom, *paint, program.path, idleSeconds);
            if (!run)
                return 1;
            program.runs.push_back(*run);
            std::printf("run %d %-6s mapped %7.1f ms  shown %7.1f ms  VmRSS %7.1f MiB  VmHWM %7.1f MiB  "
                        "idle CPU %6.2f ms\n",
                        r + 1, program.name.c_str(), run->mappedMs, run->startMs, run->rssKiB / 1024.0,
                        run->hwmKiB / 1024.0, run->idleCpuMs);
            std::fflush(stdout);
        }
    }
    xcb_disconnect(x);

    std::printf("\nmedians of %d runs        to mapped     to shown     VmRSS      VmHWM      "
                "CPU over %.0f s idle\n",
                runs, idleSeconds);
    for (const Program& p : programs)
        std::printf("  %-22s %7.1f ms  %8.1f ms  %7.1f MiB %7.1f MiB  %8.2f ms\n", p.name.c_str(),
                    Median(p.runs, [](const Run& r) { return r.mappedMs; }),
                    Median(p.runs, [](const Run& r) { return r.startMs; }),
                    Median(p.runs, [](const Run& r) { return r.rssKiB; }) / 1024.0,
                    Median(p.runs, [](const Run& r) { return r.hwmKiB; }) / 1024.0,
                    Median(p.runs, [](const Run& r) { return r.idleCpuMs; }));

    // Budgets: the first program against the second (the bare window).
    if (programs.size() >= 2) {
        const Program& bar = programs[0];
        const Program& bare = programs[1];
        const double barStart = Median(bar.runs, [](const Run& r) { return r.startMs; });
        const double bareStart = Median(bare.runs, [](const Run& r) { return r.startMs; });
        const double barHwm = Median(bar.runs, [](const Run& r) { return r.hwmKiB; }) / 1024.0;
        const double bareHwm = Median(bare.runs, [](const Run& r) { return r.hwmKiB; }) / 1024.0;
        const double barIdle = Median(bar.runs, [](const Run& r) { return r.idleCpuMs; });
        const double idleBudget = idleSeconds * 1000 * 0.01;
        // Runs in turn share the machine's load of the moment: their ratios
        // say more than the medians when other work comes and goes.
        std::vector<Run> ratios;
        for (size_t i = 0; i < bar.runs.size() && i < bare.runs.size(); ++i) {
            Run ratio;
            ratio.startMs = bar.runs[i].startMs / bare.runs[i].startMs;
            ratios.push_back(ratio);
        }
        const double pairedRatio = Median(ratios, [](const Run& r) { return r.startMs; });
        std::printf("\nbudgets\n");
        std::printf("  start  %s shown within 1.10x %s: %.1f ms <= %.1f ms (%.2fx; run by run %.2fx)   %s\n",
                    bar.name.c_str(), bare.name.c_str(), barStart, kStartBudget * bareStart,
                    barStart / bareStart, pairedRatio, barStart <= kStartBudget * bareStart ? "ok" : "OVER");
        std::printf("  memory %s VmHWM within %s + 5 MiB: %.1f MiB <= %.1f MiB   %s\n", bar.name.c_str(),
                    bare.name.c_str(), barHwm, bareHwm + kMemoryBudgetMiB,
                    barHwm <= bareHwm + kMemoryBudgetMiB ? "ok" : "OVER");
        std::printf("  idle   %s below 1%% of a core between ticks: %.2f ms <= %.1f ms   %s\n",
                    bar.name.c_str(), barIdle, idleBudget, barIdle <= idleBudget ? "ok" : "OVER");
    }
    return 0;
}
