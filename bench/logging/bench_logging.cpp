// Cost of a log call when its line is written, when the level filters it out
// (only the signal is emitted), and of benchmark messages on and off, measured
// side by side in one run. Lines reach a handler that only counts them, so the
// figures are the logger's own cost, not the terminal's.

#include "common/logmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

using korvane::common::LogLevel;
using korvane::common::LogManager;

namespace {

int g_lines = 0;

void countingHandler(QtMsgType, const QMessageLogContext&, const QString&)
{
    ++g_lines;
}

struct Case {
    QString name;
    std::function<void()> setup;
    std::function<void(int)> call;
    std::vector<double> nsPerCall;
    int lines = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(countingHandler);
    LogManager& log = LogManager::GetInstance();
    const QString logger = QStringLiteral("bench");
    const QString message = QStringLiteral("channel 0 pressed, key 0x41 sent");

    int received = 0;
    QObject listener;
    QObject::connect(&log, &LogManager::debug, &listener,
        [&received](const QString&, const QString&) { ++received; });

    std::vector<Case> cases = {
        { "debug written", [&] { log.setLogLevel(LogLevel::LEVEL_DEBUG); },
            [&](int) { log.debugLog(message, logger); } },
        { "debug filtered out", [&] { log.setLogLevel(LogLevel::LEVEL_ERROR); },
            [&](int) { log.debugLog(message, logger); } },
        { "benchmark enabled", [&] { log.setBenchmarkEnabled(true); },
            [&](int) { log.benchmarkLog(message, logger); } },
        { "benchmark disabled", [&] { log.setBenchmarkEnabled(false); },
            [&](int) { log.benchmarkLog(message, logger); } },
    };

    const int calls = 10000;
    const int rounds = 7;
    // Rounds interleave the cases so that a busy neighbour slows all alike.
    for (int round = 0; round < rounds; ++round) {
        for (Case& c : cases) {
            c.setup();
            const int linesBefore = g_lines;
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < calls; ++i)
                c.call(i);
            c.nsPerCall.push_back(static_cast<double>(timer.nsecsElapsed()) / calls);
            c.lines += g_lines - linesBefore;
        }
    }

    QTextStream out(stdout);
    out << "Logging cost, median of " << rounds << " rounds of " << calls << " calls\n";
    out << QStringLiteral("%1 %2 %3\n").arg("case", -22).arg("ns/call", 10).arg("lines/call", 11);
    for (const Case& c : cases) {
        out << QStringLiteral("%1 %2 %3\n")
                   .arg(c.name, -22)
                   .arg(median(c.nsPerCall), 10, 'f', 0)
                   .arg(static_cast<double>(c.lines) / (rounds * calls), 11, 'f', 2);
    }
    out << QStringLiteral("ratio written / filtered-out debug line: %1\n")
               .arg(median(cases[0].nsPerCall) / median(cases[1].nsPerCall), 0, 'f', 1);
    out << QStringLiteral("ratio benchmark enabled / disabled: %1\n")
               .arg(median(cases[2].nsPerCall) / median(cases[3].nsPerCall), 0, 'f', 1);
    out << "signals received by a listener: " << received << " of " << 2 * rounds * calls
        << " debug calls\n";
    out.flush();

    LogManager::Destroy();
    // Every debug call must reach the listener, filtered out or not.
    return received == 2 * rounds * calls ? 0 : 1;
}
