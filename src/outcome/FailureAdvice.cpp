#include "outcome/FailureAdvice.h"

#include <array>

namespace voltrail {

namespace {

struct Kind {
    std::array<std::string_view, 7> marks; // any one of them, as the tool writes it
    std::string_view advice;
};

// Samba's `net`, as it reports a refused or failed call. Access is checked
// before logon: a server may say both, and then the logon went through.
constexpr Kind kRemoteKinds[] = {
    {{"WERR_ACCESS_DENIED", "NT_STATUS_ACCESS_DENIED"},
     "The account may not shut that computer down: it needs the user right \"Force shutdown from a remote "
     "system\" there; a local (non-domain) account is also blocked by Windows' remote UAC restrictions."},
    {{"NT_STATUS_LOGON_FAILURE", "NT_STATUS_ACCOUNT_", "NT_STATUS_PASSWORD_EXPIRED",
      "NT_STATUS_PASSWORD_MUST_CHANGE", "NT_STATUS_WRONG_PASSWORD", "NT_STATUS_NO_SUCH_USER"},
     "The user name or password was refused: this program logs on with your Kerberos ticket (run kinit) "
     "or with USER and PASSWD in its environment."},
    {{"Unable to find a suitable server", "NT_STATUS_BAD_NETWORK_NAME", "NT_STATUS_INVALID_ADDRESS",
      "NT_STATUS_OBJECT_NAME_NOT_FOUND", "Could not resolve", "no address"},
     "The computer name does not resolve: check it, or use the computer's IP address."},
    {{"NT_STATUS_CONNECTION_REFUSED", "NT_STATUS_HOST_UNREACHABLE", "NT_STATUS_IO_TIMEOUT",
      "NT_STATUS_NETWORK_UNREACHABLE", "NT_STATUS_CONNECTION_RESET", "NT_STATUS_PORT_UNREACHABLE"},
     "The computer is off or unreachable, or its firewall blocks file and printer sharing (TCP 445)."},
};

// systemctl and loginctl, as they pass on what logind and polkit said.
constexpr Kind kLocalKinds[] = {
    {{"Interactive authentication required", "Access denied", "Permission denied"},
     "This session may not do that without authentication: the desktop's authentication agent was not "
     "there to ask, or the administrator's policy forbids it."},
};

// Hibernation that the system is not set up for.
constexpr Kind kHibernateKind = {
    {"not supported", "swap space", "resume device", "Not enough"},
    "This computer cannot hibernate as configured (no swap or resume device).",
};

// Windows' `shutdown.exe`, by the system error code it exits with.
struct CodeKind {
    std::array<int, 4> codes;
    std::string_view advice;
};

constexpr std::string_view kLogonAdvice =
    "The computer refused your logon: connect first with an account it accepts "
    "(net use \\\\NAME\\IPC$ /user:NAME\\account).";

constexpr CodeKind kWindowsKinds[] = {
    {{5},
     "The account needs the user right \"Force shutdown from a remote system\" on that computer; a local "
     "(non-domain) account is also blocked by remote UAC restrictions (LocalAccountTokenFilterPolicy)."},
    {{53, 67, 1722},
     "The name does not resolve or the computer is off; otherwise its firewall blocks File and Printer "
     "Sharing (TCP 445) or Remote Administration."},
    {{1326, 1327, 1330, 1907}, kLogonAdvice},
    {{87},
     "shutdown.exe refused the line: check the time-out (a whole number from 0 to 315360000) and the name."},
};

constexpr int kAlreadyScheduled[] = {1115, 1190};
constexpr int kNoShutdownInProgress = 1116;

std::string WindowsAdvice(const ShutdownSubject& subject, int code)
{
    for (const int scheduled : kAlreadyScheduled) {
        if (code == scheduled)
            return std::string("A shutdown is already scheduled on ") +
                   (subject.remote ? "that computer" : "this computer") + ": abort it first.";
    }
    for (const CodeKind& kind : kWindowsKinds) {
        for (const int c : kind.codes) {
            if (c != 0 && c == code) {
                std::string advice(kind.advice);
                if (kind.advice == kLogonAdvice && !subject.computer.empty()) {
                    for (size_t at = advice.find("NAME"); at != std::string::npos;
                         at = advice.find("NAME", at + subject.computer.size()))
                        advice.replace(at, 4, subject.computer);
                }
                return advice;
            }
        }
    }
    return {};
}

bool Marked(const Kind& kind, std::string_view output)
{
    for (const std::string_view mark : kind.marks) {
        if (!mark.empty() && output.find(mark) != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

std::string FailureAdvice(const ShutdownSubject& subject, std::string_view program, const ToolEnd& end)
{
    if (program == kWindowsShutdownProgram)
        return end.how == ToolEnd::How::Exited ? WindowsAdvice(subject, end.code) : std::string();
    const std::string_view toolOutput = end.errorOutput;
    if (subject.remote) {
        for (const Kind& kind : kRemoteKinds) {
            if (Marked(kind, toolOutput))
                return std::string(kind.advice);
        }
        return {};
    }
    // Polkit first: a refused hibernation is no sign of missing swap.
    for (const Kind& kind : kLocalKinds) {
        if (Marked(kind, toolOutput))
            return std::string(kind.advice);
    }
    if (subject.action == ShutdownSubject::Action::Hibernate && Marked(kHibernateKind, toolOutput))
        return std::string(kHibernateKind.advice);
    return {};
}

bool FoundNothingToAbort(const ShutdownSubject& subject, std::string_view program, const ToolEnd& end)
{
    if (subject.action != ShutdownSubject::Action::Abort || !end.failed())
        return false;
    if (program == kWindowsShutdownProgram)
        return end.how == ToolEnd::How::Exited && end.code == kNoShutdownInProgress;
    return end.how == ToolEnd::How::Exited &&
           end.errorOutput.find("WERR_NO_SHUTDOWN_IN_PROGRESS") != std::string::npos;
}

} // namespace voltrail
