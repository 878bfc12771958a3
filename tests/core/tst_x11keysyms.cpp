// Which X keysym each Windows virtual key becomes in the XTest back end.
#include "common/keyutils.h"
#include "core/platform/linux/x11keysyms.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <QtTest>

using korvane::common::KeyUtils;
using korvane::core::x11KeysymForVirtualKey;

class TestX11Keysyms : public QObject {
    Q_OBJECT

private slots:
    void keysym_data();
    void keysym();
    void everyKeyOfTheKeyTableHasAKeysym();
};

void TestX11Keysyms::keysym_data()
{
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<qulonglong>("keysym");

    // Letters as typed without Shift; the server applies a held Shift itself.
    QTest::newRow("A") << 0x41 << qulonglong(XK_a);
    QTest::newRow("Z") << 0x5A << qulonglong(XK_z);
    QTest::newRow("0") << 0x30 << qulonglong(XK_0);
    QTest::newRow("9") << 0x39 << qulonglong(XK_9);
    QTest::newRow("space") << 0x20 << qulonglong(XK_space);
    QTest::newRow("OEM_1") << 0xBA << qulonglong(XK_semicolon);
    QTest::newRow("OEM_PLUS") << 0xBB << qulonglong(XK_equal);
    QTest::newRow("OEM_COMMA") << 0xBC << qulonglong(XK_comma);
    QTest::newRow("OEM_MINUS") << 0xBD << qulonglong(XK_minus);
    QTest::newRow("OEM_PERIOD") << 0xBE << qulonglong(XK_period);
    QTest::newRow("OEM_2") << 0xBF << qulonglong(XK_slash);
    QTest::newRow("OEM_3") << 0xC0 << qulonglong(XK_grave);
    QTest::newRow("OEM_4") << 0xDB << qulonglong(XK_bracketleft);
    QTest::newRow("OEM_5") << 0xDC << qulonglong(XK_backslash);
    QTest::newRow("OEM_6") << 0xDD << qulonglong(XK_bracketright);
    QTest::newRow("OEM_7") << 0xDE << qulonglong(XK_apostrophe);
    QTest::newRow("F1") << 0x70 << qulonglong(XK_F1);
    QTest::newRow("F24") << 0x87 << qulonglong(XK_F24);
    QTest::newRow("prior") << 0x21 << qulonglong(XK_Prior);
    QTest::newRow("left") << 0x25 << qulonglong(XK_Left);
    QTest::newRow("snapshot") << 0x2C << qulonglong(XK_Print);
    QTest::newRow("LSHIFT") << 0xA0 << qulonglong(XK_Shift_L);
    QTest::newRow("LCONTROL") << 0xA2 << qulonglong(XK_Control_L);
    QTest::newRow("LMENU") << 0xA4 << qulonglong(XK_Alt_L);
    QTest::newRow("LWIN") << 0x5B << qulonglong(XK_Super_L);
    QTest::newRow("volume up") << 0xAF << qulonglong(XF86XK_AudioRaiseVolume);
    QTest::newRow("play/pause") << 0xB3 << qulonglong(XF86XK_AudioPlay);
    QTest::newRow("rewind") << 0xE3 << qulonglong(XF86XK_AudioRewind);
    QTest::newRow("0 has none") << 0 << qulonglong(0);
    QTest::newRow("F25 has none") << 0x88 << qulonglong(0);
    QTest::newRow("negative has none") << -1 << qulonglong(0);
    QTest::newRow("above a byte has none") << 0x141 << qulonglong(0);
}

void TestX11Keysyms::keysym()
{
    QFETCH(int, virtualKey);
    QFETCH(qulonglong, keysym);
    QCOMPARE(qulonglong(x11KeysymForVirtualKey(virtualKey)), keysym);
}

void TestX11Keysyms::everyKeyOfTheKeyTableHasAKeysym()
{
    // Whatever a user can configure must reach an X desktop too.
    QStringList missing;
    auto check = [&](unsigned int key) {
        const int vk = KeyUtils::windowsKeyCodeForKeyEvent(key, false);
        if (vk != 0 && x11KeysymForVirtualKey(vk) == 0)
            missing << QString("Qt key 0x%1 (vk 0x%2)").arg(key, 0, 16).arg(vk, 0, 16);
    };
    for (unsigned int key = 0x20; key < 0x7f; ++key)
        check(key);
    for (unsigned int key = 0x01000000; key < 0x01001200; ++key)
        check(key);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

QTEST_GUILESS_MAIN(TestX11Keysyms)
#include "tst_x11keysyms.moc"
