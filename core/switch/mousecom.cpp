#include "core/switch/mousecom.h"

#include "common/translator.h"
#include "core/platform/serialportaccess.h"
#include "core/switch/comparedline.h"
#include "core/switch/portselection.h"

#include <QDebug>
#include <QSerialPortInfo>
#include <QThread>

namespace korvane::core {

namespace {

// What the user reads when the port does not open: what is wrong in plain
// words and what Korvane does next; the system's own text goes to the log.
QString openErrorText(QSerialPort::SerialPortError error, const QString& name)
{
    if (error == QSerialPort::DeviceNotFoundError)
        return korvane::Translator::tr(
            "The switch device on %1 is not there. Korvane connects as soon as it is plugged in.")
            .arg(name);
    if (error == QSerialPort::PermissionError && !serialPortReadable(name))
        return korvane::Translator::tr(
            "Korvane may not open the switch device on %1. On Debian and similar systems, add "
            "your user to the dialout group: `sudo usermod -aG dialout $USER`, then log out and "
            "in. Korvane keeps trying and connects as soon as it may.")
            .arg(name);
    if (error == QSerialPort::PermissionError)
        return korvane::Translator::tr("The switch device on %1 is in use by another program. "
                                       "Korvane connects as soon as it is free.")
            .arg(name);
    return korvane::Translator::tr("Cannot open the switch device on %1. Korvane keeps trying.")
        .arg(name);
}

struct NotificationGuard {
    explicit NotificationGuard(int& depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~NotificationGuard() { --m_depth; }
    int& m_depth;
};
} // namespace

MouseCom::MouseCom(QObject* parent)
    : QObject(parent)
{
    m_lineTimer.setSingleShot(true);
    m_lineTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_lineTimer, &QTimer::timeout, this, &MouseCom::lineTimeout);

    m_restartTimer.setSingleShot(true);
    m_restartTimer.setInterval(cst_restart_delay_ms);
    connect(&m_restartTimer, &QTimer::timeout, this, [this]() { start(); });

    m_reconnectTimer.setInterval(cst_reconnect_interval_ms);
    m_reconnectTimer.setTimerType(Qt::CoarseTimer);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &MouseCom::reconnectTick);
}

MouseCom::~MouseCom()
{
    stop();
    cancelReconnecting();
    cleanup();
}

void MouseCom::set_started(bool started)
{
    if (m_started == started)
        return;
    m_started = started;
    emit startedChanged(m_started);
}

void MouseCom::set_paused(bool paused)
{
    if (m_paused == paused)
        return;
    m_paused = paused;
    emit pausedChanged(m_paused);
}

void MouseCom::set_portName(QString portName)
{
    if (m_portName == portName)
        return;
    m_portName = portName;
    emit portNameChanged(m_portName);
}

void MouseCom::set_channelKey1(QString channelKey1)
{
    if (m_channelKey1 == channelKey1)
        return;
    m_channelKey1 = channelKey1;
    m_match1 = comparedLine(m_channelKey1);
    emit channelKey1Changed(m_channelKey1);
}

void MouseCom::set_channelKey2(QString channelKey2)
{
    if (m_channelKey2 == channelKey2)
        return;
    m_channelKey2 = channelKey2;
    m_match2 = comparedLine(m_channelKey2);
    emit channelKey2Changed(m_channelKey2);
}

void MouseCom::set_releaseKey1(QString releaseKey1)
{
    if (m_releaseKey1 == releaseKey1)
        return;
    m_releaseKey1 = releaseKey1;
    m_releaseMatch1 = comparedLine(m_releaseKey1);
    emit releaseKey1Changed(m_releaseKey1);
}

void MouseCom::set_releaseKey2(QString releaseKey2)
{
    if (m_releaseKey2 == releaseKey2)
        return;
    m_releaseKey2 = releaseKey2;
    m_releaseMatch2 = comparedLine(m_releaseKey2);
    emit releaseKey2Changed(m_releaseKey2);
}

void MouseCom::set_error(QString error)
{
    if (m_error == error)
        return;
    m_error = error;
    emit errorChanged(m_error);
}

bool MouseCom::start(QString serialPortName)
{
    m_restartTimer.stop();
    cancelReconnecting();
    int tries = 0;
    for (;;) {
        // After a lost device the port is already gone but its error still
        // shows: a new start clears it just the same.
        if (m_port || !m_error.isEmpty()) {
            releasePort();
            m_error.clear();
            emit errorChanged(m_error);
        }
        m_portName = serialPortName;
        if (openPort()) {
            m_started = true;
            emit startedChanged(m_started);
            qDebug().noquote()
                << QStringLiteral("Start listening on serial port %1").arg(m_portName);
            return true;
        }
        ++tries;
        qDebug().noquote() << QStringLiteral("Cannot open serial port %1 (try %2/%3)")
                                  .arg(m_portName)
                                  .arg(tries)
                                  .arg(cst_open_tries);
        QThread::msleep(cst_open_retry_delay_ms);
        if (tries >= cst_open_tries)
            break;
    }
    const QString reason = m_port ? m_port->errorString() : QString();
    const QSerialPort::SerialPortError kind
        = m_port ? m_port->error() : QSerialPort::DeviceNotFoundError;
    qWarning().noquote() << QStringLiteral("Serial port %1: %2").arg(m_portName, reason);
    // The device may simply not be plugged in yet: keep watching for it. The
    // state is complete before any signal, so a receiver may call stop().
    qDebug().noquote() << QStringLiteral("Waiting for serial port %1 to appear").arg(m_portName);
    m_reconnectTimer.start();
    m_reconnecting = true;
    m_started = false;
    m_error = openErrorText(kind, m_portName);
    m_waitReason = openFailure();
    emit startedChanged(m_started);
    emit errorChanged(m_error);
    emit waitReasonChanged(m_waitReason);
    emit reconnectingChanged(m_reconnecting);
    return false;
}

bool MouseCom::start()
{
    return start(m_portName);
}

void MouseCom::stop()
{
    m_restartTimer.stop();
    if (!m_started) {
        if (!m_reconnecting)
            return;
        // Waiting for a lost or absent device: the user no longer wants it.
        qDebug().noquote() << QStringLiteral("Stop waiting for serial port %1").arg(m_portName);
        cancelReconnecting();
        if (m_port)
            releasePort();
        set_error(QString());
        return;
    }
    qDebug().noquote() << QStringLiteral("Stop listening on serial port %1").arg(m_portName);
    cancelReconnecting();
    if (m_port)
        releasePort();
    m_error.clear();
    emit errorChanged(m_error);
    m_started = false;
    emit startedChanged(m_started);
}

bool MouseCom::restart()
{
    stop();
    m_restartTimer.start();
    return true;
}

QStringList MouseCom::ports()
{
    QStringList names;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        names.append(info.portName());
    return names;
}

bool MouseCom::openPort()
{
    if (!m_port)
        m_port = new QSerialPort();
    m_port->setPortName(m_portName);
    m_port->setBaudRate(cst_baud_rate);
    if (!m_port->open(QIODevice::ReadOnly))
        return false;
    // Bytes the driver kept from before we listened (a pseudo-terminal keeps
    // everything) are presses the user made while the link was stopped: they
    // must not fire now.
    m_port->clear(QSerialPort::Input);
    m_lines.clear();
    m_lineTimer.stop();
    connect(
        m_port, &QSerialPort::readyRead, this, &MouseCom::handleReadyRead, Qt::DirectConnection);
    connect(
        m_port, &QSerialPort::errorOccurred, this, &MouseCom::handleError, Qt::DirectConnection);
    return true;
}

void MouseCom::releasePort()
{
    QSerialPort* port = m_port;
    m_port = nullptr;
    m_started = false;
    ++m_generation;
    m_lines.clear();
    m_lineTimer.stop();
    if (!port)
        return;
    disconnect(port, nullptr, this, nullptr);
    const bool wasOpen = port->isOpen();
    const QString name = port->portName();
    port->close();
    // Deleting the port inside one of its own notifications would pull the
    // object out from under the serial library's code that is still running.
    if (m_inPortNotification > 0)
        port->deleteLater();
    else
        delete port;
    if (wasOpen)
        emit portClosed(name);
}

void MouseCom::cleanup()
{
    if (m_port)
        releasePort();
    m_error.clear();
    emit errorChanged(m_error);
}

void MouseCom::cancelReconnecting()
{
    m_reconnectTimer.stop();
    setWaitReason(NotWaiting);
    if (m_reconnecting) {
        m_reconnecting = false;
        emit reconnectingChanged(m_reconnecting);
    }
}

void MouseCom::setWaitReason(WaitReason reason)
{
    if (m_waitReason == reason)
        return;
    m_waitReason = reason;
    emit waitReasonChanged(m_waitReason);
}

MouseCom::WaitReason MouseCom::openFailure() const
{
    switch (m_port ? m_port->error() : QSerialPort::DeviceNotFoundError) {
    case QSerialPort::DeviceNotFoundError:
        return DeviceMissing;
    case QSerialPort::PermissionError:
        return serialPortReadable(m_portName) ? DeviceBusy : AccessDenied;
    default:
        return OpenFailed;
    }
}

void MouseCom::reconnectTick()
{
    // One quiet attempt per tick: no sleep, no log line. A device that was
    // unplugged stays so until it is back; a missing one may turn out busy.
    if (!openPort()) {
        if (m_waitReason != DeviceUnplugged)
            setWaitReason(openFailure());
        return;
    }
    qDebug().noquote() << QStringLiteral("Serial port %1 is back, start listening").arg(m_portName);
    m_reconnectTimer.stop();
    m_reconnecting = false;
    m_started = true;
    setWaitReason(NotWaiting);
    const bool hadError = !m_error.isEmpty();
    m_error.clear();
    emit reconnectingChanged(m_reconnecting);
    if (hadError)
        emit errorChanged(m_error);
    emit startedChanged(m_started);
}

void MouseCom::handleReadyRead()
{
    if (!m_port || sender() != m_port)
        return;
    NotificationGuard guard(m_inPortNotification);
    // Read everything even while paused, so nothing piles up in the driver.
    const QByteArray bytes = m_port->readAll();
    const int droppedBefore = m_lines.droppedLines();
    const QList<QByteArray> lines = m_lines.feed(bytes);
    const int dropped = m_lines.droppedLines() - droppedBefore;
    for (int i = 0; i < dropped; ++i)
        qWarning().noquote() << QStringLiteral(
            "Dropped a line longer than %1 bytes from serial port %2")
                                    .arg(LineAssembler::cst_max_line_length)
                                    .arg(m_portName);
    if (m_lines.hasPending()) {
        m_sinceLastByte.start();
        if (!m_lineTimer.isActive())
            m_lineTimer.start(cst_line_timeout_ms);
    }
    const quint64 generation = m_generation;
    for (const QByteArray& line : lines) {
        dispatch(line);
        // A receiver stopped or restarted the link: the rest belongs to the old port.
        if (m_generation != generation)
            return;
    }
}

void MouseCom::lineTimeout()
{
    // The timer is not re-armed for every byte (one readyRead per byte at 9600
    // baud): it checks how long the line has really been quiet instead.
    const qint64 left = cst_line_timeout_ms - m_sinceLastByte.elapsed();
    if (left > 0) {
        m_lineTimer.start(int(left));
        return;
    }
    const QByteArray line = m_lines.flush();
    if (!line.isEmpty())
        dispatch(line);
}

void MouseCom::dispatch(const QByteArray& line)
{
    const quint64 generation = m_generation;
    // With its size: the QByteArray overload stops at the first NUL, and
    // "L\0XYZ" would then pass for "L".
    const QString received = QString::fromUtf8(line.constData(), line.size());
    emit lineReceived(received);
    // Lines completed while paused are read and dropped, never replayed.
    if (m_paused || m_generation != generation)
        return;
    const QString text = comparedLine(received);
    dispatchChannel(0, text, m_match1, m_releaseMatch1);
    if (m_generation != generation)
        return;
    dispatchChannel(1, text, m_match2, m_releaseMatch2);
}

void MouseCom::dispatchChannel(
    int channel, const QString& text, const QString& press, const QString& release)
{
    // A release line equal to the press line could never tell the two apart.
    const bool split = !release.isEmpty() && release != press;
    if (!press.isEmpty() && text == press) {
        emit pressed(channel);
        if (split)
            return;
    } else if (!split || text != release) {
        return;
    }
    emit released(channel);
    emit clicked(channel);
}

void MouseCom::handleError(QSerialPort::SerialPortError error)
{
    if (!m_port || sender() != m_port || error == QSerialPort::NoError)
        return;
    // A vanished device raises ReadError over and over (or ResourceError) while
    // the descriptor stays open; framing, parity and timeout reports leave the
    // port usable and are ignored.
    const bool lost = error == QSerialPort::ReadError || error == QSerialPort::ResourceError
        || !m_port->isOpen();
    if (!lost)
        return;
    NotificationGuard guard(m_inPortNotification);
    const QString name = m_port->portName();
    const QString reason = m_port->errorString();
    qWarning().noquote() << QStringLiteral("Lost serial port %1 (%2), trying again every second")
                                .arg(m_portName, reason);
    releasePort();
    m_reconnectTimer.start();
    m_reconnecting = true;
    m_error = korvane::Translator::tr(
        "The switch device on %1 is unplugged. Korvane reconnects as soon as it is back.")
                  .arg(name);
    m_waitReason = DeviceUnplugged;
    emit waitReasonChanged(m_waitReason);
    emit reconnectingChanged(m_reconnecting);
    emit startedChanged(m_started);
    emit errorChanged(m_error);
}

} // namespace korvane::core
