#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// A property that does not hold is a finding: say which and stop, so that
// libFuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                                                          \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "property does not hold: %s (%s, %s:%d)\n", std::string(what).c_str(),      \
                         #condition, __FILE__, __LINE__);                                                    \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace voltrail::fuzz {

inline std::string Shown(const std::vector<std::string>& words)
{
    std::string out = "{";
    for (const auto& w : words)
        out += "[" + w + "]";
    return out + "}";
}

} // namespace voltrail::fuzz
