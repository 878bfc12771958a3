// Exit code 999 starts a new pass in the same process: the first pass's edits
// are written back and read again, the new scale is in effect and the controls
// look as they did.
#include "programrunner.h"

#include <QSettings>
#include <QTest>

class TestRestart : public QObject {
    Q_OBJECT

private slots:
    void restartReadsBackWhatTheFirstPassWrote()
    {
        ProgramRunner probe(QStringLiteral(PROBE_PROGRAM));
        probe.start();
        QVERIFY(probe.waitForFinished(60000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(probe.logCount(QStringLiteral("probe: restarting")), 1);
        QCOMPARE(probe.logCount(QStringLiteral("Load configuration file ")), 1);
        QVERIFY2(probe.log().contains(QStringLiteral(
                     "probe: second pass, scale 1.5, left first pass, pixel ratio 1.5")),
            qPrintable(probe.log()));
        // The controls keep the Material look in the second pass: Roboto and
        // capitalised buttons (Font.AllUppercase = 1), and no refused style.
        QCOMPARE(probe.logCount(QStringLiteral("probe: button font Roboto, capitalization 1")), 2);
        // Only the pass after the restart is told so; the probe has no pages.
        QCOMPARE(probe.logCount(QStringLiteral("capitalization 1, restart page null")), 1);
        QCOMPARE(probe.logCount(QStringLiteral("capitalization 1, restart page \"\"")), 1);
        QCOMPARE(probe.logCount(QStringLiteral("QQuickStyle::setStyle() must be called")), 0);
        QCOMPARE(probe.logCount(QStringLiteral("Cannot install type")), 0);
        QSettings screen(homeFile(QStringLiteral("screen.ini")), QSettings::IniFormat);
        QCOMPARE(screen.value(QStringLiteral("scale")).toDouble(), 1.5);
    }
};

QTEST_GUILESS_MAIN(TestRestart)

#include "tst_restart.moc"
