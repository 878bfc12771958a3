#pragma once

#include "core/instance/singleapplication.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QSharedMemory;

namespace korvane::core {

namespace singleinstance {
struct HandshakeResult;
}

class SingleApplicationPrivate : public QObject {
    Q_OBJECT
public:
    SingleApplicationPrivate(SingleApplication* owner, SingleApplication::Options options);
    ~SingleApplicationPrivate() override;

    // Decides the role of this process; runs once, from the owner's constructor.
    void start(bool allowSecondary, int timeout);

    QString genBlockServerName() const;
    // The caller holds the block's lock when there is a block.
    void startPrimary(bool resetCount);
    void startSecondary();
    // True when the socket is connected and the handshake went out.
    bool connectToPrimary(int msecs, char connectionType);
    qint64 primaryPid();
    bool sendMessage(const QByteArray& message, int timeout);
    bool handOver();

    QSharedMemory* block = nullptr;
    SingleApplication* owner;
    QLocalSocket* socket = nullptr;
    QLocalServer* server = nullptr;
    quint32 instanceNumber = 0;
    QString blockServerName;
    SingleApplication::Options options;

private slots:
    void slotConnectionEstablished();
    void slotDataAvailable(QLocalSocket* socket, quint32 instanceId);
    void slotClientConnectionClosed(QLocalSocket* socket, quint32 instanceId);

private:
    struct Peer {
        QByteArray handshake;
        bool accepted = false;
        quint32 instance = 0;
        qint64 received = 0;
    };

    bool blockUsable() const;
    bool adoptHandedOverServer();
    void startWithoutBlock(int timeout);
    bool primaryServerGone() const;
    void readHandshake(QLocalSocket* peer);
    void handshakeDeadline(QLocalSocket* peer);
    void pendingClosed(QLocalSocket* peer);
    void admit(QLocalSocket* peer, const singleinstance::HandshakeResult& handshake);
    void deliver(QLocalSocket* peer, quint32 instanceId, const QByteArray& bytes);
    QByteArray readMessage(QLocalSocket* peer);
    void forget(QLocalSocket* peer);
    void drop(QLocalSocket* peer);

    QHash<QLocalSocket*, Peer> m_peers;
    // Oldest first; when a list is full its oldest connection makes room.
    QList<QLocalSocket*> m_pending;
    QList<QLocalSocket*> m_accepted;
    bool m_handedOver = false;
};

} // namespace korvane::core
