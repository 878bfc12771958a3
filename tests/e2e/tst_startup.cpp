// The program itself, started as a user would: what it reads, what it writes
// back at exit, and what it does when files are missing or damaged.
#include "programrunner.h"

#include "../core/pty.h"
#include "datamodel/configuration.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using korvane::datamodel::Configuration;

// The user file as written at exit, but with the port the window picked when
// the configured one did not exist (the first serial port of the machine) set
// back to the default, so the rest can be compared byte for byte.
static QByteArray writtenWithDefaultPort()
{
    Configuration written;
    written.fromJson(readFile(homeFile(QStringLiteral("korvane.json"))));
    const QString port = written.get_configurationSwitch().serialName();
    QByteArray bytes = readFile(homeFile(QStringLiteral("korvane.json")));
    bytes.replace("\"serial_name\": \"" + port.toUtf8() + '"', "\"serial_name\": \"COM5\"");
    return bytes;
}

// A copy of the program and its libraries in tree/bin and tree/lib, without
// any shipped file; it finds its libraries relative to itself. Returns the
// program's path, or an empty string when the copy failed.
static QString copyProgramInto(const QTemporaryDir& tree)
{
    if (!QDir().mkpath(tree.filePath(QStringLiteral("bin")))
        || !QDir().mkpath(tree.filePath(QStringLiteral("lib"))))
        return {};
    const QString program = tree.filePath(QStringLiteral("bin/korvane"));
    if (!QFile::copy(QStringLiteral(KORVANE_PROGRAM), program))
        return {};
    const QDir libraries(QStringLiteral(KORVANE_LIBRARY_DIR));
    for (const QString& library : libraries.entryList({ QStringLiteral("*.so*") }, QDir::Files)) {
        if (!QFile::copy(
                libraries.filePath(library), tree.filePath(QStringLiteral("lib/") + library)))
            return {};
    }
    return program;
}

class TestStartup : public QObject {
    Q_OBJECT

private:
    // The program's folder on a tiny filesystem of its own. Needs root.
    bool mountSmallFolder()
    {
        const QString folder = homeFile(QString());
        QDir().mkpath(folder);
        if (::geteuid() != 0
            || ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
            return false;
        m_mounted = folder;
        return true;
    }

    // Leaves no room at all on it.
    void fill()
    {
        QFile filler(homeFile(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size() && filler.flush()) { }
    }

    QString m_mounted;

private slots:
    void init() { QDir(homeFile(QString())).removeRecursively(); }

    void cleanup()
    {
        if (!m_mounted.isEmpty())
            ::umount2(QFile::encodeName(m_mounted).constData(), MNT_DETACH);
        m_mounted.clear();
    }

    void strangeUserFileIsNeitherReadNorReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("logged");
        QTest::newRow("FIFO without a writer") << "fifo"
                                               << "is not a regular file";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "is not a regular file";
        QTest::newRow("larger than 1 MiB") << "large"
                                           << "is larger than 1048576 bytes";
    }

    // Start-up neither hangs nor reads without end, and the thing in the
    // file's place is left as it was.
    void strangeUserFileIsNeitherReadNorReplaced()
    {
        QFETCH(QString, kind);
        QFETCH(QString, logged);
        const QString path = homeFile(QStringLiteral("korvane.json"));
        QDir().mkpath(homeFile(QString()));
        const QByteArray large = "{\"configuration\":{}}" + QByteArray(1024 * 1024, ' ');
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else
            writeFile(path, large);

        QElapsedTimer started;
        started.start();
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        qInfo("%s: %lld ms to the event loop", qPrintable(kind), started.elapsed());
        QVERIFY2(korvane.log().contains(logged), qPrintable(korvane.log()));
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);

        const QFileInfo info(path);
        if (kind == QLatin1String("zero"))
            QCOMPARE(info.symLinkTarget(), QStringLiteral("/dev/zero"));
        else if (kind == QLatin1String("fifo"))
            QVERIFY(!info.isFile() && info.exists());
        else
            QCOMPARE(readFile(path), large);
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
    }

    // A change the window makes (a USB serial device, or no port at all, in
    // place of the foreign default) is on disk before the process is killed
    // outright.
    void changeInTheWindowSurvivesKill()
    {
        writeFile(homeFile(QStringLiteral("korvane.json")),
            R"({"configuration":{"switch":{"serial_name":"COM5","input_left":"kept"}}})");
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        const QRegularExpression chosen(
            QStringLiteral("Auto configure com port = (\\S+)|the port stays unset"));
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        const QRegularExpressionMatch match = chosen.match(korvane.log());
        QVERIFY2(match.hasMatch(), qPrintable(korvane.log()));
        QVERIFY2(korvane.waitForLog(QStringLiteral("Write user configuration into")),
            qPrintable(korvane.log()));
        ::kill(static_cast<pid_t>(korvane.pid()), SIGKILL);
        QVERIFY(korvane.waitForFinished());
        QCOMPARE(korvane.exitStatus(), QProcess::CrashExit);
        Configuration written;
        QVERIFY(written.fromJson(readFile(homeFile(QStringLiteral("korvane.json")))));
        QCOMPARE(written.get_configurationSwitch().serialName(), match.captured(1));
        QCOMPARE(written.get_configurationSwitch().inputLeftChannel(), QStringLiteral("kept"));
    }

    // A full disk leaves both files byte for byte as they were, and says why.
    void fullDiskKeepsTheOldFiles()
    {
        const QByteArray configuration
            = R"({"configuration":{"application":{"theme":"DARK"},"switch":{"serial_name":"COM5"}}})";
        const QByteArray screen
            = "[General]\norientation=ORIENTATION_PREFERENCE_PORTRAIT\nscale=1.25\n";
        if (!mountSmallFolder())
            QSKIP("a small filesystem needs root to mount it");
        writeFile(homeFile(QStringLiteral("korvane.json")), configuration);
        writeFile(homeFile(QStringLiteral("screen.ini")), screen);
        fill();
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        QVERIFY(korvane.terminate());
        QVERIFY2(korvane.log().contains(
                     QStringLiteral("Cannot write user configuration: No space left on device")),
            qPrintable(korvane.log()));
        QCOMPARE(readFile(homeFile(QStringLiteral("korvane.json"))), configuration);
        QCOMPARE(readFile(homeFile(QStringLiteral("screen.ini"))), screen);
    }

    void firstStartWritesDefaults()
    {
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        // The very first start shows the window, which asks for the switch:
        // no USB serial device here, so no port is chosen.
        QVERIFY(!waitForVisibleWindow(QStringLiteral("^KORVane$")).isEmpty());
        QVERIFY2(
            korvane.waitForLog(QStringLiteral("No serial port is set")), qPrintable(korvane.log()));
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(korvane.exitCode(), 0);
        QVERIFY2(!korvane.log().contains(QStringLiteral("Cannot")), qPrintable(korvane.log()));

        QCOMPARE(writtenWithDefaultPort(), Configuration().toJson(QJsonDocument::Indented));
        QSettings screen(homeFile(QStringLiteral("screen.ini")), QSettings::IniFormat);
        QCOMPARE(screen.value(QStringLiteral("scale")).toDouble(), 1.0);
        QCOMPARE(screen.value(QStringLiteral("orientation")).toString(),
            QStringLiteral("ORIENTATION_PREFERENCE_PORTRAIT"));
    }

    void userFileOverridesDefaultKeyByKey()
    {
        writeFile(homeFile(QStringLiteral("korvane.json")),
            R"({"configuration":{"application":{"theme":"DARK","language":"fr"},
                "switch":{"serial_name":"COM5","input_left":"L","input_right":"R",
                "left_channel":{"enabled":true,"mode":"KEYBOARD","key":65,"modifier":33554432,
                "native":"38"}}}})");
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        // The link's first start, which a first-start message would follow.
        QVERIFY2(korvane.waitForLog(QStringLiteral(" serial port ")), qPrintable(korvane.log()));
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);
        QVERIFY2(
            !korvane.log().contains(QStringLiteral("runs in the tray")), qPrintable(korvane.log()));

        Configuration written;
        QVERIFY(written.fromJson(readFile(homeFile(QStringLiteral("korvane.json")))));
        const auto& application = written.get_configurationApplication();
        QCOMPARE(application.theme(), korvane::datamodel::Theme::DARK);
        QCOMPARE(application.language(), QStringLiteral("fr"));
        QCOMPARE(application.orientation(), QStringLiteral("ORIENTATION_PREFERENCE_PORTRAIT"));
        QCOMPARE(application.runStartup(), true);
        const auto& switchSection = written.get_configurationSwitch();
        QCOMPARE(switchSection.inputLeftChannel(), QStringLiteral("L"));
        QCOMPARE(switchSection.inputRightChannel(), QStringLiteral("R"));
        QCOMPARE(switchSection.leftChannel().enabled(), true);
        QCOMPARE(switchSection.leftChannel().key(), 65);
        QCOMPARE(switchSection.leftChannel().modifiers(), 33554432);
        QCOMPARE(switchSection.leftChannel().nativeScanCode(), 38u);
        QCOMPARE(
            switchSection.rightChannel(), Configuration().get_configurationSwitch().rightChannel());
    }

    void damagedUserFileIsKept_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::newRow("cut short") << QByteArray(R"({"configuration":{"switch":{"input_left":"L")");
        QTest::newRow("a number too large for a double")
            << QByteArray(R"({"configuration":{"switch":{"left_channel":{"hold_ms":1e400}}}})");
    }

    // The window says the defaults are in use and where the user's text is.
    void damagedUserFileIsKept()
    {
        QFETCH(QByteArray, damaged);
        writeFile(homeFile(QStringLiteral("korvane.json")), damaged);
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        QVERIFY2(korvane.log().contains(QStringLiteral("ERROR korvane - offset")),
            qPrintable(korvane.log()));
        QVERIFY2(
            korvane.log().contains(
                QStringLiteral("The window says: Your settings could not be read")
                + QStringLiteral(", so KORVane runs on its defaults. The old text was kept in ")
                + homeFile(QStringLiteral("korvane.json.bak"))),
            qPrintable(korvane.log()));
        // Shown rather than left in the tray, so the user reads it.
        QVERIFY(!waitForVisibleWindow(QStringLiteral("^KORVane$")).isEmpty());
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);

        QCOMPARE(readFile(homeFile(QStringLiteral("korvane.json.bak"))), damaged);
        Configuration written;
        QVERIFY(written.fromJson(readFile(homeFile(QStringLiteral("korvane.json")))));
    }

    void missingDefaultFileFallsBackToBuiltInDefaults()
    {
        QTemporaryDir tree;
        const QString program = copyProgramInto(tree);
        QVERIFY(!program.isEmpty());

        ProgramRunner korvane(program);
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        QCOMPARE(
            korvane.logCount(QStringLiteral("ERROR korvane - Cannot open configuration file")), 1);
        QCOMPARE(korvane.logCount(QStringLiteral(" ERROR ")), 1);
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);
        QCOMPARE(writtenWithDefaultPort(), Configuration().toJson(QJsonDocument::Indented));
    }

    // The shipped files sit beside the program's folder in the build tree and
    // under share/korvane in a system install; an empty cell means that layout
    // has no default configuration.
    void shippedFilesFoundInEitherLayout_data()
    {
        QTest::addColumn<QString>("besideValue");
        QTest::addColumn<QString>("sharedValue");
        QTest::addColumn<QString>("expectedValue");
        QTest::addColumn<QString>("expectedRoot");
        QTest::newRow("build tree") << "beside"
                                    << ""
                                    << "beside"
                                    << "bin/..";
        QTest::newRow("system install") << ""
                                        << "shared"
                                        << "shared"
                                        << "bin/../share/korvane";
        QTest::newRow("build tree wins") << "beside"
                                         << "shared"
                                         << "beside"
                                         << "bin/..";
    }

    void shippedFilesFoundInEitherLayout()
    {
        QFETCH(QString, besideValue);
        QFETCH(QString, sharedValue);
        QFETCH(QString, expectedValue);
        QFETCH(QString, expectedRoot);
        QTemporaryDir tree;
        const QString program = copyProgramInto(tree);
        QVERIFY(!program.isEmpty());
        const QByteArray shipped
            = readFile(QStringLiteral(KORVANE_LIBRARY_DIR "/../conf/korvane.json"));
        QVERIFY(shipped.contains("\"input_left\": \"\""));
        const auto ship = [&](const QString& root, const QString& value) {
            if (value.isEmpty())
                return;
            QByteArray bytes = shipped;
            bytes.replace("\"input_left\": \"\"", "\"input_left\": \"" + value.toUtf8() + '"');
            QVERIFY(QDir(tree.path()).mkpath(root + QStringLiteral("/conf")));
            writeFile(tree.filePath(root + QStringLiteral("/conf/korvane.json")), bytes);
        };
        ship(QStringLiteral("."), besideValue);
        ship(QStringLiteral("share/korvane"), sharedValue);

        ProgramRunner korvane(program);
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        QVERIFY2(!korvane.log().contains(QStringLiteral(" ERROR ")), qPrintable(korvane.log()));
        const QString fontFolder
            = QDir(tree.filePath(expectedRoot + QStringLiteral("/resources/font"))).absolutePath();
        QVERIFY2(korvane.log().contains(QStringLiteral("Load font in path ") + fontFolder),
            qPrintable(korvane.log()));
        QVERIFY2(korvane.log().contains(QStringLiteral("Load translation files in ")
                     + tree.filePath(expectedRoot + QStringLiteral("/resources/translations"))),
            qPrintable(korvane.log()));
        QVERIFY(korvane.terminate());
        QCOMPARE(korvane.exitCode(), 0);

        Configuration written;
        QVERIFY(written.fromJson(readFile(homeFile(QStringLiteral("korvane.json")))));
        QCOMPARE(written.get_configurationSwitch().inputLeftChannel(), expectedValue);
    }

    void endSignalsStillWriteBack_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<int>("repeat");
        QTest::newRow("SIGTERM") << int(SIGTERM) << 1;
        QTest::newRow("SIGINT") << int(SIGINT) << 1;
        QTest::newRow("SIGHUP") << int(SIGHUP) << 1;
        // More signals while the first is being handled, the write-back included.
        QTest::newRow("SIGTERM burst") << int(SIGTERM) << 200;
    }

    void endSignalsStillWriteBack()
    {
        QFETCH(int, signalNumber);
        QFETCH(int, repeat);
        writeFile(homeFile(QStringLiteral("korvane.json")),
            R"({"configuration":{"switch":{"serial_name":"COM5","input_left":"kept"}}})");
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.start();
        QVERIFY2(korvane.waitForLog(QStringLiteral("Execute application ...")),
            qPrintable(korvane.log()));
        for (int i = 0; i < repeat; ++i)
            ::kill(static_cast<pid_t>(korvane.pid()), signalNumber);
        QVERIFY(korvane.waitForFinished());
        QCOMPARE(korvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(korvane.exitCode(), 0);
        QVERIFY(korvane.log().contains(QStringLiteral("Write user configuration into")));
        Configuration written;
        QVERIFY(written.fromJson(readFile(homeFile(QStringLiteral("korvane.json")))));
        QCOMPARE(written.get_configurationSwitch().inputLeftChannel(), QStringLiteral("kept"));
    }

    // A text console, an SSH login, a start before the desktop: no display.
    void withoutAnyDisplay_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("said");
        QTest::newRow("version") << "--version"
                                 << "1.0.0";
        QTest::newRow("help") << "--help"
                              << "--input";
        QTest::newRow("a start serves the switch") << ""
                                                   << "runs without a window";
    }

    void withoutAnyDisplay()
    {
        QFETCH(QString, argument);
        QFETCH(QString, said);
        Pty device;
        QVERIFY(device.isValid());
        writeFile(homeFile(QStringLiteral("korvane.json")),
            QStringLiteral(R"({"configuration":{"switch":{"serial_name":"%1"}}})")
                .arg(device.name())
                .toUtf8());
        ProgramRunner korvane(QStringLiteral(KORVANE_PROGRAM));
        korvane.unset({ QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
            QStringLiteral("QT_QPA_PLATFORM") });
        korvane.start(argument.isEmpty() ? QStringList() : QStringList { argument });
        QVERIFY2(korvane.waitForLog(said), qPrintable(korvane.log()));
        if (argument.isEmpty()) {
            QVERIFY2(korvane.waitForLog(
                         QStringLiteral("Start listening on serial port ") + device.name()),
                qPrintable(korvane.log()));
            QCOMPARE(korvane.logCount(said), 1);
            QVERIFY(korvane.terminate());
        } else {
            QVERIFY(korvane.waitForFinished());
        }
        QCOMPARE(korvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(korvane.exitCode(), 0);
    }

    void secondStartHandsOverAndEnds()
    {
        ProgramRunner first(QStringLiteral(KORVANE_PROGRAM));
        first.start();
        QVERIFY2(
            first.waitForLog(QStringLiteral("Execute application ...")), qPrintable(first.log()));

        ProgramRunner second(QStringLiteral(KORVANE_PROGRAM));
        second.start({ QStringLiteral("--hello") });
        QVERIFY(second.waitForFinished());
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(second.log(), QStringLiteral("korvane is already started !\n"));
        QVERIFY(!QFile::exists(homeFile(QStringLiteral("korvane.json"))));

        QVERIFY(!first.waitForFinished(500));
        QVERIFY(first.terminate());
        QCOMPARE(first.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStartup)

#include "tst_startup.moc"
