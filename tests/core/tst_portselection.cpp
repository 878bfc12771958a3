#include "core/switch/portselection.h"

#include <QtTest>

using korvane::core::PortSelection;
using System = PortSelection::System;

Q_DECLARE_METATYPE(PortSelection::System)

class TestPortSelection : public QObject {
    Q_OBJECT

private slots:
    void portToSelect_data();
    void portToSelect();
    void realFileSystem();
};

void TestPortSelection::portToSelect_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<System>("system");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("result");

    const QStringList two { "ttyS0", "ttyUSB0" };
    const QStringList none;
    QTest::newRow("default name not listed") << "COM5" << two << System::Unix << none << "ttyS0";
    QTest::newRow("listed") << "ttyUSB0" << two << System::Unix << none << "";
    QTest::newRow("no port listed") << "COM5" << QStringList() << System::Unix << none << "";
    QTest::newRow("empty name") << "" << QStringList { "ttyACM0" } << System::Unix << none
                                << "ttyACM0";
    QTest::newRow("unplugged tty name") << "ttyUSB1" << two << System::Unix << none << "";
    QTest::newRow("pseudo-terminal by short name") << "pts/4" << two << System::Unix << none << "";
    QTest::newRow("call-out device") << "cu.usbserial" << two << System::Unix << none << "";
    QTest::newRow("by-id link, unplugged")
        << "/dev/serial/by-id/usb-switch-if00" << two << System::Unix << none << "";
    QTest::newRow("link in the home folder, missing")
        << "/home/ada/switch" << two << System::Unix << none << "";
    QTest::newRow("relative path") << "./switch" << two << System::Unix << none << "";
    QTest::newRow("parent-relative path") << "../switch" << two << System::Unix << none << "";
    QTest::newRow("existing node under /dev")
        << "rfcomm0" << two << System::Unix << QStringList { "/dev/rfcomm0" } << "";
    QTest::newRow("unknown name, no such node")
        << "rfcomm0" << two << System::Unix << none << "ttyS0";
    QTest::newRow("text with tty inside") << "myttyUSB0" << two << System::Unix << none << "ttyS0";
    QTest::newRow("windows: listed")
        << "COM3" << QStringList { "COM1", "COM3" } << System::Windows << none << "";
    QTest::newRow("windows: not listed")
        << "COM5" << QStringList { "COM1", "COM3" } << System::Windows << none << "COM1";
    QTest::newRow("windows: unix path is foreign")
        << "/dev/ttyUSB0" << QStringList { "COM1" } << System::Windows << none << "COM1";
}

void TestPortSelection::portToSelect()
{
    QFETCH(QString, configured);
    QFETCH(QStringList, listed);
    QFETCH(System, system);
    QFETCH(QStringList, existing);
    QFETCH(QString, result);

    QStringList asked;
    const auto exists = [&](const QString& path) {
        asked << path;
        return existing.contains(path);
    };
    QCOMPARE(PortSelection::portToSelect(configured, listed, system, exists), result);
    for (const QString& path : asked)
        QVERIFY2(path.startsWith("/dev/"), qPrintable(path));
}

void TestPortSelection::realFileSystem()
{
    if (PortSelection::currentSystem() == System::Windows)
        QSKIP("device nodes are a Unix matter");
    const QStringList listed { "ttyS0" };
    QCOMPARE(PortSelection::portToSelect("null", listed), QString());
    QCOMPARE(PortSelection::portToSelect("korvane-no-such-port", listed), QString("ttyS0"));
    QCOMPARE(PortSelection::portToSelect("COM5", listed), QString("ttyS0"));
}

QTEST_GUILESS_MAIN(TestPortSelection)

#include "tst_portselection.moc"
