#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace voltrail::test {

// A private Samba server on 127.0.0.1 only, whose shutdown and abort scripts
// record what they were asked instead of acting. Everything it keeps lives in
// a temporary directory; every process it starts is ended by pid.
class SambaPeer {
public:
    static constexpr const char* kUser = "root";
    static constexpr const char* kPassword = "zt-peer-secret";
    // An account that logs on but may not shut the peer down.
    static constexpr const char* kRefusedUser = "daemon";

    ~SambaPeer() { Stop(); }

    // Why no peer can be run here; empty when one can.
    QString Unavailable()
    {
        if (getuid() != 0)
            return QStringLiteral("serving SMB on 127.0.0.1:445 needs root");
        const QStringList sbin{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")};
        smbd_ = QStandardPaths::findExecutable(QStringLiteral("smbd"), sbin);
        smbpasswd_ = QStandardPaths::findExecutable(QStringLiteral("smbpasswd"));
        net_ = QStandardPaths::findExecutable(QStringLiteral("net"));
        if (smbd_.isEmpty() || smbpasswd_.isEmpty() || net_.isEmpty())
            return QStringLiteral("Samba (smbd, smbpasswd, net) is not installed");
        if (Listening())
            return QStringLiteral("something already serves 127.0.0.1:445");
        return {};
    }

    // Sets the peer up and starts it; the error text, or empty.
    QString Start()
    {
        const QString d = dir_.path();
        for (const char* sub : {"private", "lock", "state", "cache", "pid", "ncalrpc"})
            QDir(d).mkpath(QString::fromLatin1(sub));
        Write(QStringLiteral("record.sh"), R"(#!/bin/sh
log="$(dirname "$0")/record.log"
for a in "$@"; do printf '%s|' "$a"; done >> "$log"
printf '\n' >> "$log"
)");
        QFile::setPermissions(dir_.filePath(QStringLiteral("record.sh")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Samba puts "-r" and "-f" for %r and %f (%t would be the date).
        Write(QStringLiteral("smb.conf"), QStringLiteral(R"([global]
netbios name = ZTPEER
workgroup = ZTTEST
server role = standalone server
interfaces = 127.0.0.1
bind interfaces only = yes
smb ports = 445
disable netbios = yes
passdb backend = tdbsam:@DIR@/private/passdb.tdb
private dir = @DIR@/private
binddns dir = @DIR@/private
lock directory = @DIR@/lock
state directory = @DIR@/state
cache directory = @DIR@/cache
pid directory = @DIR@/pid
ncalrpc dir = @DIR@/ncalrpc
log file = @DIR@/log.%m
load printers = no
printing = bsd
printcap name = /dev/null
disable spoolss = yes
shutdown script = @DIR@/record.sh shutdown %r %f
abort shutdown script = @DIR@/record.sh abort
)")
                                              .replace(QStringLiteral("@DIR@"), d)
                                              .toUtf8());

        const QString conf = ConfigFile();
        if (!RunToEnd(smbpasswd_, {"-c", conf, "-a", "-s", kUser},
                      QByteArray(kPassword) + '\n' + kPassword + '\n'))
            return QStringLiteral("smbpasswd could not add the user");
        if (!RunToEnd(smbpasswd_, {"-c", conf, "-a", "-s", kRefusedUser},
                      QByteArray(kPassword) + '\n' + kPassword + '\n'))
            return QStringLiteral("smbpasswd could not add the refused user");
        if (!RunToEnd(net_, {"-s", conf, "sam", "rights", "grant", kUser, "SeRemoteShutdownPrivilege"}, {}))
            return QStringLiteral("net could not grant SeRemoteShutdownPrivilege");

        smbd.setProgram(smbd_);
        smbd.setArguments({"--foreground", "--configfile=" + conf, "--debug-stdout"});
        smbd.setStandardInputFile(QProcess::nullDevice());
        smbd.setStandardOutputFile(dir_.filePath(QStringLiteral("smbd.out")));
        smbd.setStandardErrorFile(dir_.filePath(QStringLiteral("smbd.out")));
        smbd.start();
        if (!smbd.waitForStarted(10000))
            return QStringLiteral("smbd did not start: ") + smbd.errorString();
        return {};
    }

    static bool Listening()
    {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        if (fd < 0)
            return false;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(445);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return connected;
    }

    // One entry per script call: its words joined by '|', each ended by one.
    QStringList Records() const
    {
        QFile log(dir_.filePath(QStringLiteral("record.log")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // A folder whose `net` is the real one at debug level 10, its debug
    // output kept: put it first on PATH to see what goes on the wire.
    QString WatchedNetDir()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("bin"));
        const QString wrapper = dir_.filePath(QStringLiteral("bin/net"));
        Write(QStringLiteral("bin/net"), QStringLiteral("#!/bin/sh\nexec \"%1\" -d 10 \"$@\" 2>> \"%2\"\n")
                                             .arg(net_, dir_.filePath(QStringLiteral("net-debug.log")))
                                             .toUtf8());
        QFile::setPermissions(wrapper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return dir_.filePath(QStringLiteral("bin"));
    }

    // The time-outs `net` sent, as its debug output shows the requests.
    QList<int> SentTimeouts() const
    {
        QFile log(dir_.filePath(QStringLiteral("net-debug.log")));
        QList<int> timeouts;
        if (!log.open(QIODevice::ReadOnly))
            return timeouts;
        static const QRegularExpression sent(QStringLiteral(R"(^\s*timeout\s*:\s*0x[0-9a-fA-F]+ \((\d+)\))"),
                                             QRegularExpression::MultilineOption);
        for (auto it = sent.globalMatch(QString::fromUtf8(log.readAll())); it.hasNext();)
            timeouts << it.next().captured(1).toInt();
        return timeouts;
    }

    QString ConfigFile() const { return dir_.filePath(QStringLiteral("smb.conf")); }

    // Ends smbd and the RPC helpers it started on demand (they leave its
    // process group), each by its pid: every one names our private config.
    void Stop()
    {
        QList<pid_t> pids = StartedPids();
        if (smbd.state() != QProcess::NotRunning)
            pids.prepend(static_cast<pid_t>(smbd.processId()));
        for (const pid_t pid : pids)
            ::kill(pid, SIGTERM);
        for (int i = 0; i < 50 && !StartedPids().isEmpty(); ++i)
            QThread::msleep(100);
        for (const pid_t pid : StartedPids())
            ::kill(pid, SIGKILL);
        if (smbd.state() != QProcess::NotRunning) {
            smbd.kill();
            smbd.waitForFinished(5000);
        }
    }

    // Processes started for this peer: their command line names its config.
    QList<pid_t> StartedPids() const
    {
        QList<pid_t> pids;
        const QByteArray conf = ConfigFile().toUtf8();
        const auto entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            bool number = false;
            const pid_t pid = static_cast<pid_t>(entry.toInt(&number));
            if (!number || pid == getpid())
                continue;
            QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
            if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(conf) && !IsZombie(entry))
                pids << pid;
        }
        return pids;
    }

    QProcess smbd;

private:
    static bool IsZombie(const QString& pid)
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray text = stat.readAll();
        const auto close = text.lastIndexOf(')');
        return close < 0 || text.mid(close + 2, 1) == "Z";
    }

    void Write(const QString& name, const QByteArray& text)
    {
        QFile file(dir_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }

    static bool RunToEnd(const QString& program, const QStringList& arguments, const QByteArray& input)
    {
        QProcess p;
        p.start(program, arguments);
        if (!p.waitForStarted(10000))
            return false;
        p.write(input);
        p.closeWriteChannel();
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            return false;
        }
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QTemporaryDir dir_;
    QString smbd_, smbpasswd_, net_;
};

} // namespace voltrail::test
