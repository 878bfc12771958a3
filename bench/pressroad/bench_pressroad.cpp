// The whole road of a switch press: from a line written into a pseudo-terminal
// to the KeyPress that another X client receives, through the real program and,
// side by side, through the shortest bridge that does the same job (read() on
// the terminal, XTest, flush). Then what one press costs the program in CPU
// with its window in the tray and shown, a plain press and one that changes
// what the window says (a latch). Starts its own Xvfb and tray host and runs
// the program in a private home folder. Prints tables; an executable, not a
// test.
//
// bench_pressroad [presses] [--frames] [--no-cpu] [--cpu-presses N] [--also PROGRAM]...
//   --frames   runs the program with QSG_RENDER_TIMING=1 and counts the frames
//              it draws in each row (the timing lines cost a little CPU)
//   --also     another build of the program (e.g. one saved before a change),
//              measured in the same run, taking turns with this one
// The program inherits the environment, so QT_QUICK_BACKEND and the like
// apply to it.

#include "bench/common/pseudoterminal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <poll.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

namespace {

constexpr int cstPaceMs = 50; // each road gets 20 lines a second
constexpr int cstWarmUp = 20;
constexpr int cstTimeoutMs = 1000;

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// A client of the X server with a thread of its own. A derived class stops
// the thread in its destructor, before its own members go.
class XClientThread {
public:
    XClientThread() = default;
    XClientThread(const XClientThread&) = delete;
    XClientThread& operator=(const XClientThread&) = delete;
    virtual ~XClientThread()
    {
        stop();
        if (m_display)
            XCloseDisplay(m_display);
    }

protected:
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    bool open()
    {
        m_display = XOpenDisplay(nullptr);
        return m_display != nullptr;
    }
    void run()
    {
        m_thread = std::thread([this] { loop(); });
    }
    virtual void loop() = 0;

    Display* m_display = nullptr;
    std::atomic<bool> m_stop { false };

private:
    std::thread m_thread;
};

// Another X client that holds the keyboard focus and notes when each KeyPress
// reaches it, by key.
class Probe : public XClientThread {
public:
    struct Seen {
        KeySym keysym;
        Clock::time_point when;
    };

    bool start()
    {
        if (!open())
            return false;
        const int screen = DefaultScreen(m_display);
        m_window = XCreateSimpleWindow(m_display, RootWindow(m_display, screen), 0, 0,
            unsigned(DisplayWidth(m_display, screen)), unsigned(DisplayHeight(m_display, screen)),
            0, 0, 0);
        XSelectInput(m_display, m_window, KeyPressMask | StructureNotifyMask);
        XMapWindow(m_display, m_window);
        XEvent event;
        do
            XNextEvent(m_display, &event);
        while (event.type != MapNotify);
        takeFocus();
        run();
        return true;
    }
    ~Probe() override { stop(); }

    // There is no window manager: a window the program shows may take the
    // focus, so the probe takes it back. The pointer goes where no window of
    // the program is, so the clicks a press sends land on the probe.
    void takeFocus()
    {
        std::lock_guard<std::mutex> lock(m_displayMutex);
        XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
        XWarpPointer(m_display, None, m_window, 0, 0, 0, 0, 1100, 100);
        XSync(m_display, False);
    }

    size_t count() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_seen.size();
    }

    // Presses of `keysym` at or after position `from`.
    size_t countOf(KeySym keysym, size_t from) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return size_t(std::count_if(m_seen.begin() + std::min(from, m_seen.size()), m_seen.end(),
            [keysym](const Seen& seen) { return seen.keysym == keysym; }));
    }

    // The first press of `keysym` at or after position `from`, waited for.
    bool waitFor(KeySym keysym, size_t from, Clock::time_point& when, int timeoutMs)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        size_t i = from;
        for (;;) {
            for (; i < m_seen.size(); ++i) {
                if (m_seen[i].keysym == keysym) {
                    when = m_seen[i].when;
                    return true;
                }
            }
            if (m_arrived.wait_until(lock, deadline) == std::cv_status::timeout
                && i == m_seen.size())
                return false;
        }
    }

private:
    void loop() override
    {
        pollfd descriptor { ConnectionNumber(m_display), POLLIN, 0 };
        while (!m_stop) {
            for (;;) {
                std::unique_lock<std::mutex> displayLock(m_displayMutex);
                if (XPending(m_display) == 0)
                    break;
                XEvent event;
                XNextEvent(m_display, &event);
                const Clock::time_point when = Clock::now();
                displayLock.unlock();
                if (event.type == KeyPress) {
                    const KeySym keysym = XLookupKeysym(&event.xkey, 0);
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_seen.push_back({ keysym, when });
                    m_arrived.notify_all();
                } else if (event.type == MappingNotify) {
                    XRefreshKeyboardMapping(&event.xmapping);
                }
            }
            ::poll(&descriptor, 1, 100);
        }
    }

    Window m_window = 0;
    std::mutex m_displayMutex;
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<Seen> m_seen;
};

// The shortest road: read() on the terminal, one XTest key per line, flushed.
class Bridge : public XClientThread {
public:
    explicit Bridge(KeySym keysym)
        : m_keysym(keysym)
    {
    }
    ~Bridge() override { stop(); }
    bool start()
    {
        if (!open() || m_terminal.master < 0)
            return false;
        m_keycode = XKeysymToKeycode(m_display, m_keysym);
        run();
        return true;
    }
    const PseudoTerminal& terminal() const { return m_terminal; }

private:
    void loop() override
    {
        pollfd descriptor { m_terminal.slave, POLLIN, 0 };
        char buffer[256];
        while (!m_stop) {
            if (::poll(&descriptor, 1, 100) <= 0)
                continue;
            const ssize_t n = ::read(m_terminal.slave, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n; ++i) {
                if (buffer[i] != '\n')
                    continue;
                XTestFakeKeyEvent(m_display, m_keycode, True, CurrentTime);
                XFlush(m_display);
                XTestFakeKeyEvent(m_display, m_keycode, False, CurrentTime);
                XSync(m_display, False);
            }
        }
    }

    PseudoTerminal m_terminal;
    KeySym m_keysym;
    KeyCode m_keycode = 0;
};

// CPU time of every thread of a process so far, in nanoseconds.
qint64 cpuNs(qint64 pid)
{
    qint64 total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    const QStringList entries = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& task : entries) {
        QFile file(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (file.open(QIODevice::ReadOnly))
            total += file.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

double rssMb(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// The private world the program runs in: home and XDG folders, an X server
// and a tray host.
class World {
public:
    bool start()
    {
        if (!m_root.isValid())
            return false;
        m_xvfb.start(QStringLiteral("Xvfb"),
            { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp") });
        if (!m_xvfb.waitForReadyRead(10000))
            return false;
        m_display = QStringLiteral(":") + QString::fromLatin1(m_xvfb.readAll()).trimmed();
        qputenv("DISPLAY", m_display.toLocal8Bit());

        m_environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
            { "WAYLAND_DISPLAY", "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS" })
            m_environment.remove(QLatin1String(name));
        m_environment.insert(QStringLiteral("DISPLAY"), m_display);
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

        m_tray.setProcessEnvironment(privateFolders(QStringLiteral("tray"), m_environment));
        m_tray.start(QStringLiteral("trayer"),
            { QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                QStringLiteral("--width"), QStringLiteral("200"), QStringLiteral("--height"),
                QStringLiteral("32"), QStringLiteral("--transparent"), QStringLiteral("false") });
        return m_tray.waitForStarted() && waitForTrayHost();
    }

    ~World()
    {
        m_tray.kill();
        m_tray.waitForFinished();
        m_xvfb.terminate();
        m_xvfb.waitForFinished();
    }

    // An environment of its own for one program: home, XDG folders and
    // TMPDIR (which also keeps single-instance guards apart) under `name`.
    QProcessEnvironment privateFolders(const QString& name, QProcessEnvironment environment) const
    {
        const QString root = m_root.filePath(name);
        const char* const folders[][2] = { { "HOME", "home" }, { "XDG_CONFIG_HOME", "config" },
            { "XDG_RUNTIME_DIR", "runtime" }, { "XDG_DATA_HOME", "data" },
            { "XDG_CACHE_HOME", "cache" }, { "TMPDIR", "tmp" } };
        for (const auto& folder : folders) {
            const QString path = root + QLatin1Char('/') + QLatin1String(folder[1]);
            QDir().mkpath(path);
            environment.insert(QLatin1String(folder[0]), path);
        }
        QFile::setPermissions(root + QStringLiteral("/runtime"),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return environment;
    }
    const QProcessEnvironment& environment() const { return m_environment; }
    qint64 serverPid() const { return m_xvfb.processId(); }

private:
    bool waitForTrayHost()
    {
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            return false;
        const Atom selection = XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False);
        bool found = false;
        for (int i = 0; i < 200 && !found; ++i) {
            found = XGetSelectionOwner(display, selection) != None;
            if (!found)
                sleepMs(25);
        }
        XCloseDisplay(display);
        return found;
    }

    QTemporaryDir m_root;
    QProcess m_xvfb;
    QProcess m_tray;
    QString m_display;
    QProcessEnvironment m_environment;
};

// One build of the program with a switch device of its own: the left button
// types a letter, the right button latches the middle mouse button (so each
// of its presses changes what the window says).
class Program {
public:
    Program(const World& world, const QString& path, char letter, bool frames)
        : m_path(path)
        , m_keysym(XK_a + (letter - 'a'))
    {
        m_environment
            = world.privateFolders(QStringLiteral("program-%1").arg(letter), world.environment());
        const QString folder
            = m_environment.value(QStringLiteral("HOME")) + QStringLiteral("/.korvane");
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/korvane.json"));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QStringLiteral(
                R"({"configuration":{"application":{"theme":"LIGHT","runStartup":false},
            "switch":{"serial_name":"%1","input_left":"L","input_right":"R",
            "left_channel":{"enabled":true,"mode":"KEYBOARD","click_type":"LEFT","key":%2,"modifier":0,"native":"0"},
            "right_channel":{"enabled":true,"mode":"MOUSE","click_type":"MIDDLE","key":32,"modifier":0,"native":"0","latch":true}}}})")
                           .arg(m_device.name)
                           .arg(int(letter - 'a' + 'A'))
                           .toUtf8());
        }
        m_logPath = m_environment.value(QStringLiteral("TMPDIR")) + QStringLiteral("/korvane.log");
        if (frames)
            m_environment.insert(QStringLiteral("QSG_RENDER_TIMING"), QStringLiteral("1"));
    }

    ~Program()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }

    // Starts the program and waits until it listens to its device.
    bool start()
    {
        m_process.setProcessEnvironment(m_environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(m_logPath);
        m_started = Clock::now();
        m_process.start(m_path, {});
        if (!m_process.waitForStarted())
            return false;
        m_eventLoopMs = waitForLog(QStringLiteral("Execute application ..."));
        return waitForLog(QStringLiteral("Start listening on serial port ") + m_device.name) >= 0;
    }

    QString log() const
    {
        QFile file(m_logPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

    int frames() const { return log().count(QStringLiteral("Frame rendered")); }

    // A second start brings the first instance's window up.
    void showWindow()
    {
        QProcess second;
        second.setProcessEnvironment(m_environment);
        second.setStandardOutputFile(QProcess::nullDevice());
        second.setStandardErrorFile(QProcess::nullDevice());
        second.start(m_path, {});
        second.waitForFinished(20000);
    }

    qint64 pid() const { return m_process.processId(); }
    const QString& path() const { return m_path; }
    const PseudoTerminal& device() const { return m_device; }
    KeySym keysym() const { return m_keysym; }
    double eventLoopMs() const { return m_eventLoopMs; }

private:
    // The time from start to a log line, or -1.
    double waitForLog(const QString& text, int timeoutMs = 20000)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < deadline) {
            if (log().contains(text))
                return microseconds(Clock::now() - m_started) / 1000.0;
            sleepMs(2);
        }
        return -1;
    }

    QString m_path;
    KeySym m_keysym;
    PseudoTerminal m_device;
    QProcessEnvironment m_environment;
    QString m_logPath;
    QProcess m_process;
    Clock::time_point m_started;
    double m_eventLoopMs = -1;
};

int windowsShown(const char* title)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    int shown = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            char* name = nullptr;
            if (XGetWindowAttributes(display, children[i], &attributes)
                && attributes.map_state == IsViewable && XFetchName(display, children[i], &name)
                && name) {
                shown += std::strcmp(name, title) == 0 ? 1 : 0;
                XFree(name);
            }
        }
        XFree(children);
    }
    XCloseDisplay(display);
    return shown;
}

struct Figures {
    std::vector<double> us;
    int lost = 0;
    double percentile(double p) const
    {
        if (us.empty())
            return 0;
        std::vector<double> sorted = us;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, size_t(p * double(sorted.size())))];
    }
};

struct Road {
    QString name;
    const PseudoTerminal* terminal;
    KeySym keysym;
    Figures figures;
};

// One line into the road's terminal, timed to the probe's KeyPress.
void pressOnce(Probe& probe, Road& road, bool counted)
{
    const size_t from = probe.count();
    const Clock::time_point written = Clock::now();
    road.terminal->write("L\n");
    Clock::time_point seen;
    if (!probe.waitFor(road.keysym, from, seen, cstTimeoutMs)) {
        if (counted)
            ++road.figures.lost;
        return;
    }
    if (counted)
        road.figures.us.push_back(microseconds(seen - written));
}

// The roads take turns, each paced at one line per cstPaceMs, spread evenly
// over the period; who goes first rotates, so no road always follows the same
// one.
void measureLatency(Probe& probe, std::vector<Road*> roads, int presses)
{
    const auto begin = Clock::now();
    const size_t count = roads.size();
    const auto slot = std::chrono::milliseconds(cstPaceMs) / int(count);
    int turn = 0;
    for (int i = 0; i < cstWarmUp + presses; ++i) {
        for (size_t j = 0; j < count; ++j) {
            std::this_thread::sleep_until(begin + slot * turn++);
            pressOnce(probe, *roads[(size_t(i) + j) % count], i >= cstWarmUp);
        }
    }
}

// Until the process uses less than 1 % of a core over a quarter of a second
// (10 s at most).
void waitUntilQuiet(qint64 pid)
{
    for (int i = 0; i < 40; ++i) {
        const qint64 before = cpuNs(pid);
        sleepMs(250);
        if (cpuNs(pid) - before < 2500000)
            return;
    }
}

struct CpuRow {
    double programUs = 0; // per press, the program's threads
    double serverUs = 0; // per press, the X server
    int frames = -1;
    int keys = -1; // the program's key presses that reached the probe
};

// CPU used during `presses` lines per program at the pace, less what the same
// time costs idle. The programs take turns in the same stretch of time, so a
// machine that gets busier or quieter meanwhile weighs on all of them alike.
// The X server's figure is per press of any program.
std::vector<CpuRow> measureCpu(const std::vector<std::unique_ptr<Program>>& programs, Probe& probe,
    qint64 server, const char* line, int presses, bool frames)
{
    const size_t count = programs.size();
    const auto cpuOfAll = [&] {
        std::vector<qint64> cpu;
        for (const auto& program : programs)
            cpu.push_back(cpuNs(program->pid()));
        cpu.push_back(cpuNs(server));
        return cpu;
    };
    const auto idleBegin = Clock::now();
    const std::vector<qint64> idleBefore = cpuOfAll();
    sleepMs(2000);
    const double idleSeconds = std::chrono::duration<double>(Clock::now() - idleBegin).count();
    const std::vector<qint64> idleAfter = cpuOfAll();

    std::vector<int> framesBefore;
    for (const auto& program : programs)
        framesBefore.push_back(frames ? program->frames() : 0);
    const size_t keysBefore = probe.count();
    const auto begin = Clock::now();
    const std::vector<qint64> before = cpuOfAll();
    const auto slot = std::chrono::milliseconds(cstPaceMs) / int(count);
    for (int i = 0; i < presses; ++i) {
        for (size_t j = 0; j < count; ++j) {
            std::this_thread::sleep_until(begin + slot * (size_t(i) * count + j));
            programs[j]->device().write(line);
        }
    }
    std::this_thread::sleep_until(begin + std::chrono::milliseconds(cstPaceMs) * presses);
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    const std::vector<qint64> after = cpuOfAll();

    const auto perPress = [&](size_t i, int pressCount) {
        const double idleRate = (idleAfter[i] - idleBefore[i]) / idleSeconds;
        return (after[i] - before[i] - idleRate * seconds) / 1000.0 / pressCount;
    };
    std::vector<CpuRow> rows(count);
    for (size_t j = 0; j < count; ++j) {
        rows[j].programUs = perPress(j, presses);
        rows[j].serverUs = perPress(count, presses * int(count));
        if (frames)
            rows[j].frames = programs[j]->frames() - framesBefore[j];
        if (std::strcmp(line, "L\n") == 0)
            rows[j].keys = int(probe.countOf(programs[j]->keysym(), keysBefore));
    }
    return rows;
}

void printLatency(const QString& name, const Figures& f)
{
    std::printf("%-34s %9.1f %9.1f %9.1f %6zu %5d\n", qPrintable(name), f.percentile(0.5),
        f.percentile(0.99), f.us.empty() ? 0.0 : *std::max_element(f.us.begin(), f.us.end()),
        f.us.size(), f.lost);
}

void printCpu(const QString& name, const CpuRow& row)
{
    std::printf("%-34s %12.0f %12.0f", qPrintable(name), row.programUs, row.serverUs);
    if (row.keys >= 0)
        std::printf(" %7d", row.keys);
    else
        std::printf(" %7s", "-");
    if (row.frames >= 0)
        std::printf(" %8d", row.frames);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int presses = 400;
    bool frames = false;
    bool cpu = true;
    int cpuPresses = 100;
    QStringList paths { QCoreApplication::applicationDirPath() + QStringLiteral("/korvane") };
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--frames")
            frames = true;
        else if (argument == "--no-cpu")
            cpu = false;
        else if (argument == "--cpu-presses" && i + 1 < argc)
            cpuPresses = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--also" && i + 1 < argc)
            paths << QString::fromLocal8Bit(argv[++i]);
        else if (argument.toInt() > 0)
            presses = argument.toInt();
    }
    XInitThreads();
    // Windows come and go while the bench looks at them.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });

    World world;
    if (!world.start()) {
        std::fprintf(stderr, "cannot start Xvfb and trayer (run scripts/setup)\n");
        return 2;
    }
    std::vector<std::unique_ptr<Program>> programs;
    for (const QString& path : paths) {
        programs.push_back(
            std::make_unique<Program>(world, path, char('a' + programs.size()), frames));
        if (!programs.back()->start()) {
            std::fprintf(stderr, "%s does not listen to its device:\n%s\n", qPrintable(path),
                qPrintable(programs.back()->log()));
            return 1;
        }
    }
    Probe probe;
    Bridge bridge(XK_z);
    if (!probe.start() || !bridge.start()) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }

    std::vector<Road> roads;
    for (const auto& program : programs)
        roads.push_back({ program->path(), &program->device(), program->keysym(), {} });
    roads.push_back({ QStringLiteral("read -> XTest bridge"), &bridge.terminal(), XK_z, {} });
    std::vector<Road*> turns;
    for (Road& road : roads)
        turns.push_back(&road);
    std::printf("Press road, line written -> KeyPress at another X client (%d presses each, "
                "%d lines/s per road, taking turns)\n",
        presses, 1000 / cstPaceMs);
    measureLatency(probe, turns, presses);
    std::printf("%-34s %9s %9s %9s %6s %5s\n", "", "p50 us", "p99 us", "max us", "seen", "lost");
    for (const Road& road : roads)
        printLatency(road.name.right(34), road.figures);
    const Figures& minimal = roads.back().figures;
    for (size_t i = 0; i + 1 < roads.size(); ++i) {
        const Figures& whole = roads[i].figures;
        std::printf("ratio whole / minimal: p50 %.2fx, p99 %.2fx  (%s)\n",
            whole.percentile(0.5) / std::max(1.0, minimal.percentile(0.5)),
            whole.percentile(0.99) / std::max(1.0, minimal.percentile(0.99)),
            qPrintable(roads[i].name.right(34)));
    }
    std::printf("\n");
    for (const auto& program : programs)
        std::printf("start -> event loop: %.0f ms; RSS in the tray: %.1f MB  (%s)\n",
            program->eventLoopMs(), rssMb(program->pid()), qPrintable(program->path().right(34)));

    if (!cpu)
        return 0;
    std::printf("\nCPU per press (%d presses at %d lines/s, idle subtracted)\n", cpuPresses,
        1000 / cstPaceMs);
    std::printf(
        "%-34s %12s %12s %7s%s\n", "", "korvane us", "Xvfb us", "keys", frames ? "   frames" : "");
    for (size_t j = 0; programs.size() > 1 && j < programs.size(); ++j)
        std::printf("(%c) %s\n", char('a' + j), qPrintable(programs[j]->path()));
    const auto cpuRows = [&](const QString& state) {
        for (const char* line : { "L\n", "R\n" }) {
            const std::vector<CpuRow> rows
                = measureCpu(programs, probe, world.serverPid(), line, cpuPresses, frames);
            for (size_t j = 0; j < rows.size(); ++j) {
                const QString name = programs.size() > 1
                    ? QStringLiteral(" (%1)").arg(QChar::fromLatin1(char('a' + j)))
                    : QString();
                printCpu(state
                        + (line[0] == 'L' ? QStringLiteral(", plain press")
                                          : QStringLiteral(", latch press"))
                        + name,
                    rows[j]);
            }
        }
    };
    cpuRows(QStringLiteral("in the tray"));

    for (const auto& program : programs)
        program->showWindow();
    const int windows = int(programs.size());
    for (int i = 0; i < 200 && windowsShown("KORVane") < windows; ++i)
        sleepMs(50);
    if (windowsShown("KORVane") < windows) {
        std::fprintf(stderr, "the window did not show\n");
        return 1;
    }
    // The keyboard back to the probe, then the windows' first frames and
    // their loss of focus drawn before anything is measured.
    sleepMs(500);
    probe.takeFocus();
    for (const auto& program : programs)
        waitUntilQuiet(program->pid());
    cpuRows(QStringLiteral("window shown"));
    for (const auto& program : programs)
        std::printf("RSS with the window shown: %.1f MB  (%s)\n", rssMb(program->pid()),
            qPrintable(program->path().right(34)));
    return 0;
}
