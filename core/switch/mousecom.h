#pragma once

#include "core/korvane_core_export.h"
#include "core/switch/lineassembler.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace korvane::core {

// The link to the two-button switch device: listens read-only on one serial
// port and turns each line that equals a channel key into pressed, released
// and clicked for that channel (0 = left, 1 = right). A channel may also have a
// release line (releaseKey1/2): its key line then only presses, and the release
// line releases and completes the click.
//
// The link heals itself: a port that cannot be opened, or that fails while
// open (unplugged adapter, closed pseudo-terminal), is released at once and the
// same port name is tried again once a second, without blocking, until it opens
// or until stop() or start(name) is called. `reconnecting` is true meanwhile.
class KORVANE_CORE_EXPORT MouseCom : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool started READ started WRITE set_started NOTIFY startedChanged)
    Q_PROPERTY(bool paused READ paused WRITE set_paused NOTIFY pausedChanged)
    Q_PROPERTY(QString portName READ portName WRITE set_portName NOTIFY portNameChanged)
    Q_PROPERTY(QString channelKey1 READ channelKey1 WRITE set_channelKey1 NOTIFY channelKey1Changed)
    Q_PROPERTY(QString channelKey2 READ channelKey2 WRITE set_channelKey2 NOTIFY channelKey2Changed)
    Q_PROPERTY(QString releaseKey1 READ releaseKey1 WRITE set_releaseKey1 NOTIFY releaseKey1Changed)
    Q_PROPERTY(QString releaseKey2 READ releaseKey2 WRITE set_releaseKey2 NOTIFY releaseKey2Changed)
    Q_PROPERTY(QString error READ error WRITE set_error NOTIFY errorChanged)
    Q_PROPERTY(bool reconnecting READ reconnecting NOTIFY reconnectingChanged)
    // Why the link is waiting for its port, while it is.
    Q_PROPERTY(WaitReason waitReason READ waitReason NOTIFY waitReasonChanged)

public:
    static constexpr int cst_open_tries = 3;
    static constexpr int cst_open_retry_delay_ms = 50;
    static constexpr int cst_restart_delay_ms = 500;
    static constexpr int cst_reconnect_interval_ms = 1000;
    // A partial line with no line end is taken as complete after this silence.
    static constexpr int cst_line_timeout_ms = 50;
    static constexpr qint32 cst_baud_rate = 9600;

    enum WaitReason {
        NotWaiting,
        // No device by that name: a typo, or not plugged in yet.
        DeviceMissing,
        // Another program has the port open.
        DeviceBusy,
        // This user may not open it (the dialout group).
        AccessDenied,
        // It was open and went away.
        DeviceUnplugged,
        OpenFailed,
    };
    Q_ENUM(WaitReason)

    explicit MouseCom(QObject* parent = nullptr);
    ~MouseCom() override;

    bool started() const { return m_started; }
    bool paused() const { return m_paused; }
    QString portName() const { return m_portName; }
    QString channelKey1() const { return m_channelKey1; }
    QString channelKey2() const { return m_channelKey2; }
    QString releaseKey1() const { return m_releaseKey1; }
    QString releaseKey2() const { return m_releaseKey2; }
    QString error() const { return m_error; }
    bool reconnecting() const { return m_reconnecting; }
    WaitReason waitReason() const { return m_waitReason; }

    Q_INVOKABLE static QStringList ports();

signals:
    void startedChanged(bool started);
    void pausedChanged(bool paused);
    void portNameChanged(QString portName);
    void channelKey1Changed(QString channelKey1);
    void channelKey2Changed(QString channelKey2);
    void releaseKey1Changed(QString releaseKey1);
    void releaseKey2Changed(QString releaseKey2);
    void errorChanged(QString error);
    void pressed(int channel);
    void released(int channel);
    void clicked(int channel);
    void reconnectingChanged(bool reconnecting);
    void waitReasonChanged(korvane::core::MouseCom::WaitReason waitReason);
    // Every complete line from the device, also while paused: lets a settings
    // page show what a button sends without acting on it.
    void lineReceived(QString line);
    // An open port was let go of (stop, lost device, another port): whatever
    // its presses hold must come up. Receivers must not restart the link.
    void portClosed(QString portName);

public slots:
    void set_started(bool started);
    void set_paused(bool paused);
    void set_portName(QString portName);
    void set_channelKey1(QString channelKey1);
    void set_channelKey2(QString channelKey2);
    void set_releaseKey1(QString releaseKey1);
    void set_releaseKey2(QString releaseKey2);
    void set_error(QString error);
    bool start(QString serialPortName);
    bool start();
    void stop();
    bool restart();

private slots:
    void handleReadyRead();
    void handleError(QSerialPort::SerialPortError error);

private:
    bool openPort();
    void releasePort();
    void cleanup();
    void cancelReconnecting();
    void setWaitReason(WaitReason reason);
    WaitReason openFailure() const;
    void reconnectTick();
    void lineTimeout();
    void dispatch(const QByteArray& line);
    void dispatchChannel(
        int channel, const QString& text, const QString& press, const QString& release);

    bool m_started = false;
    bool m_paused = false;
    QString m_portName = QStringLiteral("COM5");
    QString m_channelKey1;
    QString m_channelKey2;
    QString m_releaseKey1;
    QString m_releaseKey2;
    QString m_error;
    QSerialPort* m_port = nullptr;

    bool m_reconnecting = false;
    WaitReason m_waitReason = NotWaiting;
    // Upper-cased keys as compared with incoming lines; empty = matches nothing.
    QString m_match1;
    QString m_match2;
    QString m_releaseMatch1;
    QString m_releaseMatch2;
    LineAssembler m_lines;
    QElapsedTimer m_sinceLastByte;
    QTimer m_lineTimer;
    QTimer m_restartTimer;
    QTimer m_reconnectTimer;
    // Nonzero while a notification of m_port is being delivered: the port must
    // then not be deleted under its own feet.
    int m_inPortNotification = 0;
    // Changes whenever the port is released, so a line loop can tell that a
    // receiver of pressed() stopped or restarted the link.
    quint64 m_generation = 0;
};

} // namespace korvane::core
