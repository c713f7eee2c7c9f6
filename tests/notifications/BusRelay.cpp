#include "BusRelay.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

namespace voltrail::test {

namespace {

void Pass(QLocalSocket* from, QLocalSocket* to)
{
    QObject::connect(from, &QLocalSocket::readyRead, to, [from, to] { to->write(from->readAll()); });
    QObject::connect(from, &QLocalSocket::disconnected, to, [to] { to->disconnectFromServer(); });
}

} // namespace

BusRelay::~BusRelay()
{
    thread_.quit();
    thread_.wait();
}

QString BusRelay::Start(const QString& busAddress)
{
    const auto match = QRegularExpression(QStringLiteral("unix:path=([^,;]+)")).match(busAddress);
    if (!match.hasMatch() || !dir_.isValid())
        return {};
    const QString busPath = match.captured(1);
    const QString path = dir_.filePath(QStringLiteral("relay"));
    auto* server = new QLocalServer;
    if (!server->listen(path)) {
        delete server;
        return {};
    }
    server->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, server, &QObject::deleteLater);
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server, busPath] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            if (stalled_) {
                ++held_; // kept open by the server, never read
                continue;
            }
            auto* bus = new QLocalSocket(client);
            Pass(client, bus);
            Pass(bus, client);
            bus->connectToServer(busPath);
        }
    });
    thread_.start();
    return QStringLiteral("unix:path=") + path;
}

} // namespace voltrail::test
