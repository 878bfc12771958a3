// XTest with two layouts on the X keyboard (us, fr): a key goes where the
// active group has it (keycodeInActiveGroup), and one held across a switch
// comes up where it went down.
#include "core/platform/inputinjector.h"

#include <QtTest>

// After Qt: Xlib's macros (Bool, Status) break Qt's headers.
#include <X11/XKBlib.h>
#include <linux/input-event-codes.h>

using namespace korvane::core;

namespace {
// X numbers keys as the kernel does, plus 8.
constexpr int cstEvdevOffset = 8;
} // namespace

class TestKeycodeInActiveGroup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void heldAcrossSwitch();

private:
    void lockGroup(int group);
    bool isDown(int code);

    Display* m_display = nullptr;
};

void TestKeycodeInActiveGroup::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "runs only under the sandbox's Xvfb");
    QCOMPARE(QProcess::execute("setxkbmap", { "-model", "pc105", "-layout", "us,fr" }), 0);
    m_display = XOpenDisplay(nullptr);
    QVERIFY(m_display);
}

void TestKeycodeInActiveGroup::cleanupTestCase()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void TestKeycodeInActiveGroup::lockGroup(int group)
{
    QVERIFY(XkbLockGroup(m_display, XkbUseCoreKbd, static_cast<unsigned>(group)));
    XSync(m_display, False);
}

bool TestKeycodeInActiveGroup::isDown(int code)
{
    char keys[32];
    XQueryKeymap(m_display, keys);
    const int keycode = code + cstEvdevOffset;
    return keys[keycode / 8] & (1 << (keycode % 8));
}

void TestKeycodeInActiveGroup::heldAcrossSwitch()
{
    auto injector = InputInjector::createNative();
    lockGroup(0);
    QVERIFY(injector->sendKey('A', 0, 0));
    QVERIFY(isDown(KEY_A));
    lockGroup(1);
    QVERIFY(injector->sendKey('A', 0, 2));
    QVERIFY(!isDown(KEY_A));
    QVERIFY(injector->sendKey('A', 0, 0));
    QVERIFY(isDown(KEY_Q));
    QVERIFY(injector->sendKey('A', 0, 2));
    QVERIFY(!isDown(KEY_Q));
}

QTEST_GUILESS_MAIN(TestKeycodeInActiveGroup)
#include "tst_keycodeinactivegroup.moc"
