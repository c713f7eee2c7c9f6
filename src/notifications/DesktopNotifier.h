#pragma once

#include <cstdint>
#include <string>

namespace voltrail {

// One desktop notification: a plain-text summary and a body that the
// notification service may read as markup (escaped by whoever writes it).
struct Notification {
    std::string summary;
    std::string body;
    bool operator==(const Notification&) const = default;
};

// Shows notifications on the desktop without ever blocking the caller. A
// notification shown for a group replaces the one shown before for the same
// group, until the group is forgotten: the caller says when, and so sets the
// only limit on what is remembered. Where no notification can be shown,
// nothing happens.
class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    // How much a notification may hold: the long form, whose body may be
    // read as markup, or a few plain characters (a notification-area balloon).
    enum class Form { Markup, Brief };
    virtual Form form() const { return Form::Markup; }

    virtual void Show(std::uint64_t group, const Notification& notification) = 0;
    // The group's notification stays on the desktop but is never replaced.
    virtual void Forget(std::uint64_t group) = 0;
};

} // namespace voltrail
