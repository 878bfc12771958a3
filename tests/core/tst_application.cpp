// The application object's event dispatch and its link to the interface.
#include "core/application.h"
#include "core/applicationinterface.h"

#include <QtTest>

using namespace korvane::core;

namespace {
class Refusing : public QObject {
public:
    int seen = 0;
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++seen;
        return false;
    }
};

class Watching : public ApplicationInterface {
public:
    int filtered = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::User)
            ++filtered;
        return ApplicationInterface::eventFilter(watched, event);
    }
};
} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void notifyDeliversAndAlwaysAnswersTrue();
    void interfaceWatchesTheApplication();
    void initializeAndClean();
};

void TestApplication::notifyDeliversAndAlwaysAnswersTrue()
{
    Refusing receiver;
    QEvent event(QEvent::User);
    QVERIFY(qApp->notify(&receiver, &event));
    QCOMPARE(receiver.seen, 1);
    QVERIFY(QCoreApplication::sendEvent(&receiver, &event));
    QCOMPARE(receiver.seen, 2);
}

void TestApplication::interfaceWatchesTheApplication()
{
    Watching appInterface;
    Refusing receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    // The filter sees the event and lets it pass on.
    QCOMPARE(appInterface.filtered, 1);
    QCOMPARE(receiver.seen, 1);
}

void TestApplication::initializeAndClean()
{
    auto* application = static_cast<Application*>(qApp);
    ApplicationInterface appInterface;
    QVERIFY(application->initialize(&appInterface));
    application->clean();
    QVERIFY(application->initialize(nullptr));
}

int main(int argc, char** argv)
{
    Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
