// Settings reach the disk about a second after each change (so a crash or a
// `kill -9` loses at most that second), only when something changed, and
// whenever the session manager asks, which never ends the run.
#include "common/logmanager.h"
#include "datamodel/configuration.h"
#include "main/screensettings.h"
#include "main/settingssaver.h"

#include <QFile>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using korvane::common::LogManager;
using korvane::datamodel::Configuration;
using korvane::shell::SettingsSaver;

class TestSettingsSaver : public QObject {
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Configuration> m_configuration;
    QScopedPointer<SettingsSaver> m_saver;

    QString configurationPath() const { return m_dir->filePath(QStringLiteral("korvane.json")); }
    QString screenPath() const { return m_dir->filePath(QStringLiteral("screen.ini")); }

    void makeSaver(bool writable)
    {
        m_saver.reset(
            new SettingsSaver(*m_configuration, configurationPath(), screenPath(), writable));
        auto& section = m_configuration->get_configurationSwitch();
        for (QObject* object :
            std::initializer_list<QObject*> { &m_configuration->get_configurationApplication(),
                &section, &section.leftChannel(), &section.rightChannel() })
            m_saver->watch(object);
    }

    QObject* section(const QString& name)
    {
        auto& section = m_configuration->get_configurationSwitch();
        if (name == QLatin1String("application"))
            return &m_configuration->get_configurationApplication();
        if (name == QLatin1String("left"))
            return &section.leftChannel();
        if (name == QLatin1String("right"))
            return &section.rightChannel();
        return &section;
    }

    // The session manager's request as the platform delivers it; the saver
    // never looks at the manager object, which only the platform can make.
    static void commitDataRequest()
    {
        const QMetaObject& meta = QGuiApplication::staticMetaObject;
        int local = 0;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            if (method.methodType() != QMetaMethod::Signal)
                continue;
            if (method.methodSignature() == "commitDataRequest(QSessionManager&)") {
                void* arguments[] = { nullptr, nullptr };
                QMetaObject::activate(qApp, &meta, local, arguments);
                return;
            }
            ++local;
        }
        QFAIL("no commitDataRequest signal");
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_configuration.reset(new Configuration);
        makeSaver(true);
    }

    void cleanup()
    {
        m_saver.reset();
        m_configuration.reset();
    }

    void savesSoonAfterAChange_data()
    {
        QTest::addColumn<QString>("sectionName");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("configurationWritten");
        QTest::addColumn<bool>("screenWritten");

        QTest::newRow("port") << "switch" << QByteArray("serialName") << QVariant("/dev/ttyUSB0")
                              << true << true << false;
        QTest::newRow("button line")
            << "switch" << QByteArray("inputLeftChannel") << QVariant("L") << true << true << false;
        QTest::newRow("left channel on")
            << "left" << QByteArray("enabled") << QVariant(true) << true << true << false;
        QTest::newRow("right channel key")
            << "right" << QByteArray("key") << QVariant(65) << true << true << false;
        QTest::newRow("start at login") << "application" << QByteArray("runStartup")
                                        << QVariant(false) << true << true << false;
        QTest::newRow("scale") << "application" << QByteArray("scale") << QVariant(1.25) << true
                               << true << true;
        QTest::newRow("orientation")
            << "application" << QByteArray("orientation")
            << QVariant("ORIENTATION_PREFERENCE_LANDSCAPE") << true << true << true;
        QTest::newRow("unreadable user file stays untouched")
            << "application" << QByteArray("scale") << QVariant(1.5) << false << false << true;
        QTest::newRow("same value again")
            << "switch" << QByteArray("serialName") << QVariant("COM5") << true << false << false;
    }

    void savesSoonAfterAChange()
    {
        QFETCH(QString, sectionName);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        QFETCH(bool, writable);
        QFETCH(bool, configurationWritten);
        QFETCH(bool, screenWritten);
        makeSaver(writable);
        QSignalSpy saved(m_saver.data(), &SettingsSaver::saved);

        QObject* object = section(sectionName);
        QVERIFY(object->setProperty(property, value));
        // A burst of changes is one write, after the last of them.
        QVERIFY(object->setProperty(property, value));
        QCOMPARE(m_saver->isPending(), configurationWritten || screenWritten);
        if (!m_saver->isPending()) {
            QVERIFY(!QFile::exists(configurationPath()));
            return;
        }
        QVERIFY(!QFile::exists(configurationPath()));
        QVERIFY(saved.wait(5000));
        QCOMPARE(saved.count(), 1);
        QVERIFY(saved.at(0).at(0).toBool());
        QCOMPARE(QFile::exists(configurationPath()), configurationWritten);
        QCOMPARE(QFile::exists(screenPath()), screenWritten);
        if (configurationWritten) {
            Configuration written;
            QFile file(configurationPath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(written.fromJson(file.readAll()));
            QCOMPARE(written.toJson(), m_configuration->toJson());
        }
        // Written once: a save with nothing new writes nothing.
        QVERIFY(m_saver->saveChanges());
        QCOMPARE(saved.count(), 1);
    }

    void sessionRequestWritesAndKeepsRunning()
    {
        makeSaver(true);
        m_saver->followSession(qobject_cast<QGuiApplication*>(qApp));
        QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
        QSignalSpy saved(m_saver.data(), &SettingsSaver::saved);
        commitDataRequest();
        QCOMPARE(saved.count(), 1);
        QVERIFY(QFile::exists(configurationPath()));
        QCOMPARE(korvane::shell::ScreenSettings::content(
                     1.0, QStringLiteral("ORIENTATION_PREFERENCE_PORTRAIT")),
            QByteArray("[General]\norientation=ORIENTATION_PREFERENCE_PORTRAIT\nscale=1\n"));
        // The event loop goes on: a queued call still arrives, no quit came.
        QSignalSpy later(this, &QObject::objectNameChanged);
        QMetaObject::invokeMethod(
            this, [this] { setObjectName(QStringLiteral("still running")); }, Qt::QueuedConnection);
        QVERIFY(later.wait(5000));
        QCOMPARE(aboutToQuit.count(), 0);
    }

    void failedWriteIsLoggedWithTheReason()
    {
        m_saver.reset(new SettingsSaver(*m_configuration,
            m_dir->filePath(QStringLiteral("gone/korvane.json")), screenPath(), true));
        QSignalSpy errors(&LogManager::GetInstance(), &LogManager::error);
        QVERIFY(!m_saver->saveAll());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(),
            QStringLiteral("Cannot write user configuration: No such file or directory"));
    }
};

QTEST_MAIN(TestSettingsSaver)

#include "tst_settingssaver.moc"
