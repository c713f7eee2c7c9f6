#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>

namespace voltrail::test {

// Stands between the process and a session bus, passing bytes both ways on a
// thread of its own (the process's connections may be made while its main
// thread waits), so that the test can make the bus stall: after Stall(),
// connections already made are still carried, new ones are accepted and never
// answered, as a bus that has stopped taking connections does.
class BusRelay {
public:
    ~BusRelay();

    // Listens in front of the bus at `busAddress` (unix:path=...); the
    // relay's own address, or empty when it cannot.
    QString Start(const QString& busAddress);
    void Stall() { stalled_ = true; }
    // Connections accepted since Stall(), none of them answered.
    int held() const { return held_; }

private:
    QTemporaryDir dir_;
    QThread thread_;
    std::atomic<bool> stalled_ = false;
    std::atomic<int> held_ = 0;
};

} // namespace voltrail::test
