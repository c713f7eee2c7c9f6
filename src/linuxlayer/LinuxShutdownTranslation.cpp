#include "linuxlayer/LinuxShutdownTranslation.h"

#include "actions/WindowsCommandLine.h"
#include "text/PlainText.h"
#include "text/Utf8.h"

#include <optional>

namespace voltrail {

namespace {

// Windows' own command accepts time-outs up to ten years.
constexpr unsigned long kLongestTimeout = 315360000;
// Without /t, Windows waits 30 seconds.
constexpr unsigned long kDefaultTimeout = 30;
// The longest DNS name.
constexpr size_t kLongestComputerName = 253;
// `net rpc shutdown` reads a time-out of 0 as "use my default" (20 seconds);
// this is the least delay it can send.
constexpr unsigned long kLeastNetTimeout = 1;

using Outcome = ShutdownTranslation::Outcome;

ShutdownTranslation Refuse(std::string reason)
{
    return {Outcome::Refuse, {}, std::move(reason), {}};
}

ShutdownTranslation Start(std::vector<std::string> words)
{
    return {Outcome::Start, std::move(words), {}, {}};
}

bool IsAsciiAlnum(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Blanks, controls, invisible format characters (bidi controls, zero-width
// marks) and non-characters outside ASCII: never part of a name, and able to
// make one name read as another.
bool IsForeignBlankOrInvisible(char32_t cp)
{
    return IsControl(cp) || IsInvisibleFormat(cp) || IsForeignBlank(cp) || cp == 0xFFFE || cp == 0xFFFF;
}

// A computer name as the network knows it: a host name, a NetBIOS name or an
// IPv4 address. Letters (any script), digits, '-', '_' and dots between
// labels. Anything else, and above all a leading '-' that a program would take
// for an option, is malformed.
std::optional<std::string> ComputerNameProblem(std::string_view name)
{
    if (name.empty())
        return "the computer name after \\\\ is empty";
    if (name.size() > kLongestComputerName)
        return "the computer name is longer than " + std::to_string(kLongestComputerName) + " bytes";
    if (name.front() == '-' || name.front() == '.')
        return "the computer name " + QuoteTyped(name) + " starts with " + QuoteTyped(name.substr(0, 1));
    if (name.find("..") != std::string_view::npos)
        return "the computer name " + QuoteTyped(name) + " has an empty part between dots";
    size_t i = 0;
    while (i < name.size()) {
        const size_t start = i;
        const auto cp = NextCodePoint(name, i);
        if (!cp)
            return "the computer name " + QuoteTyped(name) + " is not valid UTF-8 text";
        const bool ascii = *cp < 0x80;
        const auto c = static_cast<unsigned char>(*cp);
        const bool fits =
            ascii ? (IsAsciiAlnum(c) || c == '-' || c == '_' || c == '.') : !IsForeignBlankOrInvisible(*cp);
        if (!fits) {
            return "the computer name " + QuoteTyped(name) + " holds " +
                   QuoteTyped(name.substr(start, i - start)) + ", which no computer name holds";
        }
    }
    return std::nullopt;
}

std::optional<unsigned long> ParseTimeout(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    unsigned long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned long>(c - '0');
        if (value > kLongestTimeout)
            return std::nullopt;
    }
    return value;
}

// Logind ids are letters and digits; anything else in the environment is not
// one, and must never reach loginctl as an option.
bool IsSessionId(std::string_view id)
{
    if (id.empty())
        return false;
    for (const char c : id) {
        if (!IsAsciiAlnum(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

bool IsUserName(std::string_view user)
{
    if (user.empty() || user.front() == '-')
        return false;
    for (const char c : user) {
        const auto u = static_cast<unsigned char>(c);
        if (!(IsAsciiAlnum(u) || c == '-' || c == '_' || c == '.' || c == '$' || u >= 0x80))
            return false;
    }
    return true;
}

struct Switches {
    std::string action; // the action switch as written, e.g. "/s"
    char actionLetter = 0;
    bool force = false;
    std::optional<std::string> computer;
    std::optional<unsigned long> timeout;
    bool computerGiven = false; // also when the name was refused
    bool timeoutGiven = false;
};

ShutdownTranslation EndSession(const LocalSession& session)
{
    if (IsSessionId(session.sessionId))
        return Start({"loginctl", "terminate-session", session.sessionId});
    if (IsUserName(session.user))
        return Start({"loginctl", "terminate-user", session.user});
    return Refuse("the current user's session cannot be told");
}

ShutdownTranslation Carry(const Switches& s, const LocalSession& session)
{
    const bool local = !s.computer;
    switch (s.actionLetter) {
    case 'i':
        return Refuse("there is no remote shutdown dialog on this system");
    case 'l':
        if (!local || s.timeout)
            return Refuse(QuoteTyped(s.action) +
                          " ends the local session and takes neither \"/m\" nor \"/t\"");
        return EndSession(session);
    case 'h':
        if (!local || s.timeout)
            return Refuse(QuoteTyped(s.action) +
                          " hibernates this computer and takes neither \"/m\" nor \"/t\"");
        return Start({"systemctl", "hibernate"});
    case 'a':
        if (s.force || s.timeout)
            return Refuse(QuoteTyped(s.action) + " takes neither \"/f\" nor \"/t\"");
        if (local)
            return Refuse("no shutdown of this computer is pending: local ones are never delayed here");
        return Start({"net", "rpc", "abortshutdown", "-S", *s.computer});
    default:
        break;
    }

    const bool restart = s.actionLetter != 's';
    const unsigned long delay = s.timeout.value_or(kDefaultTimeout);
    if (local) {
        if (delay != 0)
            return Refuse("a delayed shutdown or restart of this computer cannot be carried out here");
        return Start({"systemctl", restart ? "reboot" : "poweroff"});
    }
    const unsigned long sent = delay == 0 ? kLeastNetTimeout : delay;
    std::vector<std::string> words{"net", "rpc", "shutdown", "-S", *s.computer, "-t", std::to_string(sent)};
    if (restart)
        words.push_back("-r");
    // A time-out above 0 implies /f, as with Windows' own command.
    if (s.force || delay > 0)
        words.push_back("-f");
    return Start(std::move(words));
}

} // namespace

ShutdownTranslation TranslateShutdownCommand(std::string_view commandLine, const LocalSession& session)
{
    const auto words = SplitWindowsCommandLine(commandLine);
    if (words.empty())
        return {};
    const std::string program = AsciiLower(words.front());
    if (program != "shutdown" && program != "shutdown.exe")
        return {};

    // The whole line is read even past its first fault, so that a refusal
    // still names the action and computer; the first fault is the reason.
    Switches s;
    std::optional<std::string> fault;
    const auto refuse = [&fault](std::string reason) {
        if (!fault)
            fault = std::move(reason);
    };
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || (word.front() != '/' && word.front() != '-')) {
            refuse("unexpected word " + QuoteTyped(word));
            continue;
        }
        const std::string name = AsciiLower(word.substr(1));
        if (name.size() == 1 && std::string_view("sgrhlai").find(name.front()) != std::string_view::npos) {
            if (name == "i" && i != 1)
                refuse(QuoteTyped(word) + " must be the first switch");
            if (s.actionLetter != 0) {
                refuse(QuoteTyped(s.action) + " and " + QuoteTyped(word) + " cannot be given together");
                continue;
            }
            s.action = word;
            s.actionLetter = name.front();
        } else if (name == "f") {
            if (s.force)
                refuse(QuoteTyped(word) + " is given twice");
            s.force = true;
        } else if (name == "m" || name == "t") {
            // Each takes the next word; given twice, the second is skipped.
            const bool computer = name == "m";
            bool& given = computer ? s.computerGiven : s.timeoutGiven;
            if (given) {
                refuse(QuoteTyped(word) + " is given twice");
                i += i + 1 < words.size() ? 1 : 0;
                continue;
            }
            given = true;
            if (i + 1 == words.size()) {
                refuse(QuoteTyped(word) +
                       (computer ? " is not followed by a computer name" : " is not followed by a time-out"));
                continue;
            }
            const std::string& value = words[++i];
            if (computer) {
                std::string_view target = value;
                const bool written = target.starts_with("\\\\");
                if (written)
                    target.remove_prefix(2);
                if (!written)
                    refuse(QuoteTyped(value) + " is not a computer name written as \\\\NAME");
                else if (const auto problem = ComputerNameProblem(target))
                    refuse(*problem);
                else
                    s.computer = std::string(target);
            } else if (!(s.timeout = ParseTimeout(value))) {
                refuse("the time-out " + QuoteTyped(value) + " is not a whole number from 0 to " +
                       std::to_string(kLongestTimeout));
            }
        } else {
            refuse(QuoteTyped(word) + " is not a switch that can be carried out here");
        }
    }
    if (s.actionLetter == 0)
        refuse("no action is given (/s, /g, /r, /h, /l, /a or /i)");
    ShutdownTranslation translation = fault ? Refuse(*fault) : Carry(s, session);
    translation.subject = *ReadShutdownSubject(commandLine);
    return translation;
}

} // namespace voltrail
