#include "linuxlayer/ToolProcessLauncher.h"

#include "actions/OutputTail.h"
#include "actions/ProcessStart_unix.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace voltrail {

namespace {

// Read at most this much of a tool's standard error per turn of the event
// loop, so that a tool writing without end cannot hold the loop.
constexpr size_t kReadPerTurn = 64 * 1024;
// Where the kernel gives no pidfd, the tool's end is looked for this often.
constexpr int kPollMs = 200;

// A descriptor that becomes readable when the process has ended; -1 where the
// kernel has none (before Linux 5.3).
int OpenPidFd(pid_t pid)
{
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

// One started tool, from its start to the moment its end is handed on. Owned
// by the application object, so it goes with it, leaving the tool alone.
class ToolWatch final : public QObject {
public:
    ToolWatch(pid_t pid, int stderrFd, ToolLauncher::EndHandler onEnd)
        : QObject(QCoreApplication::instance()), pid_(pid), stderrFd_(stderrFd), onEnd_(std::move(onEnd))
    {
        stderrNotifier_ = new QSocketNotifier(stderrFd_, QSocketNotifier::Read, this);
        connect(stderrNotifier_, &QSocketNotifier::activated, this, [this] { ReadStderr(kReadPerTurn); });
        pidFd_ = OpenPidFd(pid_);
        if (pidFd_ >= 0) {
            endNotifier_ = new QSocketNotifier(pidFd_, QSocketNotifier::Read, this);
            connect(endNotifier_, &QSocketNotifier::activated, this, &ToolWatch::Collect);
        } else {
            poll_ = new QTimer(this);
            connect(poll_, &QTimer::timeout, this, &ToolWatch::Collect);
            poll_->start(kPollMs);
        }
    }

    ~ToolWatch() override
    {
        CloseStderr();
        if (pidFd_ >= 0)
            ::close(pidFd_);
    }

    ToolWatch(const ToolWatch&) = delete;
    ToolWatch& operator=(const ToolWatch&) = delete;

private:
    void ReadStderr(size_t budget)
    {
        char chunk[16 * 1024];
        while (stderrFd_ >= 0 && budget > 0) {
            const ssize_t n = ::read(stderrFd_, chunk, sizeof chunk);
            if (n > 0) {
                tail_.Append(std::string_view(chunk, static_cast<size_t>(n)));
                budget -= std::min(budget, static_cast<size_t>(n));
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && errno == EAGAIN) {
                return;
            } else {
                CloseStderr(); // the end of the stream, or a broken one
            }
        }
    }

    void CloseStderr()
    {
        if (stderrFd_ < 0)
            return;
        // May run inside the notifier's own signal: it goes later.
        stderrNotifier_->setEnabled(false);
        stderrNotifier_->deleteLater();
        stderrNotifier_ = nullptr;
        ::close(stderrFd_);
        stderrFd_ = -1;
    }

    void Collect()
    {
        if (ended_)
            return; // already handed on
        int status = 0;
        pid_t result;
        do {
            result = waitpid(pid_, &status, WNOHANG);
        } while (result < 0 && errno == EINTR);
        if (result == 0)
            return; // still running (only when polling)
        // The tool has ended: what it wrote is in the pipe, unless a child of
        // its own still holds the pipe open and writes on.
        ReadStderr(16 * kReadPerTurn);
        CloseStderr();
        if (endNotifier_)
            endNotifier_->setEnabled(false);
        if (poll_)
            poll_->stop();

        ToolEnd end;
        if (result < 0) {
            // Collected elsewhere: never taken for success.
            end = {ToolEnd::How::Unseen, 0, {}, tail_.LastLine(), tail_.kept()};
        } else if (WIFSIGNALED(status)) {
            const char* name = strsignal(WTERMSIG(status));
            end = {ToolEnd::How::Signalled, WTERMSIG(status), name ? name : "", tail_.LastLine(),
                   tail_.kept()};
        } else {
            end = {ToolEnd::How::Exited, WEXITSTATUS(status), {}, tail_.LastLine(), tail_.kept()};
        }
        ended_ = true;
        auto onEnd = std::exchange(onEnd_, nullptr);
        deleteLater();
        if (onEnd)
            onEnd(end);
    }

    pid_t pid_;
    int stderrFd_;
    int pidFd_ = -1;
    QSocketNotifier* stderrNotifier_ = nullptr;
    QSocketNotifier* endNotifier_ = nullptr;
    QTimer* poll_ = nullptr;
    OutputTail tail_;
    ToolLauncher::EndHandler onEnd_;
    bool ended_ = false;
};

ToolEnd NotStarted(std::string why)
{
    return {ToolEnd::How::NotStarted, 0, std::move(why), {}, {}};
}

} // namespace

ToolProcessLauncher::ToolProcessLauncher()
{
    // Written to once we have gone, our end of the pipe raises SIGPIPE; the
    // tool inherits it ignored and gets an error it can shrug off instead.
    std::signal(SIGPIPE, SIG_IGN);
    // Inherited ignored (or with SA_NOCLDWAIT), SIGCHLD has the kernel reap
    // the tools before we can see how they ended. A handler is left alone.
    struct sigaction current {};
    if (sigaction(SIGCHLD, nullptr, &current) == 0 &&
        (current.sa_handler == SIG_IGN ||
         (current.sa_handler == SIG_DFL && (current.sa_flags & SA_NOCLDWAIT))))
        std::signal(SIGCHLD, SIG_DFL);
}

void ToolProcessLauncher::LaunchTool(const std::string& commandLine, EndHandler onEnd)
{
    if (!QCoreApplication::instance())
        return onEnd(NotStarted("there is no event loop to watch the tool on"));
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return onEnd(NotStarted(std::string("no pipe for its error output: ") + std::strerror(errno)));
    // Only our end is non-blocking: the tool writes as it would to a terminal.
    fcntl(pipeFds[0], F_SETFL, fcntl(pipeFds[0], F_GETFL) | O_NONBLOCK);

    // The tool's standard error is ours to read; it keeps running when the
    // program has ended, and then its writes there must not end it.
    const ProcessStart started =
        StartCommandLine(commandLine, {.hidden = true, .stderrFd = pipeFds[1], .keepSigpipeIgnored = true});
    ::close(pipeFds[1]);
    if (!started.problem.empty()) {
        ::close(pipeFds[0]);
        return onEnd(NotStarted(started.problem));
    }
    new ToolWatch(started.pid, pipeFds[0], std::move(onEnd));
}

} // namespace voltrail
