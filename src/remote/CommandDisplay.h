#pragma once

#include <string>

namespace voltrail {

// The one-line box in which a window shows each remote command line before it
// is started. What is started is what the box holds afterwards, so the person
// sees exactly the line that ran.
class CommandDisplay {
public:
    virtual ~CommandDisplay() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
};

} // namespace voltrail
