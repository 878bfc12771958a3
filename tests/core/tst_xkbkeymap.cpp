// Which key positions give a character on the us, fr and de layouts, where
// the session's layouts are read from, and what a non-Latin layout borrows.
#include "core/platform/linux/keymapset.h"

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <QtTest>

using namespace korvane::core;

using Codes = std::vector<int>;
Q_DECLARE_METATYPE(Codes)

class TestXkbKeyMap : public QObject {
    Q_OBJECT

private slots:
    void init();
    void strokes_data();
    void strokes();
    void sources_data();
    void sources();
    void borrowed_data();
    void borrowed();

private:
    QTemporaryDir m_dir;
};

void TestXkbKeyMap::init()
{
    for (const char* name :
        { "XKB_DEFAULT_LAYOUT", "XKB_DEFAULT_VARIANT", "XKB_DEFAULT_MODEL", "XKB_DEFAULT_OPTIONS" })
        qunsetenv(name);
}

void TestXkbKeyMap::strokes_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<uint>("keysym");
    // The key and the modifiers held with it; no key: the layout cannot type it.
    QTest::addColumn<int>("code");
    QTest::addColumn<Codes>("modifiers");

    QTest::newRow("us a") << "us"
                          << "" << uint(XKB_KEY_a) << KEY_A << Codes {};
    QTest::newRow("us A needs Shift") << "us"
                                      << "" << uint(XKB_KEY_A) << KEY_A << Codes { KEY_LEFTSHIFT };
    QTest::newRow("us 1") << "us"
                          << "" << uint(XKB_KEY_1) << KEY_1 << Codes {};
    QTest::newRow("us exclam") << "us"
                               << "" << uint(XKB_KEY_exclam) << KEY_1 << Codes { KEY_LEFTSHIFT };
    QTest::newRow("us bracketleft") << "us"
                                    << "" << uint(XKB_KEY_bracketleft) << KEY_LEFTBRACE << Codes {};
    QTest::newRow("us Return") << "us"
                               << "" << uint(XKB_KEY_Return) << KEY_ENTER << Codes {};
    QTest::newRow("us Shift_L") << "us"
                                << "" << uint(XKB_KEY_Shift_L) << KEY_LEFTSHIFT << Codes {};
    QTest::newRow("us Alt_R") << "us"
                              << "" << uint(XKB_KEY_Alt_R) << KEY_RIGHTALT << Codes {};
    QTest::newRow("us volume up") << "us"
                                  << "" << uint(XKB_KEY_XF86AudioRaiseVolume) << KEY_VOLUMEUP
                                  << Codes {};
    QTest::newRow("us eacute: none") << "us"
                                     << "" << uint(XKB_KEY_eacute) << 0 << Codes {};
    QTest::newRow("us keypad 1 needs Num Lock: none") << "us"
                                                      << "" << uint(XKB_KEY_KP_1) << 0 << Codes {};
    QTest::newRow("us F13: none") << "us"
                                  << "" << uint(XKB_KEY_F13) << 0 << Codes {};
    QTest::newRow("us no keysym: none") << "us"
                                        << "" << uint(0) << 0 << Codes {};

    QTest::newRow("fr a") << "fr"
                          << "" << uint(XKB_KEY_a) << KEY_Q << Codes {};
    QTest::newRow("fr q") << "fr"
                          << "" << uint(XKB_KEY_q) << KEY_A << Codes {};
    QTest::newRow("fr m") << "fr"
                          << "" << uint(XKB_KEY_m) << KEY_SEMICOLON << Codes {};
    QTest::newRow("fr 1 needs Shift") << "fr"
                                      << "" << uint(XKB_KEY_1) << KEY_1 << Codes { KEY_LEFTSHIFT };
    QTest::newRow("fr eacute") << "fr"
                               << "" << uint(XKB_KEY_eacute) << KEY_2 << Codes {};
    QTest::newRow("fr bracketleft needs AltGr")
        << "fr"
        << "" << uint(XKB_KEY_bracketleft) << KEY_5 << Codes { KEY_RIGHTALT };
    QTest::newRow("fr at needs AltGr") << "fr"
                                       << "" << uint(XKB_KEY_at) << KEY_0 << Codes { KEY_RIGHTALT };
    QTest::newRow("fr Alt_R is AltGr: none") << "fr"
                                             << "" << uint(XKB_KEY_Alt_R) << 0 << Codes {};

    QTest::newRow("de z") << "de"
                          << "" << uint(XKB_KEY_z) << KEY_Y << Codes {};
    QTest::newRow("de y") << "de"
                          << "" << uint(XKB_KEY_y) << KEY_Z << Codes {};
    QTest::newRow("de at needs AltGr") << "de"
                                       << "" << uint(XKB_KEY_at) << KEY_Q << Codes { KEY_RIGHTALT };
    QTest::newRow("de slash needs Shift")
        << "de"
        << "" << uint(XKB_KEY_slash) << KEY_7 << Codes { KEY_LEFTSHIFT };
    QTest::newRow("de grave is a dead key: none") << "de"
                                                  << "" << uint(XKB_KEY_grave) << 0 << Codes {};
    QTest::newRow("de nodeadkeys grave")
        << "de"
        << "nodeadkeys" << uint(XKB_KEY_grave) << KEY_EQUAL << Codes { KEY_LEFTSHIFT };
    QTest::newRow("unknown layout: none") << "xx"
                                          << "" << uint(XKB_KEY_a) << 0 << Codes {};
    QTest::newRow("unknown variant: none") << "de"
                                           << "nosuchvariant" << uint(XKB_KEY_a) << 0 << Codes {};
}

void TestXkbKeyMap::strokes()
{
    QFETCH(QString, layout);
    QFETCH(QString, variant);
    QFETCH(uint, keysym);
    QFETCH(int, code);
    QFETCH(Codes, modifiers);

    KeyboardLayout names;
    names.layout = layout.toStdString();
    names.variant = variant.toStdString();
    const XkbKeyMap keys(names);
    KeyStroke stroke;
    QCOMPARE(keys.strokeFor(keysym, &stroke), code != 0);
    if (code == 0)
        return;
    QVERIFY2(keys.error().empty(), keys.error().c_str());
    QCOMPARE(stroke.code, code);
    QCOMPARE(stroke.modifiers, modifiers);
}

void TestXkbKeyMap::sources_data()
{
    QTest::addColumn<QString>("environment"); // XKB_DEFAULT_LAYOUT;XKB_DEFAULT_VARIANT
    QTest::addColumn<QString>("file"); // /etc/default/keyboard; "-": none
    QTest::addColumn<QString>("service"); // the locale service's layout; empty: silent
    QTest::addColumn<QString>("layout"); // described
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("desktop"); // the desktop's layouts, active first; empty: silent

    const QString debian = "# KEYBOARD CONFIGURATION FILE\nXKBMODEL=\"pc105\"\nXKBLAYOUT=\"fr\"\n"
                           "XKBVARIANT=\"oss\"\nXKBOPTIONS=\"\"\n\nBACKSPACE=\"guess\"\n";
    QTest::newRow("desktop first") << "de;nodeadkeys" << debian << "es"
                                   << "fr, us (active: fr)"
                                   << "the desktop"
                                   << "fr,us";
    QTest::newRow("a list in the keyboard file") << ""
                                                 << "XKBLAYOUT=us,ru\nXKBVARIANT=\",phonetic\"\n"
                                                 << ""
                                                 << "us, ru(phonetic) (active: us)"
                                                 << "file"
                                                 << "";
    QTest::newRow("environment next") << "de;nodeadkeys" << debian << "es"
                                      << "de(nodeadkeys)"
                                      << "the XKB_DEFAULT_* variables"
                                      << "";
    QTest::newRow("then the keyboard file") << "" << debian << "es"
                                            << "fr(oss)"
                                            << "file"
                                            << "";
    QTest::newRow("single quotes, export, comment")
        << ""
        << "export XKBLAYOUT='be'\nXKBVARIANT=nodeadkeys # x\n"
        << ""
        << "be(nodeadkeys)"
        << "file"
        << "";
    QTest::newRow("file without a layout") << ""
                                           << "XKBMODEL=pc105\n# XKBLAYOUT=fr\n"
                                           << "es"
                                           << "es"
                                           << "the system's locale service"
                                           << "";
    QTest::newRow("no file") << ""
                             << "-"
                             << "ch"
                             << "ch"
                             << "the system's locale service"
                             << "";
    QTest::newRow("nothing says: us") << ""
                                      << "-"
                                      << ""
                                      << "us"
                                      << "the default"
                                      << "";
    QTest::newRow("empty file, silent service") << ""
                                                << ""
                                                << ""
                                                << "us"
                                                << "the default"
                                                << "";
    QTest::newRow("variant alone is no layout") << ";dvorak"
                                                << "-"
                                                << ""
                                                << "us"
                                                << "the default"
                                                << "";
}

void TestXkbKeyMap::sources()
{
    QFETCH(QString, environment);
    QFETCH(QString, file);
    QFETCH(QString, service);
    QFETCH(QString, layout);
    QFETCH(QString, source);
    QFETCH(QString, desktop);

    if (!environment.section(';', 0, 0).isEmpty())
        qputenv("XKB_DEFAULT_LAYOUT", environment.section(';', 0, 0).toUtf8());
    if (!environment.section(';', 1, 1).isEmpty())
        qputenv("XKB_DEFAULT_VARIANT", environment.section(';', 1, 1).toUtf8());
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    if (file != "-") {
        QFile keyboard(path);
        QVERIFY(keyboard.open(QIODevice::WriteOnly));
        keyboard.write(file.toUtf8());
    }
    const auto desktopLayouts = [&] {
        KeyboardLayout names;
        names.layout = desktop.toStdString();
        return SessionLayouts::fromNames(names, "the desktop");
    };
    bool asked = false;
    const SessionLayouts resolved
        = SessionLayouts::resolve(desktopLayouts, path.toStdString(), [&] {
              asked = true;
              KeyboardLayout answer;
              answer.layout = service.toStdString();
              return answer;
          });
    QCOMPARE(QString::fromStdString(resolved.describe()),
        layout + " from " + (source == "file" ? path : source));
    // The service is a round trip over the system bus: only when needed.
    QCOMPARE(asked, source == "the system's locale service" || source == "the default");
}

void TestXkbKeyMap::borrowed_data()
{
    QTest::addColumn<QString>("layouts"); // the first one active
    QTest::addColumn<uint>("keysym");
    QTest::addColumn<int>("code"); // 0: refused
    QTest::addColumn<QString>("lender"); // empty: the active layout has the key

    for (const char* layout : { "ru", "ua", "gr", "il", "ara", "in" })
        QTest::addRow("%s: c from us", layout) << layout << uint(XKB_KEY_c) << KEY_C << "us";
    for (const char* layouts : { "ru,us", "gr,us", "il,us" })
        QTest::addRow("%s: c from us", layouts) << layouts << uint(XKB_KEY_c) << KEY_C << "us";
    QTest::newRow("ru,de: y from de first") << "ru,de" << uint(XKB_KEY_y) << KEY_Z << "de";
    QTest::newRow("ru: its own 1") << "ru" << uint(XKB_KEY_1) << KEY_1 << "";
    QTest::newRow("us,ru: us active") << "us,ru" << uint(XKB_KEY_c) << KEY_C << "";
    QTest::newRow("de,us: grave refused") << "de,us" << uint(XKB_KEY_grave) << 0 << "";
    QTest::newRow("xx,us: unknown refused") << "xx,us" << uint(XKB_KEY_c) << 0 << "";
}

void TestXkbKeyMap::borrowed()
{
    QFETCH(QString, layouts);
    QFETCH(uint, keysym);
    QFETCH(int, code);
    QFETCH(QString, lender);

    KeyboardLayout names;
    names.layout = layouts.toStdString();
    QStringList notices;
    KeyMapSet keys(SessionLayouts::fromNames(names, "the test"),
        [&notices](const std::string& notice) { notices << QString::fromStdString(notice); });
    for (int time = 0; time < 2; ++time) {
        KeyStroke stroke;
        std::string reason;
        QCOMPARE(keys.strokeFor(keysym, &stroke, &reason), code != 0);
        QCOMPARE(stroke.code, code);
        QCOMPARE(reason.empty(), code != 0);
    }
    QCOMPARE(notices.size(), lender.isEmpty() ? 0 : 1);
    if (!lender.isEmpty())
        QVERIFY2(notices.first().contains("in \"" + lender + "\""), qPrintable(notices.first()));
}

QTEST_GUILESS_MAIN(TestXkbKeyMap)
#include "tst_xkbkeymap.moc"
