#pragma once

#include "notifications/DesktopNotifier.h"

#include <vector>

namespace voltrail::test {

// Keeps every notification shown, with its group, instead of showing it.
class RecordingNotifier final : public DesktopNotifier {
public:
    struct Shown {
        std::uint64_t group;
        Notification notification;
        bool operator==(const Shown&) const = default;
    };

    Form form() const override { return formShown; }

    void Show(std::uint64_t group, const Notification& notification) override
    {
        shown.push_back({group, notification});
    }

    void Forget(std::uint64_t group) override { forgotten.push_back(group); }

    Form formShown = Form::Markup;
    std::vector<Shown> shown;
    std::vector<std::uint64_t> forgotten;
};

} // namespace voltrail::test
