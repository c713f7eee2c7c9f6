#pragma once

#include "notifications/DesktopNotifier.h"

#include <QObject>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>

namespace voltrail {

// Shows notifications through the freedesktop notification service on the
// session bus (org.freedesktop.Notifications), with asynchronous calls only.
// A group's later notification replaces its earlier one by the id the service
// gave it; one shown while the service has not yet answered waits for that
// answer, and only the latest such one is kept. Without a session bus or a
// service, nothing is shown; when the service answers with an error or goes
// away mid-call, `report` is told once and later notifications are tried
// again.
class DBusNotifier final : public DesktopNotifier {
public:
    explicit DBusNotifier(std::ostream& report);

    void Show(std::uint64_t group, const Notification& notification) override;

private:
    struct Group {
        std::uint32_t id = 0; // the service's id, 0 before it has answered
        bool inFlight = false;
        std::optional<Notification> waiting;
    };

    void Send(std::uint64_t group, const Notification& notification);
    void Answered(std::uint64_t group, std::optional<std::uint32_t> id, const QString& error);
    void ForgetOldGroups();

    std::ostream& report_;
    bool busChecked_ = false;
    bool busAvailable_ = false;
    bool toldError_ = false;
    std::map<std::uint64_t, Group> groups_;
    QObject context_; // the pending calls' watchers go with the notifier
};

} // namespace voltrail
