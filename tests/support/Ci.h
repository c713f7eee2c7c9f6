#pragma once

#include <cstdlib>
#include <string_view>

namespace voltrail::test {

// CI installs every tool the suites need: there a suite that would skip for
// want of one fails instead, so that a missing tool cannot pass unseen.
inline bool RunningInCi()
{
    const char* ci = std::getenv("CI");
    return ci && std::string_view(ci) == "true";
}

} // namespace voltrail::test

// QSKIP, except in CI, where it is a failure.
#define VOLTRAIL_QSKIP(why)                                                                                  \
    do {                                                                                                     \
        if (voltrail::test::RunningInCi())                                                                   \
            QFAIL(why);                                                                                      \
        QSKIP(why);                                                                                          \
    } while (false)
