#include "PrivateSessionBus.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace voltrail::test {

namespace {

// A session bus that knows no services: nothing is started on demand, so a
// stopped server stays stopped.
const char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=@DIR@</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

QString DaemonPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
}

} // namespace

QString PrivateSessionBus::Unavailable()
{
    return DaemonPath().isEmpty() ? QStringLiteral("dbus-daemon is not installed") : QString();
}

QString PrivateSessionBus::Start()
{
    QFile config(dir_.filePath(QStringLiteral("bus.conf")));
    config.open(QIODevice::WriteOnly);
    config.write(QByteArray(kBusConfig).replace("@DIR@", dir_.path().toUtf8()));
    config.close();

    // The daemon writes its address to this pipe once it listens.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return QStringLiteral("no pipe for dbus-daemon");
    const bool started = daemon_.Start(DaemonPath().toStdString(),
                                       {"--nofork", "--config-file=" + config.fileName().toStdString(),
                                        "--print-address=" + std::to_string(fds[1])},
                                       fds[1]);
    ::close(fds[1]);
    QByteArray address;
    QDeadlineTimer deadline(10000);
    while (started && !deadline.hasExpired()) {
        pollfd readable{fds[0], POLLIN, 0};
        if (::poll(&readable, 1, 100) <= 0)
            continue;
        char c = 0;
        if (::read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        address += c;
    }
    ::close(fds[0]);
    if (address.isEmpty())
        return QStringLiteral("dbus-daemon did not start");
    address_ = QString::fromUtf8(address);
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return {};
}

} // namespace voltrail::test
