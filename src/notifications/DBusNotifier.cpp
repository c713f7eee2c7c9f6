#include "notifications/DBusNotifier.h"

#include "text/PlainText.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace voltrail {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// A slow service's answer is waited for however long it takes: only the id it
// brings lets the press's later failures replace the notification instead of
// opening more. A service that goes away ends the call with an error.
constexpr int kCallTimeoutMs = std::numeric_limits<int>::max(); // D-Bus: no time-out
// A failed power action is something to act on: it stays until dismissed.
constexpr uchar kUrgencyCritical = 2;

bool IsNoService(const QString& error)
{
    return error == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
           error == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner");
}

} // namespace

struct DBusNotifier::Handoff {
    std::mutex mutex;
    QObject* receiver = nullptr; // on the notifier's thread; null once it has gone
};

DBusNotifier::DBusNotifier(std::ostream& report) : report_(report), handoff_(std::make_shared<Handoff>())
{
    handoff_->receiver = &context_;
}

DBusNotifier::~DBusNotifier()
{
    // A helper still waiting for the bus finds no one to tell.
    const std::lock_guard lock(handoff_->mutex);
    handoff_->receiver = nullptr;
}

void DBusNotifier::Show(std::uint64_t group, const Notification& notification)
{
    if (state_ == BusState::Missing)
        return;
    Group& g = groups_[group];
    g.forgotten = false;
    if (state_ != BusState::Found || g.inFlight) {
        g.waiting = notification;
        if (state_ == BusState::Unasked)
            LookForBus();
        return;
    }
    Send(group, notification);
}

void DBusNotifier::Forget(std::uint64_t group)
{
    const auto it = groups_.find(group);
    if (it == groups_.end())
        return;
    if (it->second.inFlight || (state_ != BusState::Found && it->second.waiting))
        it->second.forgotten = true; // its last notification is still to be shown or answered
    else
        groups_.erase(it);
}

void DBusNotifier::LookForBus()
{
    state_ = BusState::Looking;
    // Connecting may wait up to the bus library's time-out on a bus that
    // takes no new connections: never on this thread. Qt's own connection is
    // used where it has one, so no second one is opened.
    std::thread([handoff = handoff_, this] {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        const std::lock_guard lock(handoff->mutex);
        if (handoff->receiver)
            QMetaObject::invokeMethod(
                handoff->receiver, [this, bus] { BusLooked(bus); }, Qt::QueuedConnection);
    }).detach();
}

void DBusNotifier::BusLooked(const QDBusConnection& bus)
{
    if (!bus.isConnected()) {
        state_ = BusState::Missing;
        groups_.clear();
        return;
    }
    state_ = BusState::Found;
    bus_ = bus;
    std::vector<std::uint64_t> waiting;
    for (const auto& [group, g] : groups_)
        waiting.push_back(group);
    for (const std::uint64_t group : waiting)
        SendWaitingOrDrop(group);
}

void DBusNotifier::Send(std::uint64_t group, const Notification& notification)
{
    Group& g = groups_[group];
    g.inFlight = true;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    call << QStringLiteral("ZT-VOLTRAIL") << g.id << QStringLiteral("dialog-error")
         << QString::fromStdString(notification.summary) << QString::fromStdString(notification.body)
         << QStringList() << hints << qint32(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), &context_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_,
                     [this, group](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<uint> reply = *finished;
                         finished->deleteLater();
                         if (reply.isError())
                             Answered(group, std::nullopt,
                                      reply.error().name() + QStringLiteral(": ") + reply.error().message());
                         else
                             Answered(group, reply.value(), {});
                     });
}

void DBusNotifier::Answered(std::uint64_t group, std::optional<std::uint32_t> id, const QString& error)
{
    const auto it = groups_.find(group);
    if (it == groups_.end())
        return;
    Group& g = it->second;
    g.inFlight = false;
    if (id) {
        g.id = *id;
        toldError_ = false;
    } else if (!toldError_ && !IsNoService(error.section(QLatin1Char(':'), 0, 0))) {
        toldError_ = true;
        report_ << ReportLine("ZT-VOLTRAIL: the desktop notification was not shown (" + error.toStdString() +
                              "); failures are reported here only")
                << std::endl;
    }
    SendWaitingOrDrop(group);
}

void DBusNotifier::SendWaitingOrDrop(std::uint64_t group)
{
    const auto it = groups_.find(group);
    if (it == groups_.end())
        return;
    Group& g = it->second;
    if (g.waiting) {
        const Notification next = *std::exchange(g.waiting, std::nullopt);
        Send(group, next);
    } else if (g.forgotten) {
        groups_.erase(it);
    }
}

} // namespace voltrail
