#pragma once

#include "../mainbar/ChildProcess.h"
#include "../mainbar/XServerSession.h"
#include "PrivateSessionBus.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace voltrail::test {

// A desktop of its own for notification tests: a private session bus (which
// starts no service on demand), a private X server and Debian's notification
// server, dunst, on both. Notifications expire after three seconds, into dunst's
// history, where the test reads them back. Every process is stopped by pid.
class NotificationDesktop {
public:
    struct Entry {
        int id = 0;
        QString appName, summary, body;
        QString message; // as dunst lays it out: "summary\nbody" with markup read
    };

    ~NotificationDesktop() { Stop(); }

    // Why no such desktop can be made here; empty when it can.
    QString Unavailable() const;
    // Starts it all and points this process at the bus (and the display); the
    // error text, or empty.
    QString Start();
    void Stop();

    // dunst's history, newest first.
    QList<Entry> History() const;
    // What has come in since the entry with id `after`.
    QList<Entry> HistorySince(int after) const;
    int LastId() const;
    // Notifications still on screen or waiting to be.
    int Showing() const;

    ChildProcess& server() { return dunst_; }
    QString StartServer();

private:
    QTemporaryDir dir_;
    PrivateSessionBus bus_;
    XServerSession x_;
    ChildProcess dunst_;
};

} // namespace voltrail::test
