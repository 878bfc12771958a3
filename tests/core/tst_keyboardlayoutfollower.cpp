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

#include <QDBusConnection>
#include <QtTest>

using namespace korvane::core;

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
    void layoutListChanged();
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
    void setGnome(const char* key, const char* value);
    void writeFile(const QString& path, const QByteArray& text);
    // Runs the stand-in in a thread of its own, as the desktop runs in a
    // process of its own: our blocking call must not wait on ourselves.
    void startKdeService(uint active);

    GSettings* m_gnome = nullptr;
    QThread m_serviceThread;
    KdeLayoutService* m_service = nullptr;
    QTemporaryDir m_dir;
};

void TestKeyboardLayoutFollower::initTestCase()
{
    QCOMPARE(qgetenv("GSETTINGS_BACKEND"), QByteArray("keyfile"));
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run me in the sandbox with --dbus");
    m_gnome = g_settings_new("org.gnome.desktop.input-sources");
}

void TestKeyboardLayoutFollower::init()
{
    for (const char* key : { "sources", "mru-sources", "xkb-options" })
        g_settings_reset(m_gnome, key);
    QFile::remove(m_dir.filePath("kxkbrc"));
}

void TestKeyboardLayoutFollower::cleanup()
{
    if (m_service) {
        QDBusConnection::disconnectFromBus(QStringLiteral("stand-in"));
        m_service->deleteLater();
        m_service = nullptr;
    }
    m_serviceThread.quit();
    m_serviceThread.wait();
}

void TestKeyboardLayoutFollower::setGnome(const char* key, const char* value)
{
    GVariant* parsed = g_variant_parse(nullptr, value, nullptr, nullptr, nullptr);
    QVERIFY2(parsed && g_settings_set_value(m_gnome, key, parsed), value);
}

void TestKeyboardLayoutFollower::writeFile(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    QVERIFY(file.commit());
}

void TestKeyboardLayoutFollower::startKdeService(uint active)
{
    m_serviceThread.start();
    m_service = new KdeLayoutService;
    m_service->active = active;
    m_service->moveToThread(&m_serviceThread);
    bool registered = false;
    QMetaObject::invokeMethod(
        m_service,
        [this, &registered] {
            QDBusConnection bus = QDBusConnection::connectToBus(
                QDBusConnection::SessionBus, QStringLiteral("stand-in"));
            registered = bus.registerObject(KdeKeyboardLayouts::cstPath, m_service,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
                && bus.registerService(KdeKeyboardLayouts::cstService);
        },
        Qt::BlockingQueuedConnection);
    QVERIFY(registered);
}

void TestKeyboardLayoutFollower::gnome_data()
{
    QTest::addColumn<QString>("sources"); // empty: left unset
    QTest::addColumn<QString>("recent");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("layouts"); // described; empty: silent
    QTest::addColumn<QString>("activeOptions");

    QTest::newRow("two layouts, the second in use")
        << "[('xkb', 'us'), ('xkb', 'fr+oss')]"
        << "[('xkb', 'fr+oss'), ('xkb', 'us')]"
        << "['compose:ralt', 'caps:ctrl_modifier']"
        << "us, fr(oss) (active: fr(oss)) from GNOME's settings"
        << "compose:ralt,caps:ctrl_modifier";
    QTest::newRow("input methods are no layouts") << "[('ibus', 'anthy'), ('xkb', 'ru')]"
                                                  << "[('ibus', 'anthy'), ('xkb', 'ru')]"
                                                  << ""
                                                  << "ru from GNOME's settings"
                                                  << "";
    QTest::newRow("recent names no source: the first")
        << "[('xkb', 'de'), ('xkb', 'us')]"
        << "[('xkb', 'gr')]"
        << ""
        << "de, us (active: de) from GNOME's settings"
        << "";
    QTest::newRow("nothing set: silent") << ""
                                         << ""
                                         << ""
                                         << ""
                                         << "";
    QTest::newRow("only input methods: silent") << "[('ibus', 'anthy')]"
                                                << ""
                                                << ""
                                                << ""
                                                << "";
}

void TestKeyboardLayoutFollower::gnome()
{
    QFETCH(QString, sources);
    QFETCH(QString, recent);
    QFETCH(QString, options);
    QFETCH(QString, layouts);
    QFETCH(QString, activeOptions);

    if (!sources.isEmpty())
        setGnome("sources", qPrintable(sources));
    if (!recent.isEmpty())
        setGnome("mru-sources", qPrintable(recent));
    if (!options.isEmpty())
        setGnome("xkb-options", qPrintable(options));
    const SessionLayouts read = GnomeInputSources().layouts();
    QCOMPARE(read.empty() ? QString() : QString::fromStdString(read.describe()), layouts);
    if (!read.empty())
        QCOMPARE(QString::fromStdString(read.activeLayout().options), activeOptions);
}

void TestKeyboardLayoutFollower::kde_data()
{
    QTest::addColumn<QByteArray>("kxkbrc"); // empty: no file
    QTest::addColumn<int>("active"); // what the desktop answers; -1: no desktop running
    QTest::addColumn<QString>("layouts"); // described; empty: silent

    const QByteArray usFr = "[Layout]\nDisplayNames=,\nLayoutList=us,fr\nModel=pc105\n"
                            "Options=grp:alt_shift_toggle,compose:ralt\nUse=true\n"
                            "VariantList=,oss\n";
    QTest::newRow("the desktop says fr")
        << usFr << 1 << "us, fr(oss) (active: fr(oss)) from KDE's settings";
    QTest::newRow("no desktop running")
        << usFr << -1 << "us, fr(oss) (active: us) from KDE's settings";
    QTest::newRow("index past the list")
        << usFr << 7 << "us, fr(oss) (active: us) from KDE's settings";
    QTest::newRow("one layout") << QByteArray("[Layout]\nLayoutList=ru\nUse=true\n") << 0
                                << "ru from KDE's settings";
    QTest::newRow("left to the system: silent")
        << QByteArray("[Layout]\nLayoutList=de\nUse=false\n") << 0 << "";
    QTest::newRow("no list: silent") << QByteArray("[Layout]\nUse=true\n") << 0 << "";
    QTest::newRow("no file: silent") << QByteArray() << 0 << "";
}

void TestKeyboardLayoutFollower::kde()
{
    QFETCH(QByteArray, kxkbrc);
    QFETCH(int, active);
    QFETCH(QString, layouts);

    const QString path = m_dir.filePath("kxkbrc");
    if (!kxkbrc.isEmpty())
        writeFile(path, kxkbrc);
    if (active >= 0)
        startKdeService(uint(active));
    const SessionLayouts read = KdeKeyboardLayouts(path).layouts();
    QCOMPARE(read.empty() ? QString() : QString::fromStdString(read.describe()), layouts);
    if (layouts.contains("compose"))
        QCOMPARE(read.activeLayout().options, std::string("grp:alt_shift_toggle,compose:ralt"));
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
    writeFile(keyboardFile, "XKBLAYOUT=us\n");
    const QString kxkbrc
        = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/kxkbrc";
    if (desktop == "KDE") {
        writeFile(kxkbrc, "[Layout]\nLayoutList=us,fr\nUse=true\n");
        startKdeService(0);
    } else {
        QFile::remove(kxkbrc);
        setGnome("sources", "[('xkb', 'us'), ('xkb', 'fr')]");
        setGnome("mru-sources", "[('xkb', 'us'), ('xkb', 'fr')]");
    }
    KeyboardLayoutFollower follower(desktop, keyboardFile, {});
    QSignalSpy changed(&follower, &KeyboardLayoutFollower::layoutsChanged);
    int ends[2];
    QCOMPARE(pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
    UinputInputInjector injector(ends[1], follower.keys());
    QVERIFY(injector.sendKey('A', 0, 0));

    if (desktop == "KDE")
        QMetaObject::invokeMethod(m_service, [this] { emit m_service->layoutChanged(1); });
    else if (desktop.isEmpty())
        writeFile(keyboardFile, "XKBLAYOUT=fr\n");
    else
        setGnome("mru-sources", "[('xkb', 'fr'), ('xkb', 'us')]");
    // GSettings tells its own process at once, the others through the loop.
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(follower.keys()->layouts().activeLayout().layout, std::string("fr"));
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
