// The uinput back end: the exact kernel events each record becomes, written
// to a pipe in place of the device.
#include "core/platform/inputrecord.h"
#include "core/platform/uinput/inputinjector_uinput.h"

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <QtTest>

using namespace korvane::core;

Q_DECLARE_METATYPE(std::vector<InputRecord>)

namespace {
QString key(int code, int value)
{
    return QStringLiteral("key %1 %2").arg(code).arg(value);
}
QString rel(int axis, int value)
{
    return QStringLiteral("rel %1 %2").arg(axis).arg(value);
}
const QString syn = QStringLiteral("syn");

// A key record's down and up.
std::vector<InputRecord> tap(int virtualKey)
{
    return { InputRecord::key(virtualKey, 0, 1), InputRecord::key(virtualKey, 0, 3) };
}
} // namespace

class TestInputInjectorUinput : public QObject {
    Q_OBJECT

private slots:
    void events_data();
    void events();
    void twoHoldersOnOnePosition_data();
    void twoHoldersOnOnePosition();
    void missingDeviceIsReported_data();
    void missingDeviceIsReported();

private:
    std::shared_ptr<KeyMapSet> keys(const QString& layouts);
    QStringList readEvents(int fd);
    static void follow(QSet<int>& down, const QStringList& events);
};

// "fr(oss)", or a session's list "ru,us" with the first one active.
std::shared_ptr<KeyMapSet> TestInputInjectorUinput::keys(const QString& layouts)
{
    KeyboardLayout names;
    names.layout = layouts.section(QLatin1Char('('), 0, 0).toStdString();
    names.variant = layouts.section(QLatin1Char('('), 1).remove(QLatin1Char(')')).toStdString();
    return std::make_shared<KeyMapSet>(SessionLayouts::fromNames(names, "the test"));
}

QStringList TestInputInjectorUinput::readEvents(int fd)
{
    QStringList events;
    input_event event;
    while (read(fd, &event, sizeof event) == sizeof event) {
        if (event.type == EV_SYN && event.code == SYN_REPORT && event.value == 0)
            events << syn;
        else if (event.type == EV_KEY)
            events << key(event.code, event.value);
        else if (event.type == EV_REL)
            events << rel(event.code, event.value);
        else
            events << QStringLiteral("other %1 %2 %3")
                          .arg(event.type)
                          .arg(event.code)
                          .arg(event.value);
    }
    return events;
}

void TestInputInjectorUinput::events_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<std::vector<InputRecord>>("records");
    // What the device receives, including what its destruction lets go of.
    QTest::addColumn<QStringList>("expected");
    // Part of lastError() after the last failing record; empty: all succeed.
    QTest::addColumn<QString>("error");

    auto k = InputRecord::key;
    auto m = InputRecord::mouse;
    using Records = std::vector<InputRecord>;
    QTest::newRow("left click") << "us" << Records { m(0x0002, 0), m(0x0004, 0) }
                                << QStringList { key(BTN_LEFT, 1), syn, key(BTN_LEFT, 0), syn }
                                << "";
    QTest::newRow("right click") << "us" << Records { m(0x0008, 0), m(0x0010, 0) }
                                 << QStringList { key(BTN_RIGHT, 1), syn, key(BTN_RIGHT, 0), syn }
                                 << "";
    QTest::newRow("middle click") << "us" << Records { m(0x0020, 0), m(0x0040, 0) }
                                  << QStringList { key(BTN_MIDDLE, 1), syn, key(BTN_MIDDLE, 0),
                                         syn }
                                  << "";
    QTest::newRow("double click") << "us"
                                  << Records { m(0x0002, 0), m(0x0004, 0), m(0x0002, 0),
                                         m(0x0004, 0) }
                                  << QStringList { key(BTN_LEFT, 1), syn, key(BTN_LEFT, 0), syn,
                                         key(BTN_LEFT, 1), syn, key(BTN_LEFT, 0), syn }
                                  << "";
    QTest::newRow("down and up in one record")
        << "us" << Records { m(0x0006, 0) }
        << QStringList { key(BTN_LEFT, 1), key(BTN_LEFT, 0), syn } << "";
    QTest::newRow("wheel up") << "us" << Records { m(0x0800, 120) }
                              << QStringList { rel(REL_WHEEL_HI_RES, 120), rel(REL_WHEEL, 1), syn }
                              << "";
    QTest::newRow("wheel down") << "us" << Records { m(0x0800, -120) }
                                << QStringList { rel(REL_WHEEL_HI_RES, -120), rel(REL_WHEEL, -1),
                                       syn }
                                << "";
    QTest::newRow("wheel two notches")
        << "us" << Records { m(0x0800, 240) }
        << QStringList { rel(REL_WHEEL_HI_RES, 240), rel(REL_WHEEL, 2), syn } << "";
    QTest::newRow("wheel part of a notch")
        << "us" << Records { m(0x0800, -30) }
        << QStringList { rel(REL_WHEEL_HI_RES, -120), rel(REL_WHEEL, -1), syn } << "";
    QTest::newRow("horizontal wheel")
        << "us" << Records { m(0x1000, 120) }
        << QStringList { rel(REL_HWHEEL_HI_RES, 120), rel(REL_HWHEEL, 1), syn } << "";
    QTest::newRow("wheel of nothing") << "us" << Records { m(0x0800, 0) } << QStringList {} << "";
    QTest::newRow("unknown mouse flag") << "us" << Records { m(0x8000, 0) } << QStringList {}
                                        << "mouse flags 0x8000 are not supported";
    QTest::newRow("letter") << "us" << tap('A')
                            << QStringList { key(KEY_A, 1), syn, key(KEY_A, 0), syn } << "";
    // The modifier goes down first and also up first, as the channel sends it.
    QTest::newRow("shift letter") << "us"
                                  << Records { k(0xA0, 0x45, 1), k('A', 0x45, 1), k(0xA0, 0x45, 3),
                                         k('A', 0x45, 3) }
                                  << QStringList { key(KEY_LEFTSHIFT, 1), syn, key(KEY_A, 1), syn,
                                         key(KEY_LEFTSHIFT, 0), syn, key(KEY_A, 0), syn }
                                  << "";
    QTest::newRow("control letter")
        << "us" << Records { k(0xA2, 0x45, 1), k('C', 0x45, 1), k(0xA2, 0x45, 3), k('C', 0x45, 3) }
        << QStringList { key(KEY_LEFTCTRL, 1), syn, key(KEY_C, 1), syn, key(KEY_LEFTCTRL, 0), syn,
               key(KEY_C, 0), syn }
        << "";
    QTest::newRow("alt F4") << "us"
                            << Records { k(0xA4, 0x45, 1), k(0x73, 0x45, 1), k(0xA4, 0x45, 3),
                                   k(0x73, 0x45, 3) }
                            << QStringList { key(KEY_LEFTALT, 1), syn, key(KEY_F4, 1), syn,
                                   key(KEY_LEFTALT, 0), syn, key(KEY_F4, 0), syn }
                            << "";
    QTest::newRow("fr: A is where Q is on US")
        << "fr" << tap('A') << QStringList { key(KEY_Q, 1), syn, key(KEY_Q, 0), syn } << "";
    // The digits of the French layout need Shift; it stays down with the key.
    QTest::newRow("fr: digit with Shift")
        << "fr" << tap('1')
        << QStringList { key(KEY_LEFTSHIFT, 1), syn, key(KEY_1, 1), syn, key(KEY_1, 0), syn,
               key(KEY_LEFTSHIFT, 0), syn }
        << "";
    // The digit still needs Shift: it comes up with the digit, not before.
    QTest::newRow("fr: Shift already held")
        << "fr" << Records { k(0xA0, 0x45, 1), k('1', 0x45, 1), k(0xA0, 0x45, 3), k('1', 0x45, 3) }
        << QStringList { key(KEY_LEFTSHIFT, 1), syn, key(KEY_1, 1), syn, key(KEY_1, 0), syn,
               key(KEY_LEFTSHIFT, 0), syn }
        << "";
    QTest::newRow("de: bracket with AltGr")
        << "de" << tap(0xDB)
        << QStringList { key(KEY_RIGHTALT, 1), syn, key(KEY_8, 1), syn, key(KEY_8, 0), syn,
               key(KEY_RIGHTALT, 0), syn }
        << "";
    QTest::newRow("de: Y and Z swapped")
        << "de" << tap('Z') << QStringList { key(KEY_Y, 1), syn, key(KEY_Y, 0), syn } << "";
    // German has the grave accent only as a dead key: refused, never another key.
    QTest::newRow("de: refused key")
        << "de" << tap(0xC0) << QStringList {}
        << "virtual key 0xC0 (\"grave\") not sent: the keyboard layout \"de\" "
           "has no key for it";
    // Desktops match a non-Latin layout's shortcuts on the US positions.
    const QStringList controlC = { key(KEY_LEFTCTRL, 1), syn, key(KEY_C, 1), syn,
        key(KEY_LEFTCTRL, 0), syn, key(KEY_C, 0), syn };
    for (const char* layouts : { "ru", "ru,us", "gr", "gr,us", "il", "il,us", "ru,de" })
        QTest::addRow("%s: Ctrl+C on the C position", layouts)
            << layouts
            << Records { k(0xA2, 0x45, 1), k('C', 0x45, 1), k(0xA2, 0x45, 3), k('C', 0x45, 3) }
            << controlC << "";
    QTest::newRow("ru,de: Y where German has it")
        << "ru,de" << tap('Y') << QStringList { key(KEY_Z, 1), syn, key(KEY_Z, 0), syn } << "";
    QTest::newRow("keypad digit needs Num Lock")
        << "us" << tap(0x61) << QStringList {} << "has no key for it";
    QTest::newRow("no such virtual key")
        << "us" << tap(0x07) << QStringList {} << "virtual key 0x07 has no key";
    QTest::newRow("unknown layout")
        << "xx" << tap('A') << QStringList {} << "the keyboard layout \"xx\" is unknown to XKB";
    // Destroying the device lets go of what is still down, last pressed first.
    QTest::newRow("held until the end")
        << "fr" << Records { m(0x0002, 0), k('1', 0, 1) }
        << QStringList { key(BTN_LEFT, 1), syn, key(KEY_LEFTSHIFT, 1), syn, key(KEY_1, 1), syn,
               key(KEY_1, 0), syn, key(KEY_LEFTSHIFT, 0), syn, key(BTN_LEFT, 0), syn }
        << "";
}

void TestInputInjectorUinput::events()
{
    QFETCH(QString, layout);
    QFETCH(std::vector<InputRecord>, records);
    QFETCH(QStringList, expected);
    QFETCH(QString, error);

    int ends[2];
    QCOMPARE(pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
    {
        UinputInputInjector injector(ends[1], keys(layout));
        bool allSent = true;
        for (const InputRecord& record : records)
            allSent = record.sendTo(injector) && allSent;
        const QString lastError = QString::fromStdString(injector.lastError());
        QCOMPARE(allSent, error.isEmpty());
        QVERIFY2(lastError.contains(error), qPrintable(lastError));
        QCOMPARE(injector.systemName(), std::string());
    }
    const QStringList events = readEvents(ends[0]);
    close(ends[0]);
    QCOMPARE(events, expected);
}

void TestInputInjectorUinput::follow(QSet<int>& down, const QStringList& events)
{
    for (const QString& event : events) {
        const QStringList words = event.split(QLatin1Char(' '));
        if (words.first() != QLatin1String("key"))
            continue;
        if (words.at(2) == QLatin1String("1"))
            down.insert(words.at(1).toInt());
        else
            down.remove(words.at(1).toInt());
    }
}

// One channel holds a key (latch, hold time, release line) while the other
// presses a key on the same position that needs a modifier: the second one's
// release must leave the first key down and take its own modifier up.
void TestInputInjectorUinput::twoHoldersOnOnePosition_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("other");
    QTest::newRow("fr: minus, then 6") << "fr" << 0xBD << 0x36;
    QTest::newRow("de: 7, then slash") << "de" << 0x37 << 0xBF;
    QTest::newRow("ru: period, then comma") << "ru" << 0xBE << 0xBC;
    QTest::newRow("fr: 7, then grave with AltGr") << "fr" << 0x37 << 0xC0;
    QTest::newRow("us: minus, then 6 (other positions)") << "us" << 0xBD << 0x36;
}

void TestInputInjectorUinput::twoHoldersOnOnePosition()
{
    QFETCH(QString, layout);
    QFETCH(int, held);
    QFETCH(int, other);
    int ends[2];
    QCOMPARE(pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
    UinputInputInjector injector(ends[1], keys(layout));
    QSet<int> down;
    const auto send = [&](int virtualKey, bool press) {
        InputRecord::key(virtualKey, 0, press ? 1 : 3).sendTo(injector);
        follow(down, readEvents(ends[0]));
    };
    send(held, true);
    const QSet<int> heldAlone = down;
    QVERIFY(!heldAlone.isEmpty());
    send(other, true);
    send(other, false);
    QCOMPARE(down, heldAlone);
    send(held, false);
    QVERIFY2(
        down.isEmpty(), qPrintable(QStringLiteral("still down: %1").arg(down.values().size())));

    send(held, true);
    send(other, true);
    QVERIFY(injector.releaseAll());
    follow(down, readEvents(ends[0]));
    QVERIFY(down.isEmpty());
    close(ends[0]);
}

void TestInputInjectorUinput::missingDeviceIsReported_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("errorNumber");

    QTest::newRow("no such file") << QDir::temp().filePath("no-uinput") << ENOENT;
    QTest::newRow("not a device") << QDir::tempPath() << EISDIR;
}

void TestInputInjectorUinput::missingDeviceIsReported()
{
    QFETCH(QString, path);
    QFETCH(int, errorNumber);
    int number = 0;
    std::string reason;
    const QByteArray file = path.toLocal8Bit();
    QVERIFY(!UinputInputInjector::create(keys("us"), &number, &reason, file.constData()));
    QCOMPARE(number, errorNumber);
    QVERIFY2(QString::fromStdString(reason).startsWith(path + ": "), reason.c_str());
}

QTEST_GUILESS_MAIN(TestInputInjectorUinput)
#include "tst_inputinjector_uinput.moc"
