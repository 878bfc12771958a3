// Start at login: the registry value and desktop-entry texts, and the XDG
// entry appearing and disappearing in the sandbox's configuration folder.
#include "core/platform/autostart.h"
#include "core/platform/displayrotation.h"
#include "core/platform/heldinput.h"
#include "core/platform/inputinjector.h"

#include <QtTest>

using namespace korvane::core;

class TestAutostart : public QObject {
    Q_OBJECT

private slots:
    void windowsRunValue_data();
    void windowsRunValue();
    void desktopExecValue_data();
    void desktopExecValue();
    void desktopEntryShape();
    void entryAppearsAndDisappears();
    void entryFollowsXdgConfigHome();
    void removalFailureIsReported();
    void orientationPreference_data();
    void orientationPreference();
    void heldInputCountsEachPress();
};

void TestAutostart::windowsRunValue_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("value");

    QTest::newRow("program") << "C:/Apps/korvane.exe"
                             << R"("C:\Apps\korvane.exe")";
    QTest::newRow("blanks") << "C:/Program Files/Korvane/korvane.exe"
                            << R"("C:\Program Files\Korvane\korvane.exe")";
    QTest::newRow("already native") << R"(C:\Apps\korvane.exe)"
                                    << R"("C:\Apps\korvane.exe")";
    QTest::newRow("network share") << "//server/apps/korvane.exe"
                                   << R"("\\server\apps\korvane.exe")";
    QTest::newRow("empty") << ""
                           << R"("")";
}

void TestAutostart::windowsRunValue()
{
    QFETCH(QString, path);
    QFETCH(QString, value);
    QCOMPARE(Autostart::windowsRunValue(path), value);
}

void TestAutostart::desktopExecValue_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");

    QTest::newRow("plain") << "/usr/bin/korvane"
                           << R"("/usr/bin/korvane")";
    QTest::newRow("blank") << "/opt/my apps/korvane"
                           << R"("/opt/my apps/korvane")";
    // Inside quotes " ` $ \ take a backslash; then every backslash is doubled
    // by the string escapes, so a literal backslash becomes four.
    QTest::newRow("dollar") << "/opt/$HOME/korvane"
                            << R"("/opt/\\$HOME/korvane")";
    QTest::newRow("quote") << R"(/opt/a"b/korvane)"
                           << R"("/opt/a\\"b/korvane")";
    QTest::newRow("backtick") << "/opt/a`b/korvane"
                              << R"("/opt/a\\`b/korvane")";
    QTest::newRow("backslash") << R"(/opt/a\b/korvane)"
                               << R"("/opt/a\\\\b/korvane")";
    QTest::newRow("percent is no field code") << "/opt/100%/korvane"
                                              << R"("/opt/100%%/korvane")";
    QTest::newRow("newline") << "/opt/a\nb/korvane"
                             << R"("/opt/a\nb/korvane")";
    QTest::newRow("accents") << "/home/zoé/korvane"
                             << R"("/home/zoé/korvane")";
}

void TestAutostart::desktopExecValue()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    QCOMPARE(Autostart::desktopExecValue(path), exec);
}

void TestAutostart::desktopEntryShape()
{
    const QList<QByteArray> lines = Autostart::desktopEntry("/usr/bin/korvane").split('\n');
    QCOMPARE(lines.first(), QByteArray("[Desktop Entry]"));
    QVERIFY(lines.contains("Type=Application"));
    QVERIFY(lines.contains("Name=korvane"));
    QVERIFY(lines.contains(R"(Exec="/usr/bin/korvane")"));
    QCOMPARE(lines.last(), QByteArray()); // ends with a line feed
}

void TestAutostart::entryAppearsAndDisappears()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY2(config.startsWith(qEnvironmentVariable("KORVANE_TEST_ROOT")), "sandbox only");
    const QString entry = config + "/autostart/korvane.desktop";
    QCOMPARE(Autostart::location(), entry);
    QVERIFY(!Autostart::isEnabled());

    QString error;
    QVERIFY(Autostart::apply("/opt/korvane/bin/korvane", true, &error));
    QVERIFY(QFileInfo(entry).isFile());
    QVERIFY(Autostart::isEnabled());
    QFile first(entry);
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), Autostart::desktopEntry("/opt/korvane/bin/korvane"));

    // Enabling again rewrites the entry with the current path.
    QVERIFY(Autostart::apply("/usr/local/bin/korvane", true, &error));
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Exec=\"/usr/local/bin/korvane\"\n"));

    QVERIFY(Autostart::apply("/usr/local/bin/korvane", false, &error));
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(!Autostart::isEnabled());
    // Removing an absent entry is no failure.
    QVERIFY(Autostart::apply("/usr/local/bin/korvane", false, &error));
    QVERIFY(error.isEmpty());
}

void TestAutostart::entryFollowsXdgConfigHome()
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QString other = qEnvironmentVariable("KORVANE_TEST_ROOT") + "/other-config";
    qputenv("XDG_CONFIG_HOME", other.toUtf8());
    const bool written = Autostart::apply("/usr/bin/korvane", true);
    const QString location = Autostart::location();
    qputenv("XDG_CONFIG_HOME", saved);
    QVERIFY(written);
    QCOMPARE(location, other + "/autostart/korvane.desktop");
    QVERIFY(QFileInfo::exists(location));
}

void TestAutostart::removalFailureIsReported()
{
    // A folder in the entry's place cannot be removed as a file.
    const QString entry = Autostart::location();
    QFile::remove(entry);
    QVERIFY(QDir().mkpath(entry + "/inside"));
    QString error;
    QVERIFY(!Autostart::apply("/usr/bin/korvane", false, &error));
    QVERIFY2(error.contains(entry), qPrintable(error));
    QVERIFY(!Autostart::apply("/usr/bin/korvane", true, &error));
    QVERIFY2(error.contains(entry), qPrintable(error));
    QVERIFY(QDir(entry).removeRecursively());
}

void TestAutostart::orientationPreference_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("preference");

    QTest::newRow("landscape") << "ORIENTATION_PREFERENCE_LANDSCAPE" << 1;
    QTest::newRow("portrait") << "ORIENTATION_PREFERENCE_PORTRAIT" << 2;
    QTest::newRow("lower case") << "orientation_preference_portrait" << 0;
    QTest::newRow("trailing blank") << "ORIENTATION_PREFERENCE_PORTRAIT " << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestAutostart::orientationPreference()
{
    QFETCH(QString, text);
    QFETCH(int, preference);
    QCOMPARE(DisplayRotation::preferenceFor(text), preference);
    // No rotation facility on X11: nothing is ever taken.
    QCOMPARE(DisplayRotation::apply(text), false);
}

void TestAutostart::heldInputCountsEachPress()
{
    HeldInput held;
    held.note(InputRecord::key(0x41, 0, 1));
    held.note(InputRecord::key(0x41, 0, 1)); // the other channel on the same key
    held.note(InputRecord::mouse(input::MouseLeftDown | input::MouseLeftUp, 0));
    held.note(InputRecord::mouse(input::MouseRightDown, 0));
    held.note(InputRecord::mouse(input::MouseWheel, 120));
    const std::vector<InputRecord> expected { InputRecord::key(0x41, 0, 3),
        InputRecord::key(0x41, 0, 3), InputRecord::mouse(input::MouseRightUp, 0) };
    QVERIFY(held.takeReleases() == expected);
    QVERIFY(held.empty());
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
