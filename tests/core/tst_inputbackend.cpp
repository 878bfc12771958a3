// Which input back end a session gets, and what the user is told when the
// kernel's uinput device cannot be opened.
#include "core/applicationinterface.h"
#include "core/platform/inputbackend.h"

#include <QtTest>

using namespace korvane::core;

Q_DECLARE_METATYPE(InputBackend::Kind)

class TestInputBackend : public QObject {
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void uinputMissing_data();
    void uinputMissing();
    void problemReachesTheScene();
};

void TestInputBackend::choose_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<bool>("known");
    QTest::addColumn<InputBackend::Kind>("kind");

    QTest::newRow("X11 session") << "auto"
                                 << ":0"
                                 << ""
                                 << "x11" << true << InputBackend::XTest;
    QTest::newRow("X11 without session type") << "auto"
                                              << ":0"
                                              << ""
                                              << "" << true << InputBackend::XTest;
    QTest::newRow("Wayland display") << "auto"
                                     << ":0"
                                     << "wayland-0"
                                     << "" << true << InputBackend::Uinput;
    QTest::newRow("Wayland session type") << "auto"
                                          << ":1"
                                          << ""
                                          << "Wayland" << true << InputBackend::Uinput;
    QTest::newRow("text console") << "auto"
                                  << ""
                                  << ""
                                  << "tty" << true << InputBackend::Uinput;
    QTest::newRow("xtest asked on Wayland") << "XTest"
                                            << ":0"
                                            << "wayland-0"
                                            << "wayland" << true << InputBackend::XTest;
    QTest::newRow("uinput asked on X11") << " uinput "
                                         << ":0"
                                         << ""
                                         << "x11" << true << InputBackend::Uinput;
    QTest::newRow("unknown name") << "libei"
                                  << ":0"
                                  << ""
                                  << "x11" << false << InputBackend::Auto;
    QTest::newRow("empty name") << ""
                                << ":0"
                                << ""
                                << "x11" << false << InputBackend::Auto;
}

void TestInputBackend::choose()
{
    QFETCH(QString, option);
    QFETCH(QString, display);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, sessionType);
    QFETCH(bool, known);
    QFETCH(InputBackend::Kind, kind);

    InputBackend::Kind parsed = InputBackend::Auto;
    QCOMPARE(InputBackend::parse(option, &parsed), known);
    if (!known)
        return;
    const InputBackend::Session session { display, waylandDisplay, sessionType };
    QCOMPARE(InputBackend::choose(parsed, session), kind);
}

void TestInputBackend::uinputMissing_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<InputBackend::Kind>("kind");
    QTest::addColumn<bool>("injects"); // whether the back end in use can send at all

    QTest::newRow("X11 falls back to XTest") << ":0"
                                             << "x11" << InputBackend::XTest << true;
    QTest::newRow("Wayland falls back to XTest on its X server")
        << qEnvironmentVariable("DISPLAY") << "wayland" << InputBackend::XTest << true;
    QTest::newRow("Wayland with an X display that does not answer")
        << ":97"
        << "wayland" << InputBackend::Uinput << false;
    QTest::newRow("console has nothing else") << ""
                                              << "tty" << InputBackend::Uinput << false;
}

void TestInputBackend::uinputMissing()
{
    QFETCH(QString, display);
    QFETCH(QString, sessionType);
    QFETCH(InputBackend::Kind, kind);
    QFETCH(bool, injects);

    const QByteArray missing = QDir::temp().filePath("no-uinput").toLocal8Bit();
    const InputBackend::Session session { display, "", sessionType };
    InputBackend::Selection selection
        = InputBackend::open(InputBackend::Uinput, session, missing.constData());
    QVERIFY(selection.injector);
    QCOMPARE(selection.kind, kind);
    QVERIFY2(selection.problem.contains("sudo modprobe uinput"), qPrintable(selection.problem));
    QCOMPARE(selection.problem.contains("X11"), injects);
    QVERIFY2(selection.log.contains(QString::fromLocal8Bit(missing)), qPrintable(selection.log));
    if (!injects) {
        // Refused, with the reason, rather than dropped.
        QVERIFY(!selection.injector->sendKey('A', 0, 0));
        QVERIFY(!selection.injector->sendMouse(0x0002, 0));
        QVERIFY(selection.injector->lastError().find("uinput") != std::string::npos);
    }
}

void TestInputBackend::problemReachesTheScene()
{
    // No display and no device: the problem is told once, and a later choice
    // that works clears it.
    const QString missing = QDir::temp().filePath("no-uinput");
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    const auto restore = qScopeGuard([&display]() { qputenv("DISPLAY", display); });
    ApplicationInterface interface;
    QSignalSpy changed(&interface, &ApplicationInterface::inputProblemChanged);
    QCOMPARE(interface.selectInputBackend("uinput", missing), true);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!interface.inputProblem().isEmpty());
    QCOMPARE(changed.first().first().toString(), interface.inputProblem());
    QCOMPARE(interface.selectInputBackend("no such back end", missing), false);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(interface.selectInputBackend("xtest"), true);
    QCOMPARE(changed.count(), 2);
    QVERIFY(interface.inputProblem().isEmpty());
}

QTEST_GUILESS_MAIN(TestInputBackend)
#include "tst_inputbackend.moc"
