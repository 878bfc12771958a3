#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <cerrno>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// A real pseudo-terminal standing in for the switch device: the test writes
// the device's bytes into the master, MouseCom opens the slave by name.
class Pty {
public:
    Pty()
    {
        char name[128] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            return;
        m_name = QString::fromLocal8Bit(name);
        termios raw {};
        ::tcgetattr(m_slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slave, TCSANOW, &raw);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~Pty() { close(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool isValid() const { return m_master >= 0; }
    QString name() const { return m_name; }
    int master() const { return m_master; }

    // Bytes written by the device and not yet read by anyone.
    int queued() const
    {
        int n = 0;
        ::ioctl(m_slave, FIONREAD, &n);
        return n;
    }

    // Writes everything, letting the event loop drain the terminal when it is full.
    bool write(const QByteArray& bytes)
    {
        qsizetype done = 0;
        QElapsedTimer clock;
        clock.start();
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
            if (n > 0) {
                done += n;
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            if (clock.elapsed() > 20000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    // The device vanishes: the link's descriptor now fails on every read.
    void close()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
        m_master = m_slave = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_name;
};
