#pragma once

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>

namespace voltrail {

// How a program is started with posix_spawn: in a session of its own, no
// signal blocked, standard input on the null device. Its output goes to the
// null device when hidden; a stderr descriptor, when given, takes the place of
// standard error.
class SpawnSetup {
public:
    struct Options {
        bool hidden = true;
        int stderrFd = -1;               // -1: the null device when hidden, else ours
        bool keepSigpipeIgnored = false; // the program outlives a reader that goes away
    };

    explicit SpawnSetup(const Options& options)
    {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        if (options.hidden)
            posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
        if (options.stderrFd >= 0)
            posix_spawn_file_actions_adddup2(&actions_, options.stderrFd, 2);
        else if (options.hidden)
            posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
        posix_spawnattr_init(&attributes_);
        sigset_t defaults;
        sigfillset(&defaults);
        if (options.keepSigpipeIgnored)
            sigdelset(&defaults, SIGPIPE);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setflags(&attributes_,
                                 POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

// A command line started the way this system starts Windows lines: split by
// the Windows rules (the rules the program would apply), the program found on
// PATH, never through a shell, with posix_spawn (no copy of this process, so a
// batch of sixty lines stays quick).
struct ProcessStart {
    pid_t pid = 0;
    std::string problem; // why it was not started; empty when it was
};
ProcessStart StartCommandLine(const std::string& commandLine, const SpawnSetup::Options& options);

} // namespace voltrail
