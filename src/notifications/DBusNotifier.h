#pragma once

#include "notifications/DesktopNotifier.h"

#include <QDBusConnection>
#include <QObject>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <ostream>

namespace voltrail {

// Shows notifications through the freedesktop notification service on the
// session bus (org.freedesktop.Notifications), and never waits for the bus on
// the caller's thread: the first notification looks for Qt's session
// connection on a helper thread (the one Qt may already hold, else a new one,
// which a stalled bus may keep waiting there), and every call is asynchronous.
// Notifications shown meanwhile wait for it, the latest per group.
// A group's later notification replaces its earlier one by the id the service
// gave it; one shown while the service has not yet answered waits for that
// answer, and only the latest such one is kept. Without a session bus or a
// service, nothing is shown; when the service answers with an error or goes
// away mid-call, `report` is told once and later notifications are tried
// again.
class DBusNotifier final : public DesktopNotifier {
public:
    explicit DBusNotifier(std::ostream& report);
    ~DBusNotifier() override;

    DBusNotifier(const DBusNotifier&) = delete;
    DBusNotifier& operator=(const DBusNotifier&) = delete;

    void Show(std::uint64_t group, const Notification& notification) override;
    void Forget(std::uint64_t group) override;

private:
    struct Group {
        std::uint32_t id = 0; // the service's id, 0 before it has answered
        bool inFlight = false;
        bool forgotten = false; // to go once nothing is in flight
        std::optional<Notification> waiting;
    };
    struct Handoff; // the helper thread's way back, cut when the notifier goes
    enum class BusState { Unasked, Looking, Found, Missing };

    void LookForBus();
    void BusLooked(const QDBusConnection& bus);
    void Send(std::uint64_t group, const Notification& notification);
    void Answered(std::uint64_t group, std::optional<std::uint32_t> id, const QString& error);
    void SendWaitingOrDrop(std::uint64_t group);

    std::ostream& report_;
    BusState state_ = BusState::Unasked;
    QDBusConnection bus_{QString()};
    bool toldError_ = false;
    std::map<std::uint64_t, Group> groups_;
    std::shared_ptr<Handoff> handoff_;
    QObject context_; // the pending calls' watchers and the bus's arrival go with the notifier
};

} // namespace voltrail
