// Where the desktop keeps the user's layouts (GNOME's GSettings through the
// keyfile back end, KDE's kxkbrc and a stand-in for its layout service on
// the sandbox's bus), and the uinput back end following a switch.
#include "core/platform/linux/gnomeinputsources.h"
#include "core/platform/linux/kdekeyboardlayouts.h"
#include "core/platform/linux/keyboardlayoutfollower.h"
#include "core/platform/uinput/inputinjector_uinput.h"

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <QtTest>

using namespace korvane::core;

namespace {
bool writeFile(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

QString described(const SessionLayouts& layouts)
{
    return layouts.empty()
        ? QString()
        : QString::fromStdString(layouts.describe() + "; " + layouts.activeLayout().options);
}
} // namespace

// What KDE's desktop answers on org.kde.keyboard /Layouts.
class KdeLayoutService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KeyboardLayouts")

public:
    uint active = 0;

public slots:
    uint getLayout() { return active; }

signals:
    void layoutChanged(uint index);
};

class TestKeyboardLayoutFollower : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void gnome_data();
    void gnome();
    void kde_data();
    void kde();
    void follow_data();
    void follow();

private:
    void setGnome(const char* key, const QString& value);
    void startKdeService(uint active);

    GSettings* m_gnome = nullptr;
    QThread m_serviceThread;
    KdeLayoutService* m_service = nullptr;
    QTemporaryDir m_dir;
    QString m_kxkbrc;
};

void TestKeyboardLayoutFollower::initTestCase()
{
    QCOMPARE(qgetenv("GSETTINGS_BACKEND"), QByteArray("keyfile"));
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run me in the sandbox with --dbus");
    m_gnome = g_settings_new("org.gnome.desktop.input-sources");
    m_kxkbrc = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/kxkbrc";
}

void TestKeyboardLayoutFollower::init()
{
    for (const char* key : { "sources", "mru-sources", "xkb-options" })
        g_settings_reset(m_gnome, key);
    QFile::remove(m_kxkbrc);
}

void TestKeyboardLayoutFollower::cleanup()
{
    QDBusConnection::disconnectFromBus("stand-in");
    m_serviceThread.quit();
    m_serviceThread.wait();
    m_service = nullptr;
}

void TestKeyboardLayoutFollower::setGnome(const char* key, const QString& value)
{
    GVariant* parsed = g_variant_parse(nullptr, qPrintable(value), nullptr, nullptr, nullptr);
    QVERIFY2(parsed && g_settings_set_value(m_gnome, key, parsed), qPrintable(value));
}

// In a thread of its own, as the desktop runs in a process of its own: the
// reader's blocking call must not wait on itself.
void TestKeyboardLayoutFollower::startKdeService(uint active)
{
    m_service = new KdeLayoutService;
    m_service->active = active;
    m_service->moveToThread(&m_serviceThread);
    connect(&m_serviceThread, &QThread::finished, m_service, &QObject::deleteLater);
    m_serviceThread.start();
    bool registered = false;
    QMetaObject::invokeMethod(
        m_service,
        [this, &registered] {
            auto bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in");
            registered = bus.registerObject(KdeKeyboardLayouts::cstPath, m_service,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
                && bus.registerService(KdeKeyboardLayouts::cstService);
        },
        Qt::BlockingQueuedConnection);
    QVERIFY(registered);
}

void TestKeyboardLayoutFollower::gnome_data()
{
    QTest::addColumn<QStringList>("settings"); // sources, mru-sources, xkb-options
    QTest::addColumn<QString>("layouts"); // described, with the options; empty: silent

    QTest::newRow("two layouts, the second in use") << QStringList {
        "[('xkb', 'us'), ('xkb', 'fr+oss')]", "[('xkb', 'fr+oss')]", "['compose:ralt', 'caps:none']"
    } << "us, fr(oss) (active: fr(oss)) from GNOME's settings; compose:ralt,caps:none";
    QTest::newRow("input methods are no layouts")
        << QStringList { "[('ibus', 'anthy'), ('xkb', 'ru')]", "[('ibus', 'anthy')]", "@as []" }
        << "ru from GNOME's settings; ";
    QTest::newRow("only input methods: silent")
        << QStringList { "[('ibus', 'anthy')]", "@a(ss) []", "@as []" } << "";
}

void TestKeyboardLayoutFollower::gnome()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, layouts);
    setGnome("sources", settings[0]);
    setGnome("mru-sources", settings[1]);
    setGnome("xkb-options", settings[2]);
    QCOMPARE(described(GnomeInputSources().layouts()), layouts);
}

void TestKeyboardLayoutFollower::kde_data()
{
    QTest::addColumn<QByteArray>("kxkbrc"); // empty: no file
    QTest::addColumn<int>("active"); // what the desktop answers; -1: no desktop running
    QTest::addColumn<QString>("layouts"); // described, with the options; empty: silent

    const QByteArray usFr
        = "[Layout]\nLayoutList=us,fr\nOptions=grp:alt_shift_toggle,compose:ralt\n"
          "Use=true\nVariantList=,oss\n";
    QTest::newRow("the desktop says fr")
        << usFr << 1
        << "us, fr(oss) (active: fr(oss)) from KDE's settings; grp:alt_shift_toggle,compose:ralt";
    QTest::newRow("no desktop running: the first")
        << usFr << -1
        << "us, fr(oss) (active: us) from KDE's settings; grp:alt_shift_toggle,compose:ralt";
    QTest::newRow("left to the system: silent")
        << QByteArray("[Layout]\nLayoutList=de\nUse=false\n") << 0 << "";
    QTest::newRow("no file: silent") << QByteArray() << 0 << "";
}

void TestKeyboardLayoutFollower::kde()
{
    QFETCH(QByteArray, kxkbrc);
    QFETCH(int, active);
    QFETCH(QString, layouts);
    QVERIFY(kxkbrc.isEmpty() || writeFile(m_kxkbrc, kxkbrc));
    if (active >= 0)
        startKdeService(uint(active));
    QCOMPARE(described(KdeKeyboardLayouts(m_kxkbrc).layouts()), layouts);
}

// us then fr, with A held across the user's switch: A comes up where it went
// down, the next A goes where French has it.
void TestKeyboardLayoutFollower::follow_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::newRow("GNOME's recent sources") << "ubuntu:GNOME";
    QTest::newRow("KDE's layoutChanged") << "KDE";
    QTest::newRow("the keyboard file") << "";
}

void TestKeyboardLayoutFollower::follow()
{
    QFETCH(QString, desktop);
    const QString keyboardFile = m_dir.filePath("keyboard");
    QVERIFY(writeFile(keyboardFile, "XKBLAYOUT=us\n"));
    QVERIFY(writeFile(m_kxkbrc, "[Layout]\nLayoutList=us,fr\nUse=true\n"));
    setGnome("sources", "[('xkb', 'us'), ('xkb', 'fr')]");
    if (desktop == "KDE")
        startKdeService(0);
    KeyboardLayoutFollower follower(desktop, keyboardFile, {});
    QSignalSpy changed(&follower, &KeyboardLayoutFollower::layoutsChanged);
    int ends[2];
    QCOMPARE(pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
    UinputInputInjector injector(ends[1], follower.keys());
    QVERIFY(injector.sendKey('A', 0, 0));

    if (desktop == "KDE")
        QMetaObject::invokeMethod(m_service, [this] { emit m_service->layoutChanged(1); });
    else if (desktop.isEmpty())
        QVERIFY(writeFile(keyboardFile, "XKBLAYOUT=fr\n"));
    else
        setGnome("mru-sources", "[('xkb', 'fr'), ('xkb', 'us')]");
    // GSettings tells its own process at once, the others through the loop.
    QTRY_COMPARE(changed.count(), 1);
    for (std::uint32_t flags : { 2u, 0u, 2u })
        QVERIFY(injector.sendKey('A', 0, flags));
    QList<int> codes;
    input_event event;
    while (read(ends[0], &event, sizeof event) == sizeof event) {
        if (event.type == EV_KEY)
            codes << event.code * (event.value ? 1 : -1);
    }
    close(ends[0]);
    QCOMPARE(codes, (QList<int> { KEY_A, -KEY_A, KEY_Q, -KEY_Q }));
}

QTEST_GUILESS_MAIN(TestKeyboardLayoutFollower)
#include "tst_keyboardlayoutfollower.moc"
