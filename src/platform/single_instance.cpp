#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace sorvik::platform {

namespace {

constexpr int kWaitMs = 1000;
// One request a line; a file name goes percent-encoded, so that any name fits on its line.
const QByteArray kActivate = "activate";
const QByteArray kOpen = "open ";

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::programName() {
    return QStringLiteral("TQLX4_MUTEX-%1").arg(static_cast<qulonglong>(getuid()));
}

bool SingleInstance::claim(const QString& nameFile) {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kWaitMs)) {
        probe.write(kActivate + '\n');
        if (!nameFile.isEmpty()) {
            probe.write(kOpen + nameFile.toUtf8().toPercentEncoding() + '\n');
        }
        probe.waitForBytesWritten(kWaitMs);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket left behind by a copy that crashed is stale.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Without the server we still run; a second copy would then run as well.
        return true;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto read = [this, socket] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine().chopped(1);
                    if (line == kActivate) {
                        emit activationRequested();
                    } else if (line.startsWith(kOpen)) {
                        emit openRequested(
                            QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(5))));
                    }
                }
            };
            connect(socket, &QLocalSocket::readyRead, this, read);
            if (socket->bytesAvailable() > 0) {
                read();
            }
        }
    });
    return true;
}

}  // namespace sorvik::platform
