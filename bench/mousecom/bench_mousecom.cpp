// Switch device link: latency from a line written into a pseudo-terminal to
// pressed(), the highest line rate it keeps up with, and its CPU cost.
// Prints a table; an executable, not a test.

#include "bench/common/pseudoterminal.h"
#include "core/switch/mousecom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using korvane::core::MouseCom;
using Clock = std::chrono::steady_clock;

namespace {

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

double threadCpuSeconds(bool userOnly = false)
{
    rusage usage {};
    ::getrusage(RUSAGE_THREAD, &usage);
    const double user = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6;
    return userOnly ? user : user + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// Runs the event loop until done() or the timeout. The loop sleeps between
// events (so the CPU figures are the link's own); a coarse tick notices
// conditions that a writer thread changes without posting an event.
template <typename Done> bool runUntil(Done done, int timeoutMs)
{
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer clock;
    clock.start();
    bool ok = true;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&]() {
        if (done())
            loop.quit();
        else if (clock.elapsed() > timeoutMs) {
            ok = false;
            loop.quit();
        }
    });
    tick.start(20);
    if (!done())
        loop.exec();
    return ok;
}

struct Latency {
    double medianUs = 0;
    double p99Us = 0;
    double maxUs = 0;
    int lines = 0;
};

// One line at a time, each measured from the write of its last byte to pressed().
Latency measureLatency(int lines, bool byteByByte, const char* line)
{
    PseudoTerminal pty;
    MouseCom com;
    com.set_channelKey1(QStringLiteral("SW-LEFT"));
    std::vector<qint64> written(size_t(lines), 0);
    std::vector<qint64> seen(size_t(lines), 0);
    std::atomic<int> current { -1 }; // line in flight, set by the writer
    std::atomic<int> acknowledged { -1 }; // last line seen, set by the GUI thread
    std::atomic<bool> finished { false };
    QObject::connect(&com, &MouseCom::pressed, [&](int) {
        const int i = current.load();
        if (i >= 0 && seen[size_t(i)] == 0) {
            seen[size_t(i)] = nowNs();
            acknowledged.store(i);
        }
    });
    com.start(pty.name);

    std::thread writer([&]() {
        const size_t size = std::strlen(line);
        for (int i = 0; i < lines; ++i) {
            std::this_thread::sleep_for(std::chrono::microseconds(500));
            current.store(i);
            if (byteByByte) {
                for (size_t b = 0; b + 1 < size; ++b) {
                    pty.write(line + b, 1);
                    std::this_thread::sleep_for(std::chrono::microseconds(1040));
                }
            }
            written[size_t(i)] = nowNs();
            if (byteByByte)
                pty.write(line + size - 1, 1);
            else
                pty.write(line, size);
            // The next line goes out once this one was seen, or given up on (a
            // writer stalled past the 50 ms line timeout splits its line).
            const auto deadline = Clock::now() + std::chrono::milliseconds(200);
            while (acknowledged.load() < i && Clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
        finished = true;
    });
    runUntil([&]() { return finished.load(); }, lines * 300 + 10000);
    writer.join();

    std::vector<double> us;
    for (int i = 0; i < lines; ++i)
        if (seen[size_t(i)] != 0)
            us.push_back((seen[size_t(i)] - written[size_t(i)]) / 1000.0);
    std::sort(us.begin(), us.end());
    Latency result;
    result.lines = int(us.size());
    if (!us.empty()) {
        result.medianUs = us[us.size() / 2];
        result.p99Us = us[std::min(us.size() - 1, us.size() * 99 / 100)];
        result.maxUs = us.back();
    }
    return result;
}

struct Throughput {
    int rate = 0;
    int sent = 0;
    int received = 0;
    double lagMs = 0; // last line written to last pressed()
    double cpuPercent = 0; // of one core, the link's (GUI) thread
    double userPercent = 0; // the part spent outside the kernel
    double achievedRate = 0; // lines/s the writer really managed
};

// Lines paced at `rate` per second for `seconds`, written one line per write.
Throughput measureRate(int rate, double seconds)
{
    PseudoTerminal pty;
    MouseCom com;
    com.set_channelKey1(QStringLiteral("SW-LEFT"));
    com.set_channelKey2(QStringLiteral("SW-RIGHT"));
    std::atomic<int> received { 0 };
    qint64 lastSeen = 0;
    QObject::connect(&com, &MouseCom::pressed, [&](int) {
        received.fetch_add(1);
        lastSeen = nowNs();
    });
    com.start(pty.name);

    const int total = int(rate * seconds);
    std::atomic<qint64> lastWritten { 0 };
    std::atomic<bool> done { false };
    std::atomic<double> writerSeconds { 0 };
    std::thread writer([&]() {
        const auto begin = Clock::now();
        for (int i = 0; i < total; ++i) {
            const auto due = begin + std::chrono::nanoseconds(qint64(i) * 1000000000LL / rate);
            if (Clock::now() < due)
                std::this_thread::sleep_until(due);
            const char* line = (i % 2) ? "SW-RIGHT\n" : "sw-left\n";
            pty.write(line, std::strlen(line));
        }
        lastWritten = nowNs();
        writerSeconds = std::chrono::duration<double>(Clock::now() - begin).count();
        done = true;
    });
    const double cpuBefore = threadCpuSeconds();
    const double userBefore = threadCpuSeconds(true);
    QElapsedTimer wall;
    wall.start();
    runUntil([&]() { return done.load() && received.load() >= total; }, int(seconds * 1000) + 5000);
    const double cpu = threadCpuSeconds() - cpuBefore;
    const double user = threadCpuSeconds(true) - userBefore;
    const double elapsed = wall.nsecsElapsed() / 1e9;
    writer.join();

    Throughput result;
    result.rate = rate;
    result.sent = total;
    result.received = received.load();
    // pressed() may come before write() has returned: no negative lag.
    result.lagMs = std::max(0.0, (lastSeen - lastWritten.load()) / 1e6);
    result.cpuPercent = 100.0 * cpu / elapsed;
    result.userPercent = 100.0 * user / elapsed;
    result.achievedRate = total / (writerSeconds.load() > 0 ? writerSeconds.load() : elapsed);
    return result;
}

double idleCpuPercent(bool waitingForDevice, double seconds)
{
    PseudoTerminal pty;
    MouseCom com;
    if (waitingForDevice)
        com.start(QStringLiteral("/nonexistent/korvane-switch"));
    else
        com.start(pty.name);
    const double cpuBefore = threadCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = threadCpuSeconds() - cpuBefore;
    com.stop();
    return 100.0 * cpu / (wall.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    // "bench_mousecom <rate>": only that line rate for 5 s, to run under a profiler.
    if (argc > 1) {
        const Throughput t = measureRate(std::atoi(argv[1]), 5.0);
        std::printf("%d lines/s: %d sent, %d received, CPU %.2f %% of one core (user %.2f)\n",
            t.rate, t.sent, t.received, t.cpuPercent, t.userPercent);
        return 0;
    }
    const int lines = 2000;
    std::printf("Switch device link over a pseudo-terminal (%d lines per latency row)\n\n", lines);
    std::printf("%-44s %10s %10s %10s\n", "latency: line written -> pressed()", "median us",
        "p99 us", "max us");
    struct LatencyRow {
        const char* name;
        bool byteByByte;
        const char* line;
    };
    const LatencyRow rows[] = {
        { "whole line, LF", false, "SW-LEFT\n" },
        { "whole line, CR LF", false, "SW-LEFT\r\n" },
        { "9600 baud pace, from the last byte", true, "SW-LEFT\n" },
    };
    for (const LatencyRow& row : rows) {
        const int count = row.byteByByte ? lines / 4 : lines;
        const Latency l = measureLatency(count, row.byteByByte, row.line);
        std::printf("%-44s %10.1f %10.1f %10.1f%s\n", row.name, l.medianUs, l.p99Us, l.maxUs,
            l.lines == count
                ? ""
                : qPrintable(QStringLiteral("  (%1 lines not seen)").arg(count - l.lines)));
    }

    std::printf("\n%-10s %10s %10s %10s %9s %11s %11s\n", "target/s", "achieved/s", "sent",
        "received", "lag ms", "CPU % core", "of it user");
    int best = 0;
    for (int rate : { 500, 2000, 5000, 10000, 20000, 50000, 100000, 200000 }) {
        const double seconds = rate == 2000 ? 5.0 : 2.0;
        const Throughput t = measureRate(rate, seconds);
        const bool kept = t.received == t.sent && t.lagMs < 100 && t.achievedRate > 0.9 * rate;
        if (kept)
            best = rate;
        std::printf("%-10d %10.0f %10d %10d %9.2f %11.2f %11.2f%s\n", t.rate, t.achievedRate,
            t.sent, t.received, t.lagMs, t.cpuPercent, t.userPercent,
            kept ? "" : "  (writer or link fell behind, or lines lost)");
    }
    std::printf("\nhighest rate kept up with, no line lost: %d lines/s\n", best);
    std::printf("CPU %% of one core, listening with no data: %.3f\n", idleCpuPercent(false, 2.0));
    std::printf(
        "CPU %% of one core, waiting for a missing device: %.3f\n", idleCpuPercent(true, 3.0));
    return 0;
}
