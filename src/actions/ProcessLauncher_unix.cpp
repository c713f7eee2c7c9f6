#include "actions/ProcessLauncher.h"

#include "actions/SpawnSetup_unix.h"
#include "actions/WindowsCommandLine.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace voltrail {

namespace {

void ReportFailure(const std::string& commandLine, const std::string& reason)
{
    std::fprintf(stderr, "ZT-VOLTRAIL: cannot start \"%s\": %s\n", commandLine.c_str(), reason.c_str());
}

// Started programs are never waited for, but they must not linger as zombies:
// the ones that have ended are collected at the next launch and once a second
// while any is still running (and not at all when none is).
class Reaper {
public:
    static Reaper& instance()
    {
        static Reaper reaper;
        return reaper;
    }

    void add(pid_t pid)
    {
        pending_->push_back(pid);
        collect(*pending_);
        schedule();
    }

private:
    using Pids = std::vector<pid_t>;

    static void collect(Pids& pids)
    {
        std::erase_if(pids, [](pid_t pid) {
            int status = 0;
            const pid_t result = waitpid(pid, &status, WNOHANG);
            return result == pid || (result < 0 && errno == ECHILD);
        });
    }

    void schedule()
    {
        if (scheduled_ || pending_->empty() || !QCoreApplication::instance())
            return;
        scheduled_ = true;
        QTimer::singleShot(1000, [this, pids = pending_] {
            scheduled_ = false;
            collect(*pids);
            schedule();
        });
    }

    std::shared_ptr<Pids> pending_ = std::make_shared<Pids>();
    bool scheduled_ = false;
};

} // namespace

void ProcessLauncher::Launch(const std::string& commandLine, std::int16_t windowStyle)
{
    // A NUL would end a word early and start something other than what the
    // caller shows: refuse it.
    if (commandLine.find('\0') != std::string::npos) {
        ReportFailure(commandLine, "the command line holds a NUL character");
        return;
    }
    const auto words = SplitWindowsCommandLine(commandLine);
    if (words.empty() || words.front().empty()) {
        ReportFailure(commandLine, "the command line names no program");
        return;
    }
    const QString name = QString::fromStdString(words.front());
    const QString found = name.contains(QLatin1Char('/')) ? name : QStandardPaths::findExecutable(name);
    if (found.isEmpty()) {
        ReportFailure(commandLine, "no program \"" + words.front() + "\" on PATH");
        return;
    }
    const std::string program = found.toStdString();

    std::vector<std::string> arguments(words.begin(), words.end());
    std::vector<char*> argv;
    for (auto& word : arguments)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // posix_spawn creates the process without copying this one, which keeps a
    // batch of sixty lines quick; the child starts a session of its own, with
    // default signal handling and nothing of ours but the environment.
    const SpawnSetup setup({.hidden = windowStyle == kStyleHidden});
    pid_t pid = 0;
    const int error =
        posix_spawn(&pid, program.c_str(), setup.actions(), setup.attributes(), argv.data(), environ);
    if (error != 0) {
        ReportFailure(commandLine, program + ": " + std::strerror(error));
        return;
    }
    Reaper::instance().add(pid);
}

} // namespace voltrail
