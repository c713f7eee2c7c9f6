#pragma once

#include <optional>
#include <string>

namespace voltrail {

// Where the per-user values live. Keys are flat names inside the program's own
// section; values are UTF-8 text.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    virtual std::optional<std::string> Read(const std::string& key) = 0;
    virtual void Write(const std::string& key, const std::string& value) = 0;
    // Makes every write so far durable. A store that cannot be written reports
    // that itself and never throws: the windows carry on.
    virtual void Flush() = 0;
    // Reads the store again as it stands now, so that what another running
    // copy saved is seen; writes not yet made durable are kept. A window calls
    // this as it loads. A store that is never shared needs nothing here.
    virtual void Refresh() {}
};

} // namespace voltrail
