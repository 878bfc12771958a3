#include "programrunner.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>

ProgramRunner::ProgramRunner(QString program)
    : m_program(std::move(program))
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&m_process, &QProcess::readyRead, [this] { readOutput(); });
}

ProgramRunner::~ProgramRunner()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void ProgramRunner::start(const QStringList& arguments)
{
    m_log.clear();
    m_process.start(m_program, arguments);
    m_process.waitForStarted();
}

void ProgramRunner::unset(const QStringList& names)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : names)
        environment.remove(name);
    m_process.setProcessEnvironment(environment);
}

void ProgramRunner::readOutput()
{
    m_log += QString::fromLocal8Bit(m_process.readAll());
}

bool ProgramRunner::waitForLog(const QString& text, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!m_log.contains(text)) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning) {
            readOutput();
            return m_log.contains(text);
        }
        m_process.waitForReadyRead(50);
        readOutput();
    }
    return true;
}

bool ProgramRunner::terminate(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return true;
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    return waitForFinished(timeoutMs);
}

bool ProgramRunner::waitForFinished(int timeoutMs)
{
    const bool finished = m_process.waitForFinished(timeoutMs);
    readOutput();
    return finished;
}

QString homeFile(const QString& name)
{
    return QDir::homePath() + QStringLiteral("/.korvane/") + name;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString xdotool(const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString visibleWindow(const QString& title)
{
    return xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                       QStringLiteral("--name"), title })
        .section(QLatin1Char('\n'), 0, 0);
}

QString waitForVisibleWindow(const QString& title)
{
    QString id;
    QTest::qWaitFor([&] { return !(id = visibleWindow(title)).isEmpty(); }, 20000);
    return id;
}
