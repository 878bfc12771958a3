#include "core/switch/mousecom.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using korvane::core::MouseCom;

// The virtual switch device of tools/ driven through its keys, with MouseCom
// listening on the link it creates: what a developer does by hand.
class TestSwitchSim : public QObject {
    Q_OBJECT

private slots:
    void keysReachTheLink_data();
    void keysReachTheLink();
};

void TestSwitchSim::keysReachTheLink_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("LF") << QStringList {};
    QTest::newRow("CR LF") << QStringList { "--crlf" };
    QTest::newRow("CR") << QStringList { "--eol", "cr" };
    QTest::newRow("no line end") << QStringList { "--eol", "none" };
}

void TestSwitchSim::keysReachTheLink()
{
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("switch"));

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(KORVANE_SWITCH_SIM),
        QStringList { "--link", link, "--left", "Sw-Left", "--right", "Sw-Right" } + options);
    QVERIFY(sim.waitForStarted());
    QByteArray output;
    QTRY_VERIFY((output += sim.readAllStandardOutput()).contains("Switch device on"));

    MouseCom com;
    com.set_channelKey1(QStringLiteral("sw-left"));
    com.set_channelKey2(QStringLiteral("SW-RIGHT"));
    int left = 0;
    int right = 0;
    connect(&com, &MouseCom::pressed, this, [&](int n) { ++(n == 0 ? left : right); });
    QVERIFY(com.start(link));

    // Without line ends only the silence between presses separates them.
    sim.write("l");
    QTRY_COMPARE(left, 1);
    sim.write("r");
    QTRY_COMPARE(right, 1);
    sim.write("l");
    QTRY_COMPARE(left, 2);

    // Unplug and plug again: the link notices and comes back by itself.
    sim.write("u");
    QTRY_VERIFY(!com.started());
    QVERIFY(com.reconnecting());
    sim.write("u");
    QTRY_VERIFY_WITH_TIMEOUT(com.started(), 5000);
    sim.write("r");
    QTRY_COMPARE(right, 2);
    QCOMPARE(left, 2);

    sim.write("q");
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 0);
    QTRY_VERIFY(!com.started());
    com.stop();
}

QTEST_GUILESS_MAIN(TestSwitchSim)
#include "tst_switchsim.moc"
