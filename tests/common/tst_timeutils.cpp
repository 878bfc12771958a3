#include "common/elapsedtimer.h"
#include "common/timeutils.h"

#include <QMetaProperty>
#include <QTest>

using korvane::common::ElapsedTimer;
using korvane::common::TimeUtils;

namespace {
constexpr quint64 cstSecond = 1000;
constexpr quint64 cstMinute = 60 * cstSecond;
constexpr quint64 cstHour = 60 * cstMinute;
constexpr quint64 cstDay = 24 * cstHour;
} // namespace

class TestTimeUtils : public QObject {
    Q_OBJECT

private slots:
    void conversions()
    {
        QCOMPARE(TimeUtils::daysInMs(2 * 86400000 - 1), 1);
        QCOMPARE(TimeUtils::daysToMs(24), 24 * 86400000);
        QCOMPARE(TimeUtils::hoursInMs(3600000 * 3 + 5), 3);
        QCOMPARE(TimeUtils::hoursToMs(2), 7200000);
        QCOMPARE(TimeUtils::minutesInMs(119999), 1);
        QCOMPARE(TimeUtils::minutesToMs(3), 180000);
        QCOMPARE(TimeUtils::secondsInMs(-1500), -1);
        QCOMPARE(TimeUtils::secondsToMs(-2), -2000);
        // 25 days no longer fit in 32 bits: the result wraps, it does not trap.
        QCOMPARE(TimeUtils::daysToMs(25), static_cast<int>(25LL * 86400000 - 4294967296LL));
    }

    void toString_data()
    {
        QTest::addColumn<quint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "0 ms";
        QTest::newRow("one hour") << cstHour << "01 hour";
        QTest::newRow("two hours") << 2 * cstHour << "02 hours";
        QTest::newRow("59 s") << 59 * cstSecond << "59 sec";
        QTest::newRow("61 s") << 61 * cstSecond << "01 min 01 sec";
        QTest::newRow("one of each")
            << cstDay + cstHour + cstMinute + cstSecond + 1 << "1 day 01 hour 01 min 01 sec 1 ms";
        QTest::newRow("365 days") << 365 * cstDay << "1 year";
        QTest::newRow("two years, two days") << 2 * 365 * cstDay + 2 * cstDay << "2 years 2 days";
        QTest::newRow("ms only") << quint64(999) << "999 ms";
        QTest::newRow("beyond 32 bits") << 30 * cstDay + 5 << "30 days 5 ms";
    }
    void toString()
    {
        QFETCH(quint64, ms);
        QFETCH(QString, text);
        QCOMPARE(TimeUtils::toString(ms), text);
    }

    void toDateTimeString_data()
    {
        QTest::addColumn<quint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("one of each, 5 ms")
            << cstDay + cstHour + cstMinute + cstSecond + 5 << "1 day 01:01:01.005";
        QTest::newRow("5 s") << 5 * cstSecond << "00:00:05";
        QTest::newRow("zero") << quint64(0) << "00:00:00";
        QTest::newRow("days") << 3 * cstDay + 23 * cstHour + 120 << "3 days 23:00:00.120";
    }
    void toDateTimeString()
    {
        QFETCH(quint64, ms);
        QFETCH(QString, text);
        QCOMPARE(TimeUtils::toDateTimeString(ms), text);
    }

    void toTimeString_data()
    {
        QTest::addColumn<quint64>("ms");
        QTest::addColumn<bool>("withHours");
        QTest::addColumn<QString>("text");
        QTest::newRow("65 s") << 65 * cstSecond << false << "01:05";
        QTest::newRow("65 s with hours") << 65 * cstSecond << true << "00:01:05";
        QTest::newRow("25 h") << 25 * cstHour << false << "25:00:00";
        QTest::newRow("1.5 s") << quint64(1500) << false << "00:01.500";
        QTest::newRow("1.5 s with hours") << quint64(1500) << true << "00:00:01.500";
        QTest::newRow("hours and ms") << cstHour + 7 << false << "01:00:00.007";
        QTest::newRow("zero") << quint64(0) << false << "00:00";
    }
    void toTimeString()
    {
        QFETCH(quint64, ms);
        QFETCH(bool, withHours);
        QFETCH(QString, text);
        QCOMPARE(TimeUtils::toTimeString(ms, withHours), text);
    }

    void timerInterface()
    {
        ElapsedTimer timer;
        const QMetaObject* meta = timer.metaObject();
        const QMetaProperty elapsed = meta->property(meta->indexOfProperty("elapsed"));
        const QMetaProperty running = meta->property(meta->indexOfProperty("running"));
        QVERIFY(elapsed.isValid() && running.isValid());
        QCOMPARE(elapsed.type(), QVariant::Int);
        QCOMPARE(running.type(), QVariant::Bool);
        QVERIFY(!elapsed.isWritable() && !running.isWritable());
        QCOMPARE(timer.property("elapsed").toInt(), 0); // never started
        QCOMPARE(timer.property("running").toBool(), false);
        QVERIFY(QMetaObject::invokeMethod(&timer, "start"));
        QCOMPARE(timer.property("running").toBool(), true);
    }

    void stopDoesNotFreeze()
    {
        ElapsedTimer timer;
        timer.start();
        QVERIFY(timer.running());
        QTRY_VERIFY(timer.elapsed() >= 20);
        timer.stop();
        QVERIFY(!timer.running());
        const int atStop = timer.elapsed();
        QTRY_VERIFY(timer.elapsed() > atStop);
    }

    void restartKeepsRunningFlag()
    {
        ElapsedTimer timer;
        timer.restart();
        QVERIFY(!timer.running()); // restart on a stopped timer
        QTRY_VERIFY(timer.elapsed() >= 300);
        const int before = timer.elapsed();
        timer.restart();
        QVERIFY(!timer.running());
        QVERIFY(timer.elapsed() < before);
        timer.start();
        timer.restart();
        QVERIFY(timer.running());
    }
};

QTEST_GUILESS_MAIN(TestTimeUtils)
#include "tst_timeutils.moc"
