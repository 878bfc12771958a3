// The application interface's own operations: languages with real catalogues,
// colours, screens, keys, notifications, start at login and the event loop.
#include "common/logmanager.h"
#include "core/applicationinterface.h"
#include "core/platform/autostart.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <climits>

using namespace korvane::core;
using korvane::common::LogManager;

namespace {
QString frenchQtText()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}
QString frenchAppText()
{
    return QCoreApplication::translate("korvane::Translator", "Left channel");
}

class KeyWindow : public QWindow {
public:
    QList<QKeyEvent> events;

protected:
    void keyPressEvent(QKeyEvent* event) override { events << *event; }
    void keyReleaseEvent(QKeyEvent* event) override { events << *event; }
};
} // namespace

class TestApplicationInterface : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void setLanguage_data();
    void setLanguage();
    void setLanguageAgainDoesNothing();
    void leavingFrenchRemovesItsCatalogues();
    void dateFollowsTheLanguage();
    void colours_data();
    void colours();
    void version();
    void sendNotification_data();
    void sendNotification();
    void keyString_data();
    void keyString();
    void screens_data();
    void screens();
    void smallOperations();
    void setMousePositionTruncates();
    void keyEventsGoToTheFocusWindowOnly();
    void runOnStartupWritesAndRemovesTheEntry();
    void runOnStartupReportsFailure();
    void updateConfigurationFollowsTheSetting();
    void setConfigurationKeepsTheSectionObjects();
    void restartAndExitEndTheLoop_data();
    void restartAndExitEndTheLoop();

private:
    std::unique_ptr<ApplicationInterface> m_interface;
};

void TestApplicationInterface::init()
{
    QLocale::setDefault(QLocale::c());
    m_interface = std::make_unique<ApplicationInterface>();
}

void TestApplicationInterface::cleanup()
{
    m_interface.reset();
}

void TestApplicationInterface::setLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("emitted");
    QTest::addColumn<QLocale::Language>("locale");
    QTest::addColumn<QString>("qtText");
    QTest::addColumn<QString>("appText");
    // Key names are shown in the user's language; what is stored stays the same.
    QTest::addColumn<QString>("space");

    // The interface starts as en_US: nothing loads and the locale stays as it was.
    QTest::newRow("en_US") << "en_US" << false << QLocale::C << "Cancel"
                           << "Left channel"
                           << "Space";
    QTest::newRow("fr") << "fr" << true << QLocale::French << "Annuler"
                        << "Canal gauche"
                        << "Espace";
    // Found through the loader's fallback from fr_FR to fr.
    QTest::newRow("fr_FR") << "fr_FR" << true << QLocale::French << "Annuler"
                           << "Canal gauche"
                           << "Espace";
    QTest::newRow("de") << "de" << true << QLocale::English << "Cancel"
                        << "Left channel"
                        << "Space";
    QTest::newRow("en") << "en" << true << QLocale::English << "Cancel"
                        << "Left channel"
                        << "Space";
    // The comparison is case-sensitive, like the resource names.
    QTest::newRow("FR") << "FR" << true << QLocale::English << "Cancel"
                        << "Left channel"
                        << "Space";
    QTest::newRow("empty") << "" << true << QLocale::English << "Cancel"
                           << "Left channel"
                           << "Space";
}

void TestApplicationInterface::setLanguage()
{
    QFETCH(QString, code);
    QFETCH(bool, emitted);
    QFETCH(QLocale::Language, locale);
    QFETCH(QString, qtText);
    QFETCH(QString, appText);
    QFETCH(QString, space);

    QSignalSpy changed(m_interface.get(), &ApplicationInterface::languageChanged);
    m_interface->setLanguage(code);
    QCOMPARE(changed.count(), emitted ? 1 : 0);
    if (emitted)
        QCOMPARE(changed.first().first().toString(), code);
    QCOMPARE(m_interface->language(), code);
    QCOMPARE(m_interface->property("language").toString(), code);
    QCOMPARE(QLocale().language(), locale);
    QCOMPARE(frenchQtText(), qtText);
    QCOMPARE(frenchAppText(), appText);
    QCOMPARE(m_interface->keyString(Qt::Key_Space, 0), space);
}

void TestApplicationInterface::setLanguageAgainDoesNothing()
{
    QSignalSpy changed(m_interface.get(), &ApplicationInterface::languageChanged);
    m_interface->setLanguage("fr");
    m_interface->setLanguage("fr");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(frenchQtText(), QString("Annuler"));
}

void TestApplicationInterface::leavingFrenchRemovesItsCatalogues()
{
    m_interface->setLanguage("fr");
    QCOMPARE(frenchAppText(), QString("Canal gauche"));
    m_interface->setLanguage("de");
    QCOMPARE(frenchAppText(), QString("Left channel"));
    m_interface->setLanguage("fr_FR");
    QCOMPARE(frenchAppText(), QString("Canal gauche"));
    // The destructor takes the catalogues away as well.
    m_interface.reset();
    QCOMPARE(frenchQtText(), QString("Cancel"));
    QCOMPARE(frenchAppText(), QString("Left channel"));
}

void TestApplicationInterface::dateFollowsTheLanguage()
{
    const QDateTime when(QDate(2024, 3, 5), QTime(9, 7));
    m_interface->setLanguage("fr");
    QCOMPARE(m_interface->getDateTime(when),
        QLocale(QLocale::French).toString(when, QLocale::ShortFormat));
    QVERIFY(m_interface->getDateTime(when).startsWith("05/03/2024"));
    m_interface->setLanguage("en");
    QCOMPARE(m_interface->getDateTime(when),
        QLocale(QLocale::English).toString(when, QLocale::ShortFormat));
    // Any year is formatted, also far from today.
    QVERIFY(!m_interface->getDateTime(QDateTime(QDate(1900, 1, 1), QTime(0, 0))).isEmpty());
}

void TestApplicationInterface::colours_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("font");
    QTest::addColumn<QColor>("inverted");

    QTest::newRow("black") << QColor(0, 0, 0) << true << QColor(Qt::white) << QColor(255, 255, 255);
    QTest::newRow("white") << QColor(255, 255, 255) << false << QColor(Qt::black)
                           << QColor(0, 0, 0);
    QTest::newRow("grey 178 is dark")
        << QColor(178, 178, 178) << true << QColor(Qt::white) << QColor(77, 77, 77);
    QTest::newRow("grey 179 is not")
        << QColor(179, 179, 179) << false << QColor(Qt::black) << QColor(76, 76, 76);
    QTest::newRow("transparent black is never dark")
        << QColor(0, 0, 0, 0) << false << QColor(Qt::black) << QColor(255, 255, 255, 255);
    QTest::newRow("half-transparent red inverts to opaque cyan")
        << QColor(255, 0, 0, 128) << true << QColor(Qt::white) << QColor(0, 255, 255, 255);
    QTest::newRow("yellow") << QColor(255, 255, 0) << false << QColor(Qt::black)
                            << QColor(0, 0, 255);
    QTest::newRow("blue") << QColor(0, 0, 255) << true << QColor(Qt::white) << QColor(255, 255, 0);
}

void TestApplicationInterface::colours()
{
    QFETCH(QColor, colour);
    QFETCH(bool, dark);
    QFETCH(QColor, font);
    QFETCH(QColor, inverted);

    QCOMPARE(m_interface->isDarkColor(colour), dark);
    QCOMPARE(m_interface->getFontColor(colour), font);
    QCOMPARE(m_interface->getInvertColor(colour), inverted);
    QCOMPARE(m_interface->getInvertColor(colour).alpha(), 255);
}

void TestApplicationInterface::version()
{
    QCOMPARE(m_interface->getCurrentVersion(), 100);
}

void TestApplicationInterface::sendNotification_data()
{
    QTest::addColumn<uint>("instance");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << 0u << QByteArray() << QString();
    QTest::newRow("arguments") << 7u << QByteArray("/opt/korvane/bin/korvane --help")
                               << "/opt/korvane/bin/korvane --help";
    QTest::newRow("utf-8") << UINT_MAX << QString("C:/Données/korvane ✓").toUtf8()
                           << QString("C:/Données/korvane ✓");
}

void TestApplicationInterface::sendNotification()
{
    QFETCH(uint, instance);
    QFETCH(QByteArray, message);
    QFETCH(QString, text);

    QSignalSpy received(m_interface.get(), &ApplicationInterface::notificationReceived);
    m_interface->sendNotification(instance, message);
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.first().first().toString(), text);
}

void TestApplicationInterface::keyString_data()
{
    QTest::addColumn<qulonglong>("key");
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QString>("text");

    QTest::newRow("no key") << qulonglong(0) << 0 << QString();
    QTest::newRow("no key, with a modifier")
        << qulonglong(0) << int(Qt::ShiftModifier) << QString();
    QTest::newRow("F5") << qulonglong(Qt::Key_F5) << 0 << "F5";
    QTest::newRow("Shift+A") << qulonglong(Qt::Key_A) << int(Qt::ShiftModifier) << "Shift+A";
    QTest::newRow("Ctrl+A") << qulonglong(Qt::Key_A) << int(Qt::ControlModifier) << "Ctrl+A";
    QTest::newRow("Ctrl+Alt+Del") << qulonglong(Qt::Key_Delete)
                                  << int(Qt::ControlModifier | Qt::AltModifier) << "Ctrl+Alt+Del";
    QTest::newRow("Space") << qulonglong(Qt::Key_Space) << 0 << "Space";
    QTest::newRow("a lone modifier") << qulonglong(Qt::Key_Shift) << 0 << QString();
    // Only the low 32 bits of the key count.
    QTest::newRow("high bits dropped") << (qulonglong(1) << 40 | Qt::Key_B) << 0 << "B";
    // Any number may stand in the file: nothing overflows, nothing is made up.
    QTest::newRow("key at int max") << qulonglong(INT_MAX) << 0 << QString();
    QTest::newRow("key beyond Qt's codes") << qulonglong(Qt::Key_unknown + 1) << 0 << QString();
    QTest::newRow("modifier at int max") << qulonglong(Qt::Key_A) << INT_MAX << QString();
    QTest::newRow("modifier at int min") << qulonglong(Qt::Key_A) << INT_MIN << QString();
    QTest::newRow("both at int max") << qulonglong(INT_MAX) << INT_MAX << QString();
    QTest::newRow("key from a negative number") << qulonglong(-1) << 0 << QString();
    QTest::newRow("modifier bits of the key")
        << qulonglong(Qt::Key_A | Qt::ShiftModifier) << 0 << QString();
}

void TestApplicationInterface::keyString()
{
    QFETCH(qulonglong, key);
    QFETCH(int, modifier);
    QFETCH(QString, text);
    QCOMPARE(m_interface->keyString(key, modifier), text);
}

void TestApplicationInterface::screens_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("onScreen");

    QTest::newRow("inside") << QPoint(10, 10) << true;
    QTest::newRow("far left") << QPoint(-100000, 10) << false;
    QTest::newRow("far below") << QPoint(10, 100000) << false;
}

void TestApplicationInterface::screens()
{
    QFETCH(QPoint, point);
    QFETCH(bool, onScreen);

    const double ratio = onScreen ? QGuiApplication::screenAt(point)->devicePixelRatio() : 0.0;
    QCOMPARE(m_interface->getDpiFactorX(point), ratio);
    QCOMPARE(m_interface->getDpiFactorY(point), ratio);
    QCOMPARE(m_interface->isScreenInverted(point), false);
}

void TestApplicationInterface::smallOperations()
{
    QCOMPARE(m_interface->translate("abc"), QString("abc"));
    QCOMPARE(m_interface->isMobile(), false);
    QCOMPARE(m_interface->formatDuration(65000), QString("01:05"));
    QCOMPARE(m_interface->getCurrentDateTimeUtc().timeSpec(), Qt::UTC);
    QCOMPARE(m_interface->getLocalFile(QUrl("file:///tmp/a b.json")), QString("/tmp/a b.json"));
    QCOMPARE(
        m_interface->getLocalFile(QUrl("https://example.org/x")), QString("https://example.org/x"));
    QCOMPARE(m_interface->getURL("/tmp/a b.json"), QUrl("file:///tmp/a b.json"));
    // Events pass through the filter untouched.
    QEvent event(QEvent::User);
    QCOMPARE(m_interface->eventFilter(qApp, &event), false);
    // No rotation facility here; neither text may do harm.
    m_interface->setOrientation("ORIENTATION_PREFERENCE_LANDSCAPE");
    m_interface->setOrientation("landscape");
}

void TestApplicationInterface::setMousePositionTruncates()
{
    // Toward zero, not down: -3.7 gives -3.
    m_interface->setMousePosition(10.9, -3.7);
    QCOMPARE(m_interface->cursorPos(), QPoint(10, -3));
    m_interface->setMousePosition(20.2, 0.99);
    QCOMPARE(QCursor::pos(), QPoint(20, 0));
}

void TestApplicationInterface::keyEventsGoToTheFocusWindowOnly()
{
    KeyWindow window;
    m_interface->sendKeyPressEvent(Qt::Key_Left);
    QVERIFY(window.events.isEmpty());

    window.resize(100, 100);
    window.show();
    window.requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), &window);
    m_interface->sendKeyPressEvent(Qt::Key_Left);
    m_interface->sendKeyReleaseEvent(Qt::Key_Left);
    QCOMPARE(window.events.size(), 2);
    QCOMPARE(window.events[0].type(), QEvent::KeyPress);
    QCOMPARE(window.events[1].type(), QEvent::KeyRelease);
    for (const QKeyEvent& event : qAsConst(window.events)) {
        QCOMPARE(event.key(), int(Qt::Key_Left));
        QCOMPARE(event.modifiers(), Qt::NoModifier);
        QCOMPARE(event.text(), QString());
        QCOMPARE(event.isAutoRepeat(), false);
        QCOMPARE(event.count(), 1);
    }
}

void TestApplicationInterface::runOnStartupWritesAndRemovesTheEntry()
{
    const QString entry = Autostart::location();
    QVERIFY2(entry.startsWith(qEnvironmentVariable("KORVANE_TEST_ROOT")), qPrintable(entry));
    QVERIFY(m_interface->runOnStartup(true));
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\nExec="
        + Autostart::desktopExecValue(QCoreApplication::applicationFilePath()).toUtf8() + "\n"));
    QVERIFY(m_interface->runOnStartup(false));
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(m_interface->runOnStartup(false));
}

void TestApplicationInterface::runOnStartupReportsFailure()
{
    // A file where the autostart folder belongs makes the entry impossible.
    const QString config = qEnvironmentVariable("KORVANE_TEST_ROOT") + "/blocked-config";
    QVERIFY(QDir().mkpath(config));
    QFile blocker(config + "/autostart");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.toUtf8());

    QSignalSpy errors(&LogManager::GetInstance(), &LogManager::error);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Start at login could not be enabled"));
    const bool enabled = m_interface->runOnStartup(true);
    qputenv("XDG_CONFIG_HOME", saved);
    QVERIFY(!enabled);
    QCOMPARE(errors.count(), 1);
}

void TestApplicationInterface::updateConfigurationFollowsTheSetting()
{
    auto& application = m_interface->get_configuration().get_configurationApplication();
    QVERIFY(application.runStartup());
    m_interface->updateConfiguration();
    QVERIFY(Autostart::isEnabled());
    application.set_runStartup(false);
    m_interface->updateConfiguration();
    QVERIFY(!Autostart::isEnabled());
}

void TestApplicationInterface::setConfigurationKeepsTheSectionObjects()
{
    auto* application = &m_interface->get_configuration().get_configurationApplication();
    auto* left = &m_interface->get_configuration().get_configurationSwitch().leftChannel();
    korvane::datamodel::Configuration document;
    document.get_configurationApplication().set_language("fr");
    document.get_configurationSwitch().leftChannel().set_key(Qt::Key_Q);
    m_interface->set_configuration(document);
    QCOMPARE(&m_interface->get_configuration().get_configurationApplication(), application);
    QCOMPARE(&m_interface->get_configuration().get_configurationSwitch().leftChannel(), left);
    QCOMPARE(application->language(), QString("fr"));
    QCOMPARE(left->key(), int(Qt::Key_Q));

    m_interface->set_configurationPath("/tmp/korvane.json");
    QCOMPARE(m_interface->get_configurationPath(), QString("/tmp/korvane.json"));
}

void TestApplicationInterface::restartAndExitEndTheLoop_data()
{
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("code");
    QTest::newRow("restart") << true << ApplicationInterface::cst_reboot_code;
    QTest::newRow("exit") << false << 0;
}

void TestApplicationInterface::restartAndExitEndTheLoop()
{
    QFETCH(bool, restart);
    QFETCH(int, code);
    QCOMPARE(ApplicationInterface::cst_reboot_code, 999);
    QTimer::singleShot(0, m_interface.get(),
        [&] { QVERIFY(restart ? m_interface->restart() : m_interface->exit()); });
    QCOMPARE(QCoreApplication::exec(), code);
}

QTEST_MAIN(TestApplicationInterface)
#include "tst_applicationinterface.moc"
