#include "linuxlayer/FailureAdvice.h"

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

bool Marked(const Kind& kind, std::string_view output)
{
    for (const std::string_view mark : kind.marks) {
        if (!mark.empty() && output.find(mark) != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

std::string FailureAdvice(const ShutdownSubject& subject, std::string_view toolOutput)
{
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

} // namespace voltrail
