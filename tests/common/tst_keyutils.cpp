#include "common/keyutils.h"

#include <QTest>

using korvane::common::KeyUtils;

class TestKeyUtils : public QObject {
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("keypad");
        QTest::newRow("A") << int(Qt::Key_A) << 0x41 << 0;
        QTest::newRow("Z") << int(Qt::Key_Z) << 0x5A << 0;
        QTest::newRow("0") << int(Qt::Key_0) << 0x30 << 0x60;
        QTest::newRow("5") << int(Qt::Key_5) << 0x35 << 0x65;
        QTest::newRow("9") << int(Qt::Key_9) << 0x39 << 0x69;
        QTest::newRow("exclam") << int(Qt::Key_Exclam) << int('1') << 0;
        QTest::newRow("at") << int(Qt::Key_At) << int('2') << 0;
        QTest::newRow("asterisk") << int(Qt::Key_Asterisk) << int('8') << 0x6A;
        QTest::newRow("paren right") << int(Qt::Key_ParenRight) << int('0') << 0;
        QTest::newRow("space") << int(Qt::Key_Space) << 0x20 << 0;
        QTest::newRow("colon") << int(Qt::Key_Colon) << 0xBA << 0;
        QTest::newRow("plus") << int(Qt::Key_Plus) << 0xBB << 0x6B;
        QTest::newRow("equal") << int(Qt::Key_Equal) << 0xBB << 0xBB;
        QTest::newRow("less") << int(Qt::Key_Less) << 0xBC << 0;
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0xBD << 0x6D;
        QTest::newRow("underscore") << int(Qt::Key_Underscore) << 0xBD << 0;
        QTest::newRow("period") << int(Qt::Key_Period) << 0xBE << 0x6E;
        QTest::newRow("slash") << int(Qt::Key_Slash) << 0xBF << 0x6F;
        QTest::newRow("question") << int(Qt::Key_Question) << 0xBF << 0;
        QTest::newRow("tilde") << int(Qt::Key_AsciiTilde) << 0xC0 << 0;
        QTest::newRow("brace left") << int(Qt::Key_BraceLeft) << 0xDB << 0;
        QTest::newRow("bar") << int(Qt::Key_Bar) << 0xDC << 0;
        QTest::newRow("bracket right") << int(Qt::Key_BracketRight) << 0xDD << 0;
        QTest::newRow("quote dbl") << int(Qt::Key_QuoteDbl) << 0xDE << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0x1B << 0;
        QTest::newRow("backtab") << int(Qt::Key_Backtab) << 0x09 << 0;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0x08 << 0;
        QTest::newRow("return") << int(Qt::Key_Return) << 0x0D << 0x0D;
        QTest::newRow("enter") << int(Qt::Key_Enter) << 0x0D << 0x0D;
        QTest::newRow("insert") << int(Qt::Key_Insert) << 0x2D << 0x2D;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0x2E << 0x2E;
        QTest::newRow("pause") << int(Qt::Key_Pause) << 0x13 << 0;
        QTest::newRow("print") << int(Qt::Key_Print) << 0x2C << 0;
        QTest::newRow("clear") << int(Qt::Key_Clear) << 0x0C << 0;
        QTest::newRow("home") << int(Qt::Key_Home) << 0x24 << 0x24;
        QTest::newRow("end") << int(Qt::Key_End) << 0x23 << 0x23;
        QTest::newRow("left") << int(Qt::Key_Left) << 0x25 << 0x25;
        QTest::newRow("down") << int(Qt::Key_Down) << 0x28 << 0x28;
        QTest::newRow("page up") << int(Qt::Key_PageUp) << 0x21 << 0x21;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << 0x22 << 0x22;
        QTest::newRow("shift") << int(Qt::Key_Shift) << 0x10 << 0x10;
        QTest::newRow("control") << int(Qt::Key_Control) << 0x11 << 0x11;
        QTest::newRow("alt") << int(Qt::Key_Alt) << 0x12 << 0x12;
        QTest::newRow("meta") << int(Qt::Key_Meta) << 0x5B << 0;
        QTest::newRow("caps lock") << int(Qt::Key_CapsLock) << 0x14 << 0;
        QTest::newRow("num lock") << int(Qt::Key_NumLock) << 0x90 << 0;
        QTest::newRow("scroll lock") << int(Qt::Key_ScrollLock) << 0x91 << 0;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0x70 << 0;
        QTest::newRow("F12") << int(Qt::Key_F12) << 0x7B << 0;
        QTest::newRow("F24") << int(Qt::Key_F24) << 0x87 << 0;
        QTest::newRow("F25 unknown") << int(Qt::Key_F25) << 0 << 0;
        QTest::newRow("menu") << int(Qt::Key_Menu) << 0x5D << 0;
        QTest::newRow("help") << int(Qt::Key_Help) << 0x2F << 0;
        QTest::newRow("volume down") << int(Qt::Key_VolumeDown) << 0xAE << 0;
        QTest::newRow("volume mute") << int(Qt::Key_VolumeMute) << 0xAD << 0;
        QTest::newRow("volume up") << int(Qt::Key_VolumeUp) << 0xAF << 0;
        QTest::newRow("media stop") << int(Qt::Key_MediaStop) << 0xB2 << 0;
        QTest::newRow("media previous") << int(Qt::Key_MediaPrevious) << 0xB1 << 0;
        QTest::newRow("media next") << int(Qt::Key_MediaNext) << 0xB0 << 0;
        QTest::newRow("play pause") << int(Qt::Key_MediaTogglePlayPause) << 0xB3 << 0;
        QTest::newRow("audio rewind") << int(Qt::Key_AudioRewind) << 0xE3 << 0;
        QTest::newRow("audio forward") << int(Qt::Key_AudioForward) << 0xE4 << 0;
        QTest::newRow("kanji") << int(Qt::Key_Kanji) << 0x19 << 0;
        QTest::newRow("hangul hanja") << int(Qt::Key_Hangul_Hanja) << 0x19 << 0;
        QTest::newRow("kana lock") << int(Qt::Key_Kana_Lock) << 0x15 << 0;
        QTest::newRow("hangul") << int(Qt::Key_Hangul) << 0x15 << 0;
        QTest::newRow("select") << int(Qt::Key_Select) << 0x29 << 0;
        QTest::newRow("execute") << int(Qt::Key_Execute) << 0x2B << 0;
        QTest::newRow("e acute unknown") << int(Qt::Key_Eacute) << 0 << 0;
        QTest::newRow("unknown key") << int(Qt::Key_unknown) << 0 << 0;
        QTest::newRow("zero") << 0 << 0 << 0;
        QTest::newRow("lower-case letter code") << int('a') << 0 << 0;
    }
    void table()
    {
        QFETCH(int, key);
        QFETCH(int, main);
        QFETCH(int, keypad);
        QCOMPARE(KeyUtils::windowsKeyCodeForKeyEvent(static_cast<unsigned int>(key), false), main);
        QCOMPARE(KeyUtils::windowsKeyCodeForKeyEvent(static_cast<unsigned int>(key), true), keypad);
    }

    // Every Qt key from A to Z and F1 to F24 has a code, and no two letters share one.
    void ranges()
    {
        for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
            QCOMPARE(KeyUtils::windowsKeyCodeForKeyEvent(key, false), key);
        for (int i = 0; i < 24; ++i)
            QCOMPARE(KeyUtils::windowsKeyCodeForKeyEvent(Qt::Key_F1 + i, false), 0x70 + i);
    }
};

QTEST_GUILESS_MAIN(TestKeyUtils)
#include "tst_keyutils.moc"
