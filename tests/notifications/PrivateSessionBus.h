#pragma once

#include "../mainbar/ChildProcess.h"

#include <QString>
#include <QTemporaryDir>

namespace voltrail::test {

// A session bus of the test's own (dbus-daemon), which starts no service on
// demand: a stopped server stays stopped. Start() points this process and
// what it starts at it; the daemon is stopped by pid.
class PrivateSessionBus {
public:
    ~PrivateSessionBus() { Stop(); }

    static QString Unavailable();
    // The error text, or empty.
    QString Start();
    void Stop() { daemon_.Stop(); }

    const QString& address() const { return address_; }

private:
    QTemporaryDir dir_;
    ChildProcess daemon_;
    QString address_;
};

} // namespace voltrail::test
