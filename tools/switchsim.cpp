// korvane-switch-sim: a virtual two-button switch device on a pseudo-terminal.
// Korvane (or anything else) opens the printed path, or the --link path, as
// its serial port; this program writes the lines a real device would send.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_quit = 0;

void onSignal(int)
{
    g_quit = 1;
}

void sleepMs(double ms)
{
    if (ms <= 0)
        return;
    timespec ts;
    ts.tv_sec = time_t(ms / 1000);
    ts.tv_nsec = long((ms - ts.tv_sec * 1000.0) * 1e6);
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR && !g_quit) { }
}

// One pseudo-terminal pair. The slave end stays open here too, so the device
// survives a reader that closes and reopens it, like a plugged-in adapter.
class Device {
public:
    bool plug(const QString& link)
    {
        char name[128] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
            std::fprintf(stderr, "korvane-switch-sim: openpty: %s\n", std::strerror(errno));
            return false;
        }
        termios raw {};
        ::tcgetattr(m_slave, &raw);
        ::cfmakeraw(&raw);
        ::cfsetspeed(&raw, B9600);
        ::tcsetattr(m_slave, TCSANOW, &raw);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_path = QString::fromLocal8Bit(name);
        m_link = link;
        if (!m_link.isEmpty()) {
            // Replace an old link (from an earlier run), never a real file.
            const QFileInfo existing(m_link);
            if (existing.isSymLink())
                QFile::remove(m_link);
            if (!QFile::link(m_path, m_link)) {
                std::fprintf(
                    stderr, "korvane-switch-sim: cannot create the link %s\n", qPrintable(m_link));
                unplug();
                return false;
            }
        }
        std::printf("Switch device on %s%s%s\n", qPrintable(m_path),
            m_link.isEmpty() ? "" : ", linked at ", qPrintable(m_link));
        std::fflush(stdout);
        return true;
    }

    // Like pulling the adapter: the reader's next read fails.
    void unplug()
    {
        if (!m_link.isEmpty() && QFileInfo(m_link).isSymLink())
            QFile::remove(m_link);
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
        m_master = m_slave = -1;
    }

    bool plugged() const { return m_master >= 0; }

    // Writes bytes, one at a time about 1 ms apart when byteByByte (9600 baud
    // carries about one byte per millisecond). Returns false when the
    // terminal is full: nothing has been reading it.
    bool send(const QByteArray& bytes, bool byteByByte)
    {
        if (!byteByByte)
            return writeAll(bytes.constData(), bytes.size());
        for (int i = 0; i < bytes.size() && !g_quit; ++i) {
            if (i > 0)
                sleepMs(1.04);
            if (!writeAll(bytes.constData() + i, 1))
                return false;
        }
        return true;
    }

private:
    bool writeAll(const char* data, qsizetype size)
    {
        while (size > 0) {
            const ssize_t n = ::write(m_master, data, size_t(size));
            if (n > 0) {
                data += n;
                size -= n;
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                return false;
            }
        }
        return true;
    }

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QString m_link;
};

// Keys are read one at a time without echo; Ctrl+C still ends the program.
class RawKeyboard {
public:
    RawKeyboard()
    {
        if (!::isatty(STDIN_FILENO) || ::tcgetattr(STDIN_FILENO, &m_saved) != 0)
            return;
        termios raw = m_saved;
        raw.c_lflag &= tcflag_t(~(ICANON | ECHO));
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        m_active = ::tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
    }
    ~RawKeyboard()
    {
        if (m_active)
            ::tcsetattr(STDIN_FILENO, TCSANOW, &m_saved);
    }

private:
    termios m_saved {};
    bool m_active = false;
};

QByteArray lineEnd(const QString& name)
{
    if (name == QLatin1String("crlf"))
        return "\r\n";
    if (name == QLatin1String("cr"))
        return "\r";
    if (name == QLatin1String("none"))
        return {};
    return "\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvane-switch-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A virtual two-button switch device on a pseudo-terminal. Without --send it is "
        "interactive: the left key sends the left line, the right key the right line, "
        "u unplugs or plugs the device again, q quits."));
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"),
        QStringLiteral("Also make the device reachable at <path> (a symbolic link)."),
        QStringLiteral("path"));
    const QCommandLineOption leftOption(QStringLiteral("left"),
        QStringLiteral("Line sent for the left button (default L)."), QStringLiteral("text"),
        QStringLiteral("L"));
    const QCommandLineOption rightOption(QStringLiteral("right"),
        QStringLiteral("Line sent for the right button (default R)."), QStringLiteral("text"),
        QStringLiteral("R"));
    const QCommandLineOption leftKeyOption(QStringLiteral("left-key"),
        QStringLiteral("Key that presses the left button (default l)."), QStringLiteral("key"),
        QStringLiteral("l"));
    const QCommandLineOption rightKeyOption(QStringLiteral("right-key"),
        QStringLiteral("Key that presses the right button (default r)."), QStringLiteral("key"),
        QStringLiteral("r"));
    const QCommandLineOption sendOption(QStringLiteral("send"),
        QStringLiteral("Scripted: send <text> as a line, then end (which unplugs the device)."),
        QStringLiteral("text"));
    const QCommandLineOption countOption(QStringLiteral("count"),
        QStringLiteral("Scripted: how many times to send the line (default 1)."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption intervalOption(QStringLiteral("interval"),
        QStringLiteral("Scripted: milliseconds between lines (default 100)."), QStringLiteral("ms"),
        QStringLiteral("100"));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
        QStringLiteral("Scripted: milliseconds to wait before the first line, so a reader "
                       "can open the device (default 0)."),
        QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption stayOption(QStringLiteral("stay"),
        QStringLiteral("Scripted: keep the device plugged in after the last line, until "
                       "Ctrl+C."));
    const QCommandLineOption crlfOption(
        QStringLiteral("crlf"), QStringLiteral("End lines with CR LF (same as --eol crlf)."));
    const QCommandLineOption eolOption(QStringLiteral("eol"),
        QStringLiteral("Line end: lf (default), cr, crlf or none."), QStringLiteral("end"),
        QStringLiteral("lf"));
    const QCommandLineOption byteOption(QStringLiteral("byte-by-byte"),
        QStringLiteral("Write one byte at a time about 1 ms apart, as a 9600 baud line does."));
    parser.addOptions({ linkOption, leftOption, rightOption, leftKeyOption, rightKeyOption,
        sendOption, countOption, intervalOption, delayOption, stayOption, crlfOption, eolOption,
        byteOption });
    parser.process(app);

    const QString eolName
        = parser.isSet(crlfOption) ? QStringLiteral("crlf") : parser.value(eolOption).toLower();
    if (!QStringList { "lf", "cr", "crlf", "none" }.contains(eolName)) {
        std::fprintf(stderr, "korvane-switch-sim: --eol takes lf, cr, crlf or none\n");
        return 2;
    }
    const QByteArray eol = lineEnd(eolName);
    const bool byteByByte = parser.isSet(byteOption);
    bool ok = true;
    const int count = parser.value(countOption).toInt(&ok);
    bool okInterval = true;
    const double interval = parser.value(intervalOption).toDouble(&okInterval);
    bool okDelay = true;
    const double delay = parser.value(delayOption).toDouble(&okDelay);
    if (!ok || count < 0 || !okInterval || interval < 0 || !okDelay || delay < 0) {
        std::fprintf(stderr,
            "korvane-switch-sim: --count, --interval and --delay take "
            "numbers of zero or more\n");
        return 2;
    }
    const QString leftKey = parser.value(leftKeyOption);
    const QString rightKey = parser.value(rightKeyOption);
    if (leftKey.size() != 1 || rightKey.size() != 1 || leftKey == rightKey
        || leftKey.at(0).unicode() > 126 || rightKey.at(0).unicode() > 126) {
        std::fprintf(stderr,
            "korvane-switch-sim: --left-key and --right-key take two "
            "different single ASCII characters\n");
        return 2;
    }

    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a blocking read must return on Ctrl+C
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    const QString link = parser.value(linkOption);
    Device device;
    if (!device.plug(link))
        return 1;

    auto sendLine = [&](const QString& text) {
        if (!device.plugged()) {
            std::printf("(unplugged: nothing sent)\n");
            std::fflush(stdout);
            return true;
        }
        if (!device.send(text.toUtf8() + eol, byteByByte)) {
            std::fprintf(stderr,
                "korvane-switch-sim: the device buffer is full; is anything "
                "reading it?\n");
            return false;
        }
        return true;
    };

    int status = 0;
    if (parser.isSet(sendOption)) {
        const QString text = parser.value(sendOption);
        sleepMs(delay);
        for (int i = 0; i < count && !g_quit; ++i) {
            if (i > 0)
                sleepMs(interval);
            if (!sendLine(text)) {
                status = 1;
                break;
            }
        }
        std::printf("Sent %d line(s)\n", count);
        std::fflush(stdout);
        while (parser.isSet(stayOption) && !g_quit)
            ::pause();
    } else {
        const char leftChar = char(leftKey.at(0).unicode());
        const char rightChar = char(rightKey.at(0).unicode());
        RawKeyboard keyboard;
        std::printf("Keys: %c = left (%s), %c = right (%s), u = unplug/plug, q = quit\n", leftChar,
            qPrintable(parser.value(leftOption)), rightChar, qPrintable(parser.value(rightOption)));
        std::fflush(stdout);
        while (!g_quit) {
            char c = 0;
            const ssize_t n = ::read(STDIN_FILENO, &c, 1);
            if (n == 0)
                break; // end of input
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                break;
            }
            if (c == leftChar) {
                if (sendLine(parser.value(leftOption))) {
                    std::printf("left\n");
                }
            } else if (c == rightChar) {
                if (sendLine(parser.value(rightOption))) {
                    std::printf("right\n");
                }
            } else if (c == 'u') {
                if (device.plugged()) {
                    device.unplug();
                    std::printf("Unplugged\n");
                } else if (!device.plug(link)) {
                    status = 1;
                    break;
                }
            } else if (c == 'q') {
                break;
            }
            std::fflush(stdout);
        }
    }
    device.unplug();
    return status;
}
