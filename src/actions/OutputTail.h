#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace voltrail {

// The end of what a tool writes (its standard error; on Windows both its
// streams, as `shutdown.exe` writes its failures to either): only the last
// `capacity` bytes are kept, however much it writes.
class OutputTail {
public:
    static constexpr size_t kDefaultCapacity = 4096;
    // The longest last line handed on; the rest is cut off.
    static constexpr size_t kLongestLine = 300;

    explicit OutputTail(size_t capacity = kDefaultCapacity);

    void Append(std::string_view bytes);

    // The last line holding more than blanks, as safe UTF-8 text with no
    // control characters, trimmed and at most kLongestLine bytes. A line whose
    // start was dropped begins with "…". Empty when nothing was written.
    std::string LastLine() const;

    // The bytes kept, as written.
    const std::string& kept() const { return buffer_; }

private:
    size_t capacity_;
    std::string buffer_;
    bool dropped_ = false;
};

} // namespace voltrail
