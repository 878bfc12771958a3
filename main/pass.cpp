#include "main/pass.h"

#include "common/fontdatabase.h"
#include "common/logmanager.h"
#include "common/translator.h"
#include "core/applicationinterface.h"
#include "core/instance/singleapplication.h"
#include "core/platform/processimage.h"
#include "datamodel/configuration.h"
#include "datamodel/korvanepath.h"
#include "datamodel/version.h"
#include "main/configurationfile.h"
#include "main/controlsstyle.h"
#include "main/displaysession.h"
#include "main/messageoutput.h"
#include "main/resumepoint.h"
#include "main/sceneregistration.h"
#include "main/screensettings.h"
#include "main/settingssaver.h"
#include "main/shutdownsignals.h"
#include "main/windownotices.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSystemTrayIcon>

#include <cstdio>

namespace korvane::shell {

using common::LogManager;
using core::ApplicationInterface;
using core::SingleApplication;
using datamodel::KorvanePath;

namespace {

void debug(const QString& message)
{
    LogManager::GetInstance().debugLog(message, LogManager::cst_log_app_name);
}

void error(const QString& message)
{
    LogManager::GetInstance().errorLog(message, LogManager::cst_log_app_name);
}

QString besideProgram(const QString& folder)
{
    const QString pattern = QStringLiteral("%1%2") + folder;
    return QDir(pattern.arg(KorvanePath::getInstallRoot(), QDir::separator())).absolutePath();
}

void setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("ormidan"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("ormidan.org"));
    QCoreApplication::setApplicationName(QStringLiteral("korvane"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("KORVane"));
    QCoreApplication::setApplicationVersion(datamodel::Version::cst_version);
}

} // namespace

int runPass(int& argc, char** argv, NextPass& next)
{
    int exitCode = 1;
    next = NextPass::None;

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    ControlsStyle::choose();
    const bool headless = DisplaySession::prepare();

    const QString screenSettingsPath = ScreenSettings::path();
    ScreenSettings::apply(screenSettingsPath);

    // The identity enters the single-instance block name: it must be the same
    // in every pass and in every process of one build, so set it before the
    // guard is built rather than after.
    setIdentity();

    SingleApplication app(argc, argv, false,
        SingleApplication::Options(SingleApplication::SystemWide | SingleApplication::ExcludePath),
        100);
    if (app.isSecondary()) {
        std::fputs("korvane is already started !\n", stderr);
        std::fflush(stderr);
        app.sendMessage(QCoreApplication::arguments().join(QLatin1Char(' ')).toUtf8(), 100);
        return 1;
    }
    setIdentity();
    MessageOutput messageOutput;

    // A logout, `kill` or Ctrl+C ends the run like "Exit" does, so the
    // write-back below still runs. A request that comes before the event loop
    // (while the scene loads, say) is remembered and honoured there.
    bool endRequested = false;
    const auto requestEnd = [&endRequested] {
        endRequested = true;
        QCoreApplication::exit(0);
    };
    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::requested, &app, requestEnd);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::applicationName());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption inputOption(QStringLiteral("input"),
        QStringLiteral("How keys and clicks reach the desktop: auto, xtest or uinput."),
        QStringLiteral("backend"), QStringLiteral("auto"));
    parser.addOption(inputOption);
    parser.process(app);

    if (headless)
        LogManager::GetInstance().infoLog(
            QStringLiteral("No display (DISPLAY and WAYLAND_DISPLAY are unset): Korvane runs "
                           "without a window or tray; the switch types and clicks through uinput"),
            LogManager::cst_log_app_name);

    const QString fontDirectory = besideProgram(QStringLiteral("resources%2font"));
    debug(QStringLiteral("Load font in path %1 ...").arg(fontDirectory));
    common::FontDatabase::load(fontDirectory);
    QFont font(QStringLiteral("Roboto"), 12, QFont::Normal, false);
    QGuiApplication::setFont(font);

    KorvanePath::makePath();

    ApplicationInterface interface(nullptr);
    auto& configuration = interface.get_configuration();

    const QString defaultPath = QFileInfo(
        besideProgram(QStringLiteral("conf")) + QDir::separator() + QStringLiteral("korvane.json"))
                                    .absoluteFilePath();
    debug(QStringLiteral("Load default configuration file %1 ...").arg(defaultPath));
    if (ConfigurationFile::read(defaultPath, configuration, false)
        == ConfigurationFile::ReadResult::Missing)
        error(QStringLiteral("Cannot open configuration file"));
    interface.set_configurationPath(defaultPath);

    const QString userPath
        = QFileInfo(KorvanePath::getHomePath() + QDir::separator() + QStringLiteral("korvane.json"))
              .absoluteFilePath();
    auto userRead = ConfigurationFile::ReadResult::Missing;
    const bool firstStart = !QFileInfo::exists(userPath);
    if (!firstStart) {
        debug(QStringLiteral("Load configuration file %1 ...").arg(userPath));
        userRead = ConfigurationFile::read(userPath, configuration, true);
        interface.set_configurationPath(userPath);
    }
    const bool userFileWritable = userRead != ConfigurationFile::ReadResult::Unreadable;

    auto& application = configuration.get_configurationApplication();
    debug(
        QStringLiteral("Load translation files in %1 ...").arg(KorvanePath::getTranslationPath()));
    application.languageList().loadDirectory(KorvanePath::getTranslationPath());
    interface.setLanguage(application.language());

    SettingsSaver saver(configuration, userPath, screenSettingsPath, userFileWritable);
    for (QObject* section :
        std::initializer_list<QObject*> { &application, &configuration.get_configurationSwitch(),
            &configuration.get_configurationSwitch().leftChannel(),
            &configuration.get_configurationSwitch().rightChannel() })
        saver.watch(section);
    saver.followSession(&app);

    debug(QStringLiteral("Loading application ..."));
    // The log goes last: the scene holds it, and taking the scene down runs
    // handlers that still log (a link reporting its stop).
    struct LogRelease {
        ~LogRelease() { LogManager::Destroy(); }
    } logRelease;
    // Before the engine: the scene refers to it until the engine has taken
    // the scene down, which runs handlers on the way (a link reporting its stop).
    WindowNotices notices;
    QQmlApplicationEngine engine;
    setSceneContext(engine.rootContext(), interface);
    registerSceneTypes();

    debug(QStringLiteral("Initialize application ..."));
    app.initialize(&interface);

    const bool systray = QSystemTrayIcon::isSystemTrayAvailable();
    setSystrayEnabled(engine.rootContext(), systray);
    setFirstStart(engine.rootContext(), firstStart);
    // The user runs on the defaults: the window says so and where their text is.
    notices.setTrayMissing(!systray && !headless);
    if (userRead == ConfigurationFile::ReadResult::Malformed)
        notices.reportUnreadSettings(userPath, ConfigurationFile::backupPath(userPath));
    else if (userRead == ConfigurationFile::ReadResult::Unreadable)
        notices.reportUnreadSettings(userPath, userPath);
    setWindowNotices(engine.rootContext(), &notices);
    QString restartPage;
    const bool restarted = ResumePoint::take(&restartPage);
    setRestartPage(engine.rootContext(), restarted, restartPage);
    // Without a tray the window says so itself: a modal box here would keep
    // the switch from starting until someone clicked it away.
    if (systray)
        QGuiApplication::setQuitOnLastWindowClosed(false);
    else if (!headless)
        debug(QStringLiteral("No systray was found: the window stays shown"));

    QObject::connect(&interface, &ApplicationInterface::languageChanged, &engine,
        &QQmlApplicationEngine::retranslate);
    QObject::connect(&app, &SingleApplication::receivedMessage, &interface,
        &ApplicationInterface::sendNotification);

    debug(QStringLiteral("Loading QML ..."));
    ControlsStyle::renew();
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty()) {
        error(QStringLiteral("Cannot load main.qml"));
        app.clean();
        return 1;
    }
    // Once the scene listens, so that a device it cannot open is shown.
    interface.selectInputBackend(parser.value(inputOption));
    // After the scene's own choices at start (a port in place of a foreign
    // one): only the user's changes make the defaults theirs.
    notices.watchDocument(configuration);

    try {
        interface.updateConfiguration();
        debug(QStringLiteral("Execute application ..."));
        exitCode = endRequested ? 0 : app.exec();
    } catch (const common::Exception& exception) {
        error(exception.description());
        exitCode = 1;
    }

    const bool restart = exitCode == ApplicationInterface::cst_reboot_code;
    if (restart)
        ResumePoint::leave(engine);

    // Whatever was pressed on behalf of the switch goes up before we leave.
    interface.releaseAll();

    saver.saveAll();

    app.clean();
    if (restart) {
        // A second application object in this process would stay out of
        // reach of screen readers: Qt Quick installs its accessibility
        // factory once per process and the first application object's end
        // drops it, so the next window has no accessible tree; and the
        // accessibility bus connection outlives the application object under
        // its fixed name, so the next one registers again as a second
        // application of the same connection. A new image of the process
        // starts Qt clean; it takes the single-instance guard over.
        const bool newImage = !headless && core::platform::canReplaceProcessImage();
        if (newImage)
            app.handOver();
        next = newImage ? NextPass::InNewImage : NextPass::InThisImage;
    }
    return exitCode;
}

} // namespace korvane::shell
