// Starts programs on the X display in $DISPLAY, each several times in turn,
// and measures for each run:
//   start   time from starting the process until its first top-level window
//           is mapped (watched as MapNotify on the root, matched by _NET_WM_PID)
//   memory  VmRSS and VmHWM from /proc once the window has been up for a second
//   idle    CPU time of all its threads over the next few seconds of doing nothing
// Then prints the medians side by side with the budgets.
//
//   startup_probe <runs> <idle seconds> <name>=<program> [<name>=<program>...]
//
// No window manager may run on the display: top-level windows must be
// children of the root.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
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

struct Run {
    double startMs = 0;
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

// Windows the process mapped before _NET_WM_PID was readable are checked again
// on later events; a top-level of ours is one whose property names our pid.
std::optional<Run> Measure(xcb_connection_t* x, xcb_atom_t pidAtom, const std::string& path,
                           double idleSeconds)
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
    std::vector<xcb_window_t> mapped;
    std::optional<Clock::time_point> shown;
    const int fd = xcb_get_file_descriptor(x);
    while (!shown && Clock::now() - started < std::chrono::seconds(30)) {
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 20);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto when = Clock::now();
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect && WindowPid(x, map->window, pidAtom) == pid)
                    shown = when;
                else if (!map->override_redirect)
                    mapped.push_back(map->window);
            }
            std::free(event);
        }
        for (xcb_window_t w : mapped)
            if (!shown && WindowPid(x, w, pidAtom) == pid)
                shown = Clock::now();
        if (xcb_connection_has_error(x))
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before showing a window\n", path.c_str());
            return std::nullopt;
        }
    }
    if (!shown) {
        std::fprintf(stderr, "%s showed no window within 30 s\n", path.c_str());
        Stop(pid);
        return std::nullopt;
    }
    Run run;
    run.startMs = std::chrono::duration<double, std::milli>(*shown - started).count();
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
    xcb_flush(x);

    // In turn, so that a change in the machine's load falls on all alike.
    for (int r = 0; r < runs; ++r) {
        for (Program& program : programs) {
            const auto run = Measure(x, pidAtom, program.path, idleSeconds);
            if (!run)
                return 1;
            program.runs.push_back(*run);
            std::printf("run %d %-6s start %7.1f ms  VmRSS %7.1f MiB  VmHWM %7.1f MiB  idle CPU %6.2f ms\n",
                        r + 1, program.name.c_str(), run->startMs, run->rssKiB / 1024.0, run->hwmKiB / 1024.0,
                        run->idleCpuMs);
            std::fflush(stdout);
        }
    }
    xcb_disconnect(x);

    std::printf("\nmedians of %d runs        start to window   VmRSS      VmHWM      CPU over %.0f s idle\n",
                runs, idleSeconds);
    for (const Program& p : programs)
        std::printf("  %-22s %9.1f ms  %7.1f MiB %7.1f MiB  %8.2f ms\n", p.name.c_str(),
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
        std::printf("\nbudgets\n");
        std::printf("  start  %s within 1.5x %s: %.1f ms <= %.1f ms (%.2fx)   %s\n", bar.name.c_str(),
                    bare.name.c_str(), barStart, 1.5 * bareStart, barStart / bareStart,
                    barStart <= 1.5 * bareStart ? "ok" : "OVER");
        std::printf("  memory %s VmHWM within %s + 15 MiB: %.1f MiB <= %.1f MiB   %s\n", bar.name.c_str(),
                    bare.name.c_str(), barHwm, bareHwm + 15, barHwm <= bareHwm + 15 ? "ok" : "OVER");
        std::printf("  idle   %s below 1%% of a core between ticks: %.2f ms <= %.1f ms   %s\n",
                    bar.name.c_str(), barIdle, idleBudget, barIdle <= idleBudget ? "ok" : "OVER");
    }
    return 0;
}
