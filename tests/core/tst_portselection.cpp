#include "core/switch/portselection.h"

#include <QtTest>

using korvane::core::PortSelection;
using System = PortSelection::System;

namespace {
// "ttyS4*": the system reports a USB vendor for the port.
QList<PortSelection::Port> ports(const QStringList& names)
{
    QList<PortSelection::Port> listed;
    for (const QString& name : names)
        listed.append({ QString(name).remove(QLatin1Char('*')), name.endsWith(QLatin1Char('*')) });
    return listed;
}

// "<keep>" for no change, "" for a port left unset.
QString shown(const std::optional<QString>& choice)
{
    return choice ? *choice : QStringLiteral("<keep>");
}
} // namespace

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
    const QStringList uart { "ttyS0" };
    const QStringList none;
    const QString keep = QStringLiteral("<keep>");
    QTest::newRow("default name not listed: the USB device")
        << "COM5" << two << System::Unix << none << "ttyUSB0";
    QTest::newRow("only a built-in UART: left unset")
        << "COM5" << uart << System::Unix << none << "";
    QTest::newRow("USB adapter named otherwise")
        << "COM5" << QStringList { "ttyS0", "ttyS4*" } << System::Unix << none << "ttyS4";
    QTest::newRow("listed") << "ttyUSB0" << two << System::Unix << none << keep;
    QTest::newRow("a listed UART the user chose") << "ttyS0" << two << System::Unix << none << keep;
    QTest::newRow("no port listed") << "COM5" << QStringList() << System::Unix << none << "";
    QTest::newRow("empty name") << "" << QStringList { "ttyACM0" } << System::Unix << none
                                << "ttyACM0";
    QTest::newRow("empty name, only a UART") << "" << uart << System::Unix << none << keep;
    QTest::newRow("unplugged tty name") << "ttyUSB1" << two << System::Unix << none << keep;
    QTest::newRow("pseudo-terminal by short name")
        << "pts/4" << two << System::Unix << none << keep;
    QTest::newRow("call-out device") << "cu.usbserial" << two << System::Unix << none << keep;
    QTest::newRow("by-id link, unplugged")
        << "/dev/serial/by-id/usb-switch-if00" << two << System::Unix << none << keep;
    QTest::newRow("link in the home folder, missing")
        << "/home/ada/switch" << two << System::Unix << none << keep;
    QTest::newRow("relative path") << "./switch" << two << System::Unix << none << keep;
    QTest::newRow("parent-relative path") << "../switch" << two << System::Unix << none << keep;
    QTest::newRow("existing node under /dev")
        << "rfcomm0" << two << System::Unix << QStringList { "/dev/rfcomm0" } << keep;
    QTest::newRow("unknown name, no such node")
        << "rfcomm0" << two << System::Unix << none << "ttyUSB0";
    QTest::newRow("text with tty inside")
        << "myttyUSB0" << two << System::Unix << none << "ttyUSB0";
    QTest::newRow("windows: listed")
        << "COM3" << QStringList { "COM1", "COM3" } << System::Windows << none << keep;
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
    QCOMPARE(shown(PortSelection::portToSelect(configured, ports(listed), system, exists)), result);
    for (const QString& path : asked)
        QVERIFY2(path.startsWith("/dev/"), qPrintable(path));
}

void TestPortSelection::realFileSystem()
{
    if (PortSelection::currentSystem() == System::Windows)
        QSKIP("device nodes are a Unix matter");
    const auto listed = ports({ "ttyS0" });
    QCOMPARE(shown(PortSelection::portToSelect("null", listed)), QString("<keep>"));
    QCOMPARE(shown(PortSelection::portToSelect("korvane-no-such-port", listed)), QString());
    QCOMPARE(shown(PortSelection::portToSelect("COM5", listed)), QString());
}

QTEST_GUILESS_MAIN(TestPortSelection)

#include "tst_portselection.moc"
