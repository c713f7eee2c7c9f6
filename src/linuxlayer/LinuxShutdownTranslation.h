#pragma once

#include "outcome/ShutdownSubject.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltrail {

// The login session the program runs in, as logind knows it.
struct LocalSession {
    std::string sessionId; // the session's id (XDG_SESSION_ID); may be empty
    std::string user;      // the user's name, or the uid in digits
};

// What a Windows `shutdown` command line becomes where the local tools are
// systemd/logind and Samba's client.
struct ShutdownTranslation {
    enum class Outcome {
        NotShutdown, // another program: start the line as it stands
        Start,       // start `words` instead
        Refuse,      // start nothing; `reason` says why
    };
    Outcome outcome = Outcome::NotShutdown;
    std::vector<std::string> words; // the program, then its arguments
    std::string reason;
    // What the line asks for, as far as it can be read: refused lines too.
    ShutdownSubject subject;
};

// Reads a line whose program is `shutdown` or `shutdown.exe` (any letter case)
// the way Windows' own command reads it, and gives the local equivalent:
//   /s, /g or /r with /t 0        systemctl poweroff | reboot
//   /h                            systemctl hibernate
//   /l                            loginctl terminate-session ID | terminate-user USER
//   /s, /g or /r /m \\NAME /t T   net rpc shutdown -S NAME -t T [-r] [-f]
//                                 (T of 0 becomes 1: `net` reads 0 as its own
//                                 default of 20 seconds)
//   /a /m \\NAME                  net rpc abortshutdown -S NAME
// -r for /g and /r; -f for /f, and for any time-out above 0, which implies /f
// on Windows too. Without /t, Windows waits 30 seconds.
// A line Windows would refuse, or one that cannot be carried out here as
// Windows would carry it out (a delayed local shutdown, the /i dialog), is
// refused. Words of the line quoted in a reason are cut to kLongestQuote
// characters; the reason is raw text, to be made safe where it is shown.
ShutdownTranslation TranslateShutdownCommand(std::string_view commandLine, const LocalSession& session);

} // namespace voltrail
