#include "main/messageoutput.h"

#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <QCoreApplication>
#include <QRecursiveMutex>
#include <QString>
#include <QThread>
#include <QVector>

namespace korvane::shell {

namespace {

// A message with its own copy of the context: the caller's strings (a QML
// file name, say) are gone by the time it is written.
struct Waiting {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

const char* orNull(const QByteArray& bytes)
{
    return bytes.isNull() ? nullptr : bytes.constData();
}

QtMessageHandler g_previous = nullptr;
// Only with an event loop to say when it sleeps.
bool g_deferring = false;
QRecursiveMutex g_mutex;
QVector<Waiting> g_waiting;

void writeWaiting()
{
    QVector<Waiting> waiting;
    waiting.swap(g_waiting);
    for (const Waiting& message : qAsConst(waiting)) {
        const QMessageLogContext context(
            orNull(message.file), message.line, orNull(message.function), orNull(message.category));
        g_previous(message.type, context, message.text);
    }
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    QMutexLocker lock(&g_mutex);
    const QCoreApplication* application = QCoreApplication::instance();
    const bool mayWait = g_deferring && (type == QtDebugMsg || type == QtInfoMsg) && application
        && QThread::currentThread() == application->thread()
        && g_waiting.size() < MessageOutput::cst_max_waiting;
    if (mayWait) {
        g_waiting.append({ type, QByteArray(context.file), context.line,
            QByteArray(context.function), QByteArray(context.category), text });
        return;
    }
    writeWaiting();
    g_previous(type, context, text);
}

} // namespace

MessageOutput::MessageOutput()
{
    Q_ASSERT(!g_previous);
    g_previous = qInstallMessageHandler(handle);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        m_sleeping = QObject::connect(
            dispatcher, &QAbstractEventDispatcher::aboutToBlock, &MessageOutput::flush);
    g_deferring = static_cast<bool>(m_sleeping);
}

MessageOutput::~MessageOutput()
{
    QObject::disconnect(m_sleeping);
    QMutexLocker lock(&g_mutex);
    g_deferring = false;
    writeWaiting();
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
}

void MessageOutput::flush()
{
    QMutexLocker lock(&g_mutex);
    if (g_previous)
        writeWaiting();
}

} // namespace korvane::shell
