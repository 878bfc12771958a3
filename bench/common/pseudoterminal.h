#pragma once

#include <QString>

#include <cerrno>
#include <cstring>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

// The switch device of a bench: the bench writes into the master, the link
// under test opens the slave by name (or reads the descriptor kept here).
struct PseudoTerminal {
    int master = -1;
    int slave = -1;
    QString name;
    PseudoTerminal()
    {
        char path[128] = {};
        if (::openpty(&master, &slave, path, nullptr, nullptr) != 0)
            return;
        name = QString::fromLocal8Bit(path);
        termios raw {};
        ::tcgetattr(slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave, TCSANOW, &raw);
    }
    ~PseudoTerminal()
    {
        ::close(master);
        ::close(slave);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    void write(const char* data, size_t size) const
    {
        while (size > 0) {
            const ssize_t n = ::write(master, data, size);
            if (n > 0) {
                data += n;
                size -= size_t(n);
            } else if (errno != EINTR) {
                return;
            }
        }
    }
    void write(const char* text) const { write(text, std::strlen(text)); }
};
