#include "NotificationDesktop.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace voltrail::test {

namespace {

const char* const kTools[] = {"dunst", "dunstctl", "Xvfb", "openbox"};

// Plain layout, so that whatever markup came through shows in the message.
// Notifications expire after three seconds (longer than any pause between the
// failures of one press), even with nobody at the (virtual) keyboard.
const char kDunstConfig[] = R"([global]
markup = full
format = "%s\n%b"
idle_threshold = 0
icon_position = off
[urgency_low]
timeout = 3
[urgency_normal]
timeout = 3
[urgency_critical]
timeout = 3
)";

QString Find(const char* name)
{
    const QStringList sbin{QStringLiteral("/usr/bin"), QStringLiteral("/bin"), QStringLiteral("/usr/sbin")};
    QString found = QStandardPaths::findExecutable(QLatin1String(name));
    return found.isEmpty() ? QStandardPaths::findExecutable(QLatin1String(name), sbin) : found;
}

} // namespace

QString NotificationDesktop::Unavailable() const
{
    if (const QString why = PrivateSessionBus::Unavailable(); !why.isEmpty())
        return why;
    for (const char* tool : kTools) {
        if (Find(tool).isEmpty())
            return QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
    }
    return {};
}

QString NotificationDesktop::Start()
{
    QFile dunstrc(dir_.filePath(QStringLiteral("dunstrc")));
    dunstrc.open(QIODevice::WriteOnly);
    dunstrc.write(kDunstConfig);
    dunstrc.close();

    if (const QString error = bus_.Start(); !error.isEmpty())
        return error;
    if (x_.Start() != XServerSession::Outcome::Ready)
        return QString::fromStdString(x_.problem());
    return StartServer();
}

QString NotificationDesktop::StartServer()
{
    if (!dunst_.Start(Find("dunst").toStdString(),
                      {"-config", dir_.filePath(QStringLiteral("dunstrc")).toStdString()}))
        return QStringLiteral("dunst could not be started");
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    // A connection of its own: Qt may have tried the session bus before
    // there was one.
    const QDBusConnection bus = QDBusConnection::connectToBus(bus_.address(), QStringLiteral("desktop-test"));
    for (int i = 0; i < 200; ++i) {
        if (bus.interface()->isServiceRegistered(service))
            return {};
        if (!dunst_.Running())
            return QStringLiteral("dunst ended at once");
        QTest::qWait(50);
    }
    return QStringLiteral("dunst did not take the notification service");
}

void NotificationDesktop::Stop()
{
    dunst_.Stop();
    x_.Stop();
    bus_.Stop();
}

QList<NotificationDesktop::Entry> NotificationDesktop::History() const
{
    QProcess dunstctl;
    dunstctl.start(Find("dunstctl"), {QStringLiteral("history")});
    if (!dunstctl.waitForFinished(10000))
        return {};
    const QJsonArray entries = QJsonDocument::fromJson(dunstctl.readAllStandardOutput())
                                   .object()[QStringLiteral("data")]
                                   .toArray()[0]
                                   .toArray();
    QList<Entry> out;
    const auto field = [](const QJsonObject& e, const char* name) -> QJsonValue {
        return e[QLatin1String(name)].toObject()[QStringLiteral("data")];
    };
    for (const auto& value : entries) {
        const QJsonObject e = value.toObject();
        out << Entry{field(e, "id").toInt(), field(e, "appname").toString(), field(e, "summary").toString(),
                     field(e, "body").toString(), field(e, "message").toString()};
    }
    return out;
}

QList<NotificationDesktop::Entry> NotificationDesktop::HistorySince(int after) const
{
    QList<Entry> out;
    for (const Entry& e : History()) {
        if (e.id > after)
            out << e;
    }
    return out;
}

int NotificationDesktop::LastId() const
{
    int last = 0;
    for (const Entry& e : History())
        last = std::max(last, e.id);
    return last;
}

} // namespace voltrail::test

namespace voltrail::test {

int NotificationDesktop::Showing() const
{
    int count = 0;
    for (const char* what : {"displayed", "waiting"}) {
        QProcess dunstctl;
        dunstctl.start(Find("dunstctl"), {QStringLiteral("count"), QLatin1String(what)});
        if (!dunstctl.waitForFinished(10000))
            return -1;
        count += dunstctl.readAllStandardOutput().trimmed().toInt();
    }
    return count;
}

} // namespace voltrail::test
