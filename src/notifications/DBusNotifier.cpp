#include "notifications/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace voltrail {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// A service that does not answer within this time counts as gone.
constexpr int kCallTimeoutMs = 5000;
// Groups whose notification can still be replaced.
constexpr size_t kRememberedGroups = 8;
// A failed power action is something to act on: it stays until dismissed.
constexpr uchar kUrgencyCritical = 2;

bool IsNoService(const QString& error)
{
    return error == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
           error == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner");
}

QDBusConnection Bus()
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         QStringLiteral("voltrail-notifications"));
}

} // namespace

DBusNotifier::DBusNotifier(std::ostream& report) : report_(report) {}

void DBusNotifier::Show(std::uint64_t group, const Notification& notification)
{
    if (!busChecked_) {
        // The first failure connects: the bar starts without the bus. The
        // connection is ours alone, made from the environment as it is now.
        busChecked_ = true;
        busAvailable_ = Bus().isConnected();
    }
    if (!busAvailable_)
        return;
    Group& g = groups_[group];
    if (g.inFlight) {
        g.waiting = notification;
        return;
    }
    Send(group, notification);
    ForgetOldGroups();
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
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, kCallTimeoutMs), &context_);
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
        report_ << "ZT-VOLTRAIL: the desktop notification was not shown (" << error.toStdString()
                << "); failures are reported here only" << std::endl;
    }
    if (g.waiting) {
        const Notification next = *std::exchange(g.waiting, std::nullopt);
        Send(group, next);
    }
    ForgetOldGroups();
}

void DBusNotifier::ForgetOldGroups()
{
    for (auto it = groups_.begin(); groups_.size() > kRememberedGroups && it != groups_.end();) {
        if (it->second.inFlight)
            ++it;
        else
            it = groups_.erase(it);
    }
}

} // namespace voltrail
