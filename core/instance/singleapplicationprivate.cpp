#include "core/instance/singleapplicationprivate.h"

#include "core/instance/instanceprotocol.h"
#include "core/platform/processalive.h"
#include "core/platform/processimage.h"
#include "core/platform/username.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QTimer>

namespace korvane::core {

using namespace singleinstance;

namespace {

// A starting instance sends its whole handshake at once; a connection that has
// not completed it by then is dropped.
constexpr int cst_handshake_wait_ms = 100;
// Anyone may connect to the server, so connections that have not identified
// themselves, and those that have, are both kept to a small number.
constexpr int cst_max_pending = 16;
constexpr int cst_max_accepted = 64;
// Taking over a block whose primary died can race with other starting
// instances, so the role is decided again a few times before giving up.
constexpr int cst_start_attempts = 3;
// Names the server's descriptor, and the block it serves, for the next image
// of this process after a restart.
constexpr char cst_handover_variable[] = "KORVANE_INSTANCE_SERVER";

class BlockLocker {
public:
    BlockLocker(QSharedMemory* block, bool usable)
        : m_block(block)
        , m_locked(usable && block->lock())
    {
    }
    ~BlockLocker()
    {
        if (m_locked)
            m_block->unlock();
    }
    bool locked() const { return m_locked; }
    BlockLocker(const BlockLocker&) = delete;
    BlockLocker& operator=(const BlockLocker&) = delete;

private:
    QSharedMemory* m_block;
    bool m_locked;
};

} // namespace

SingleApplicationPrivate::SingleApplicationPrivate(
    SingleApplication* owner, SingleApplication::Options options)
    : owner(owner)
    , options(options)
{
}

SingleApplicationPrivate::~SingleApplicationPrivate()
{
    if (socket) {
        socket->close();
        delete socket;
        socket = nullptr;
    }
    // The server's connections die with it; none of them may call back into a
    // half-destroyed guard.
    for (QLocalSocket* peer : m_peers.keys())
        disconnect(peer, nullptr, this, nullptr);
    m_peers.clear();
    m_pending.clear();
    m_accepted.clear();

    if (m_handedOver) {
        // The next image of this process takes them over; closing the server
        // would remove the socket file that starts in between queue on, and
        // detaching the block could destroy it. The image is replaced next.
        disconnect(server, nullptr, this, nullptr);
        server = nullptr;
        block = nullptr;
        return;
    }

    {
        // The server goes under the lock: closing it removes its socket file,
        // which must not happen after a successor has put its own there.
        BlockLocker lock(block, blockUsable());
        if (server) {
            server->close();
            delete server;
            server = nullptr;
            if (lock.locked()) {
                BlockState state = readBlock(block->data());
                state.primaryRunning = false;
                state.primaryPid = -1;
                writeBlock(block->data(), state);
            }
        }
    }
    delete block;
    block = nullptr;
}

QString SingleApplicationPrivate::genBlockServerName() const
{
    NameParts parts;
    parts.organizationName = QCoreApplication::organizationName();
    parts.organizationDomain = QCoreApplication::organizationDomain();
    if (!options.testFlag(SingleApplication::ExcludeVersion))
        parts.applicationVersion = QCoreApplication::applicationVersion();
    if (!options.testFlag(SingleApplication::ExcludePath))
        parts.executablePath = QCoreApplication::applicationFilePath();
    if (options.testFlag(SingleApplication::PerUser) || platform::instanceNamesSharedByUsers()) {
        parts.userName = platform::currentUserName();
        if (parts.userName.isEmpty())
            parts.userName
                = QStandardPaths::standardLocations(QStandardPaths::HomeLocation).join(QString());
    }
    return blockName(parts);
}

bool SingleApplicationPrivate::blockUsable() const
{
    return block && block->isAttached() && block->size() >= cst_block_size;
}

bool SingleApplicationPrivate::primaryServerGone() const
{
    // Only a definite answer counts: a primary that is merely slow to accept
    // must not get a rival.
    if (!socket || socket->state() != QLocalSocket::UnconnectedState)
        return false;
    return socket->error() == QLocalSocket::ServerNotFoundError
        || socket->error() == QLocalSocket::ConnectionRefusedError;
}

void SingleApplicationPrivate::start(bool allowSecondary, int timeout)
{
    blockServerName = genBlockServerName();
    block = new QSharedMemory(blockServerName);

    const bool created = block->create(cst_block_size, QSharedMemory::ReadWrite);
    if (!created && !block->attach(QSharedMemory::ReadWrite)) {
        startWithoutBlock(timeout);
        return;
    }
    if (!blockUsable()) {
        // Someone else's segment under our key; never read or write past it.
        startWithoutBlock(timeout);
        return;
    }

    for (int attempt = 0; attempt < cst_start_attempts; ++attempt) {
        qint64 runningPid = 0;
        {
            BlockLocker lock(block, true);
            if (!lock.locked()) {
                startWithoutBlock(timeout);
                return;
            }
            BlockState state = readBlock(block->data());
            // A fresh block reads as "no primary" until its creator has set it
            // up under this lock, so whoever comes first here becomes primary.
            // A primary that was killed left its flag set: its process is gone.
            // A block naming this very process was kept for it by its
            // previous image (a restart).
            if (!state.primaryRunning || state.primaryPid == QCoreApplication::applicationPid()
                || !platform::isProcessAlive(state.primaryPid)) {
                startPrimary(created && !state.primaryRunning);
                return;
            }
            if (allowSecondary) {
                state.secondaryCount += 1;
                writeBlock(block->data(), state);
                instanceNumber = state.secondaryCount;
                if (options.testFlag(SingleApplication::NotifySecondary))
                    connectToPrimary(timeout, cst_type_secondary);
                startSecondary();
                return;
            }
            runningPid = state.primaryPid;
        }

        if (connectToPrimary(timeout, cst_type_new) || !primaryServerGone()) {
            startSecondary();
            return;
        }

        // The block names a live process but nobody listens: its primary died
        // without cleaning up and the id now belongs to someone else.
        BlockLocker lock(block, true);
        if (!lock.locked())
            break;
        const BlockState state = readBlock(block->data());
        if (state.primaryRunning && state.primaryPid == runningPid) {
            startPrimary(false);
            return;
        }
        // Another instance took over meanwhile; look again.
    }
    startSecondary();
}

void SingleApplicationPrivate::startWithoutBlock(int timeout)
{
    // The primary's server is the only witness left. Starting unguarded is
    // better than never starting because the operating system refused the
    // block (no temporary folder, no shared memory left).
    qWarning("Single-instance block unavailable: %s", qPrintable(block->errorString()));
    if (block->isAttached())
        block->detach();
    if (!connectToPrimary(timeout, cst_type_new) && primaryServerGone())
        startPrimary(true);
}

void SingleApplicationPrivate::startPrimary(bool resetCount)
{
    if (socket) {
        delete socket;
        socket = nullptr;
    }
    server = new QLocalServer();
    server->setSocketOptions(options.testFlag(SingleApplication::PerUser)
            ? QLocalServer::UserAccessOption
            : QLocalServer::WorldAccessOption);
    if (!adoptHandedOverServer()) {
        QLocalServer::removeServer(blockServerName);
        if (!server->listen(blockServerName))
            qWarning("Single-instance server cannot listen: %s", qPrintable(server->errorString()));
    }
    connect(server, &QLocalServer::newConnection, this,
        &SingleApplicationPrivate::slotConnectionEstablished);

    if (blockUsable()) {
        BlockState state = readBlock(block->data());
        if (resetCount)
            state.secondaryCount = 0;
        state.primaryRunning = true;
        state.primaryPid = QCoreApplication::applicationPid();
        writeBlock(block->data(), state);
    }
    instanceNumber = 0;
}

bool SingleApplicationPrivate::adoptHandedOverServer()
{
    // Taken once, so that nothing this image starts finds it again.
    const QList<QByteArray> note = qgetenv(cst_handover_variable).split(' ');
    qunsetenv(cst_handover_variable);
    bool valid = false;
    const qintptr descriptor = note.size() == 2 ? note.first().toLongLong(&valid) : -1;
    if (!valid || descriptor < 0)
        return false;
    if (QString::fromUtf8(note.last()) == blockServerName)
        return server->listen(descriptor);
    // Another build's server (the program was upgraded before the restart):
    // closing it also removes its socket file.
    QLocalServer previous;
    if (previous.listen(descriptor))
        previous.close();
    return false;
}

bool SingleApplicationPrivate::handOver()
{
    if (!server || !server->isListening() || !blockUsable())
        return false;
    const qintptr descriptor = server->socketDescriptor();
    if (!platform::keepOpenInNextImage(descriptor))
        return false;
    qputenv(cst_handover_variable, QByteArray::number(descriptor) + ' ' + blockServerName.toUtf8());
    m_handedOver = true;
    return true;
}

void SingleApplicationPrivate::startSecondary() { }

bool SingleApplicationPrivate::connectToPrimary(int msecs, char connectionType)
{
    if (!socket)
        socket = new QLocalSocket();
    if (socket->state() == QLocalSocket::ConnectedState)
        return true;
    if (socket->state() != QLocalSocket::UnconnectedState)
        socket->abort();
    socket->connectToServer(blockServerName, QIODevice::ReadWrite);
    if (socket->state() == QLocalSocket::ConnectingState)
        socket->waitForConnected(msecs);
    if (socket->state() != QLocalSocket::ConnectedState)
        return false;

    socket->write(handshake(blockServerName, connectionType, instanceNumber));
    socket->flush();
    if (socket->bytesToWrite() > 0)
        socket->waitForBytesWritten(msecs);
    return socket->state() == QLocalSocket::ConnectedState;
}

qint64 SingleApplicationPrivate::primaryPid()
{
    BlockLocker lock(block, blockUsable());
    if (!lock.locked())
        return -1;
    return readBlock(block->data()).primaryPid;
}

bool SingleApplicationPrivate::sendMessage(const QByteArray& message, int timeout)
{
    if (server)
        return false;
    if (message.size() > cst_max_message) {
        qWarning("Single-instance message of %d bytes is larger than the primary accepts",
            message.size());
        return false;
    }
    connectToPrimary(timeout, cst_type_reconnect);
    if (socket->state() != QLocalSocket::ConnectedState)
        return false;
    socket->write(message);
    const bool flushed = socket->flush();
    if (socket->bytesToWrite() > 0)
        socket->waitForBytesWritten(timeout);
    return flushed;
}

void SingleApplicationPrivate::slotConnectionEstablished()
{
    while (server && server->hasPendingConnections()) {
        QLocalSocket* peer = server->nextPendingConnection();
        if (!peer)
            break;
        if (m_pending.size() >= cst_max_pending)
            drop(m_pending.first());
        // Bounds what one connection can make this process hold.
        peer->setReadBufferSize(cst_max_message + 1);
        m_peers.insert(peer, Peer());
        m_pending.append(peer);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] { readHandshake(peer); });
        connect(peer, &QLocalSocket::disconnected, this, [this, peer] { pendingClosed(peer); });
        QTimer::singleShot(cst_handshake_wait_ms, peer, [this, peer] { handshakeDeadline(peer); });
        // A real instance sends its handshake with the connection; looking
        // now, without waiting, keeps it ahead of connections queued after it.
        if (peer->bytesAvailable() > 0 || peer->waitForReadyRead(0))
            readHandshake(peer);
    }
}

void SingleApplicationPrivate::readHandshake(QLocalSocket* peer)
{
    auto it = m_peers.find(peer);
    if (it == m_peers.end() || it->accepted)
        return;
    // Never more than a handshake can be long; what follows is message.
    it->handshake += peer->read(cst_handshake_max - it->handshake.size());
    const HandshakeResult result = parseHandshake(it->handshake, blockServerName);
    if (result.status == HandshakeResult::Rejected)
        drop(peer);
    else if (result.status == HandshakeResult::Accepted)
        admit(peer, result);
}

void SingleApplicationPrivate::handshakeDeadline(QLocalSocket* peer)
{
    readHandshake(peer);
    auto it = m_peers.find(peer);
    if (it != m_peers.end() && !it->accepted)
        drop(peer);
}

void SingleApplicationPrivate::pendingClosed(QLocalSocket* peer)
{
    // The peer may have sent everything and gone before this process looked.
    readHandshake(peer);
    auto it = m_peers.find(peer);
    if (it == m_peers.end())
        return;
    if (!it->accepted)
        drop(peer);
    else
        slotClientConnectionClosed(peer, it->instance);
}

void SingleApplicationPrivate::admit(QLocalSocket* peer, const HandshakeResult& handshake)
{
    Peer& state = m_peers[peer];
    state.accepted = true;
    state.instance = handshake.instance;
    const QByteArray head = state.handshake.mid(handshake.length);
    state.handshake.clear();
    m_pending.removeOne(peer);
    if (m_accepted.size() >= cst_max_accepted)
        drop(m_accepted.first());
    m_accepted.append(peer);

    disconnect(peer, nullptr, this, nullptr);
    const quint32 instance = handshake.instance;
    connect(peer, &QLocalSocket::readyRead, this,
        [this, peer, instance] { slotDataAvailable(peer, instance); });
    connect(peer, &QLocalSocket::disconnected, this,
        [this, peer, instance] { slotClientConnectionClosed(peer, instance); });

    QPointer<QLocalSocket> alive(peer);
    if (handshake.type == cst_type_new
        || (handshake.type == cst_type_secondary
            && options.testFlag(SingleApplication::NotifySecondary)))
        emit owner->instanceStarted();
    if (!alive || !m_peers.contains(peer))
        return;
    deliver(peer, instance, head + readMessage(peer));
    if (alive && m_peers.contains(peer) && peer->state() == QLocalSocket::UnconnectedState)
        slotClientConnectionClosed(peer, instance);
}

QByteArray SingleApplicationPrivate::readMessage(QLocalSocket* peer)
{
    // One byte beyond the limit is enough to know the limit was passed.
    const qint64 room = cst_max_message - m_peers.value(peer).received + 1;
    return room > 0 ? peer->read(room) : QByteArray();
}

void SingleApplicationPrivate::deliver(
    QLocalSocket* peer, quint32 instanceId, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    auto it = m_peers.find(peer);
    if (it == m_peers.end())
        return;
    it->received += bytes.size();
    if (it->received > cst_max_message) {
        qWarning("Single-instance connection sent more than %lld bytes; closed", cst_max_message);
        drop(peer);
        return;
    }
    emit owner->receivedMessage(instanceId, bytes);
}

void SingleApplicationPrivate::slotDataAvailable(QLocalSocket* socket, quint32 instanceId)
{
    if (!m_peers.contains(socket))
        return;
    deliver(socket, instanceId, readMessage(socket));
}

void SingleApplicationPrivate::slotClientConnectionClosed(QLocalSocket* socket, quint32 instanceId)
{
    if (!m_peers.contains(socket))
        return;
    QPointer<QLocalSocket> alive(socket);
    if (socket->bytesAvailable() > 0)
        deliver(socket, instanceId, readMessage(socket));
    if (!alive || !m_peers.contains(socket))
        return;
    forget(socket);
    socket->deleteLater();
}

void SingleApplicationPrivate::forget(QLocalSocket* peer)
{
    disconnect(peer, nullptr, this, nullptr);
    m_peers.remove(peer);
    m_pending.removeOne(peer);
    m_accepted.removeOne(peer);
}

void SingleApplicationPrivate::drop(QLocalSocket* peer)
{
    forget(peer);
    peer->abort();
    peer->deleteLater();
}

} // namespace korvane::core
