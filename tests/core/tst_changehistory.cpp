// What the Undo notice says after each kind of change, and that Undo puts
// back exactly what was there, without becoming a change of its own.
#include "core/changehistory.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using korvane::core::ChangeHistory;
using korvane::datamodel::ClickTypeClass;
using korvane::datamodel::ConfigurationSwitch;
using korvane::datamodel::ModeClass;
using Change = std::function<void(ConfigurationSwitch&)>;
Q_DECLARE_METATYPE(Change)

class TestChangeHistory : public QObject {
    Q_OBJECT

private slots:
    void recordsAndUndoes_data()
    {
        QTest::addColumn<Change>("change");
        // Empty: nothing to undo.
        QTest::addColumn<QString>("text");
        QTest::newRow("a captured key, with its mode") << Change([](ConfigurationSwitch& s) {
            s.leftChannel().set_key(Qt::Key_A);
            s.leftChannel().set_modifiers(Qt::ShiftModifier);
            s.leftChannel().set_nativeScanCode(38);
            s.leftChannel().set_mode(ModeClass::KEYBOARD);
        }) << "Left Channel: key Shift+A";
        QTest::newRow("a click tile, with the mode it forces") << Change(
            [](ConfigurationSwitch& s) {
                s.leftChannel().set_clickType(ClickTypeClass::RIGHT);
                s.leftChannel().set_mode(ModeClass::MOUSE);
            }) << "Left Channel: right click";
        QTest::newRow("a channel switched on")
            << Change([](ConfigurationSwitch& s) { s.rightChannel().set_enabled(true); })
            << "Right Channel switched on";
        QTest::newRow("a hold time")
            << Change([](ConfigurationSwitch& s) { s.leftChannel().set_holdMs(300); })
            << "Left Channel: hold time 300 ms";
        QTest::newRow("a long press time")
            << Change([](ConfigurationSwitch& s) { s.leftChannel().set_longPressMs(900); })
            << "Left Channel: second action changed";
        QTest::newRow("a learned line")
            << Change([](ConfigurationSwitch& s) { s.set_inputLeftChannel(QStringLiteral("L")); })
            << "Left button sends “L”";
        QTest::newRow("a release line taken away")
            << Change([](ConfigurationSwitch& s) { s.set_releaseRightChannel(QString()); })
            << "Right button release sends nothing";
        QTest::newRow("the port: not undone here")
            << Change([](ConfigurationSwitch& s) { s.set_serialName(QStringLiteral("ttyUSB1")); })
            << "";
        QTest::newRow("the same value again")
            << Change([](ConfigurationSwitch& s) { s.leftChannel().set_holdMs(0); }) << "";
        QTest::newRow("there and back in one turn") << Change([](ConfigurationSwitch& s) {
            s.leftChannel().set_latch(true);
            s.leftChannel().set_latch(false);
        }) << "";
    }

    void recordsAndUndoes()
    {
        QFETCH(Change, change);
        QFETCH(QString, text);
        ConfigurationSwitch section;
        section.set_releaseRightChannel(QStringLiteral("r"));
        section.leftChannel().set_key(Qt::Key_Space);
        section.leftChannel().set_mode(ModeClass::KEYBOARD);
        ChangeHistory history;
        history.set_configuration(&section);
        QSignalSpy recorded(&history, &ChangeHistory::recorded);
        const ConfigurationSwitch before = section;

        change(section);
        QCoreApplication::processEvents();
        QCOMPARE(history.text(), text);
        QCOMPARE(history.shown(), !text.isEmpty());
        QCOMPARE(history.canUndo(), !text.isEmpty());
        QCOMPARE(recorded.count(), text.isEmpty() ? 0 : 1);
        if (text.isEmpty())
            return;

        QVERIFY(history.undo());
        QCOMPARE(section, before);
        QCoreApplication::processEvents();
        QVERIFY(!history.shown());
        QVERIFY(!history.canUndo());
        QCOMPARE(recorded.count(), 1);
        QVERIFY(!history.undo());
    }

    // A document read or assigned silently is the new starting point: Undo
    // never brings back what was there before it.
    void silentAssignmentIsTheStartingPoint()
    {
        ConfigurationSwitch section;
        ChangeHistory history;
        history.set_configuration(&section);
        section.leftChannel().set_holdMs(100);
        QCoreApplication::processEvents();
        auto replaced = section.leftChannel();
        replaced.set_holdMs(700);
        section.set_leftChannel(replaced);
        QVERIFY(!history.canUndo());
        section.leftChannel().set_holdMs(900);
        QCoreApplication::processEvents();
        QVERIFY(history.undo());
        QCOMPARE(section.leftChannel().holdMs(), 700);
    }
};

QTEST_GUILESS_MAIN(TestChangeHistory)

#include "tst_changehistory.moc"
