// Debug and info lines of the GUI thread wait until its event loop sleeps;
// everything else goes out at once after what waits, in order, with the
// context it was written with.
#include "main/messageoutput.h"

#include <QAbstractEventDispatcher>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <memory>

using korvane::shell::MessageOutput;

namespace {

QStringList g_written;
bool g_contextKept = true;

void capture(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    g_contextKept = g_contextKept && qstrcmp(context.file, "scene.qml") == 0 && context.line == 7
        && qstrcmp(context.function, "onPressed") == 0 && qstrcmp(context.category, "qml") == 0;
    g_written.append(text);
}

// "d:x" a debug line, "i:" info, "w:" warning, "c:" critical; "t:" a debug
// line written by another thread.
void write(const QString& message)
{
    const QString text = message.mid(2);
    const QMessageLogger logger("scene.qml", 7, "onPressed", "qml");
    switch (message.at(0).toLatin1()) {
    case 'd':
        logger.debug("%s", qPrintable(text));
        break;
    case 'i':
        logger.info("%s", qPrintable(text));
        break;
    case 'w':
        logger.warning("%s", qPrintable(text));
        break;
    case 'c':
        logger.critical("%s", qPrintable(text));
        break;
    case 't': {
        std::unique_ptr<QThread> thread(
            QThread::create([&] { logger.debug("%s", qPrintable(text)); }));
        thread->start();
        thread->wait();
        break;
    }
    }
}

QStringList texts(const QStringList& messages)
{
    QStringList result;
    for (const QString& message : messages)
        result << message.mid(2);
    return result;
}

} // namespace

class TestMessageOutput : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        g_written.clear();
        g_contextKept = true;
        m_previous = qInstallMessageHandler(capture);
        m_output = std::make_unique<MessageOutput>();
    }

    void cleanup()
    {
        m_output.reset();
        qInstallMessageHandler(m_previous);
    }

    void order_data()
    {
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("writtenAtOnce");
        QTest::addColumn<bool>("untilEnd"); // the output ends instead of the loop sleeping

        QTest::newRow("debug waits") << QStringList { "d:0  ->  true" } << 0 << false;
        QTest::newRow("info waits") << QStringList { "i:started" } << 0 << false;
        QTest::newRow("lines of one event, in order")
            << QStringList { "d:0  ->  true", "d:0  ->  false" } << 0 << false;
        QTest::newRow("a warning writes what waits first")
            << QStringList { "d:first", "w:second" } << 2 << false;
        QTest::newRow("after a critical line, waiting again")
            << QStringList { "d:first", "c:second", "d:third" } << 2 << false;
        QTest::newRow("another thread writes at once, after what waits")
            << QStringList { "d:first", "t:second" } << 2 << false;
        QTest::newRow("the end writes what waits")
            << QStringList { "d:first", "i:second" } << 0 << true;
        QStringList backlog;
        for (int i = 0; i <= MessageOutput::cst_max_waiting; ++i)
            backlog << QStringLiteral("d:line %1").arg(i);
        QTest::newRow("a long backlog goes out")
            << backlog << MessageOutput::cst_max_waiting + 1 << false;
    }

    void order()
    {
        QFETCH(QStringList, messages);
        QFETCH(int, writtenAtOnce);
        QFETCH(bool, untilEnd);

        for (const QString& message : qAsConst(messages))
            write(message);
        QCOMPARE(g_written, texts(messages).mid(0, writtenAtOnce));

        if (untilEnd) {
            m_output.reset();
        } else {
            QSignalSpy sleeping(
                QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock);
            QVERIFY(sleeping.wait());
        }
        QCOMPARE(g_written, texts(messages));
        QVERIFY(g_contextKept);
    }

private:
    QtMessageHandler m_previous = nullptr;
    std::unique_ptr<MessageOutput> m_output;
};

QTEST_GUILESS_MAIN(TestMessageOutput)
#include "tst_messageoutput.moc"
