#pragma once

#include "settings/SettingsBackend.h"

#include <QSettings>
#include <memory>

namespace voltrail {

// The real store: the registry on Windows, an INI file under the user's config
// directory elsewhere, addressed as ZT_VOLTRAIL / <section> / <key>.
class QSettingsBackend final : public SettingsBackend {
public:
    explicit QSettingsBackend(const std::string& section);

    std::optional<std::string> Read(const std::string& key) override;
    void Write(const std::string& key, const std::string& value) override;
    void Flush() override;
    void Refresh() override;

    QString location() const;

private:
    void ReportFailure();

    std::unique_ptr<QSettings> settings_;
    bool failureReported_ = false;
};

} // namespace voltrail
