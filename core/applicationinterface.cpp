#include "core/applicationinterface.h"

#include "common/logmanager.h"
#include "common/timeutils.h"
#include "core/platform/autostart.h"
#include "core/platform/displayrotation.h"
#include "core/platform/inputbackend.h"
#include "core/platform/inputinjector.h"
#include "datamodel/version.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <QTranslator>
#include <QWindow>

namespace korvane::core {

namespace {
const QString cstTranslationFolder = QStringLiteral(":/translations");

// A catalogue that is missing stays uninstalled, so its texts show in English.
QTranslator* loadCatalogue(const QString& name)
{
    auto* translator = new QTranslator;
    if (translator->load(name, cstTranslationFolder))
        QCoreApplication::installTranslator(translator);
    return translator;
}
} // namespace

const int ApplicationInterface::cst_reboot_code = 999;

ApplicationInterface::ApplicationInterface(QObject* parent)
    : QObject(parent)
    , m_channels(m_configuration.get_configurationSwitch())
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
    connect(&m_channels, &ChannelInjector::heldTextChanged, this,
        &ApplicationInterface::heldTextChanged);
    // Asked at each cue: a file read into the document emits no signal.
    m_channels.setSoundCuesOn(
        [this]() { return m_configuration.get_configurationApplication().soundCues(); });
}

ApplicationInterface::~ApplicationInterface()
{
    releaseAll();
    delete m_qtTranslator;
    delete m_appTranslator;
}

bool ApplicationInterface::eventFilter(QObject* watched, QEvent* event)
{
    // The held text is made in C++, out of reach of the scene's retranslation.
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        m_channels.retranslate();
    return QObject::eventFilter(watched, event);
}

void ApplicationInterface::set_configuration(const datamodel::Configuration& configuration)
{
    // Assignment emits no change signals: a channel whose settings differ
    // lets go here, as it would for a change made in the window.
    const datamodel::ConfigurationSwitch before = m_configuration.get_configurationSwitch();
    m_configuration.set_configurationApplication(configuration.get_configurationApplication());
    m_configuration.set_configurationSwitch(configuration.get_configurationSwitch());
    const auto& after = m_configuration.get_configurationSwitch();
    if (before.leftChannel() != after.leftChannel()
        || before.inputLeftChannel() != after.inputLeftChannel()
        || before.releaseLeftChannel() != after.releaseLeftChannel())
        m_channels.releaseChannel(0);
    if (before.rightChannel() != after.rightChannel()
        || before.inputRightChannel() != after.inputRightChannel()
        || before.releaseRightChannel() != after.releaseRightChannel())
        m_channels.releaseChannel(1);
}

void ApplicationInterface::sendNotification(uint instanceId, QByteArray message)
{
    Q_UNUSED(instanceId)
    emit notificationReceived(QString::fromUtf8(message));
}

void ApplicationInterface::updateConfiguration()
{
    runOnStartup(m_configuration.get_configurationApplication().runStartup());
}

bool ApplicationInterface::runOnStartup(bool enable)
{
    QString error;
    if (Autostart::apply(QCoreApplication::applicationFilePath(), enable, &error))
        return true;
    common::LogManager::GetInstance().errorLog(
        QStringLiteral("Start at login could not be %1: %2")
            .arg(enable ? QStringLiteral("enabled") : QStringLiteral("disabled"), error));
    return false;
}

int ApplicationInterface::getCurrentVersion()
{
    QString digits = datamodel::Version::cst_version;
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const int version = digits.toInt(&ok, 10);
    return ok ? version : 0;
}

bool ApplicationInterface::restart()
{
    QCoreApplication::exit(cst_reboot_code);
    return true;
}

bool ApplicationInterface::exit()
{
    QCoreApplication::quit();
    return true;
}

bool ApplicationInterface::isMobile()
{
    const QString type = QSysInfo::productType().toLower();
    return type.contains(QLatin1String("ios")) || type.contains(QLatin1String("android"));
}

QDateTime ApplicationInterface::getCurrentDateTimeUtc()
{
    return QDateTime::currentDateTimeUtc();
}

QString ApplicationInterface::getDateTime(QDateTime dateTime)
{
    return QLocale().toString(dateTime, QLocale::ShortFormat);
}

QString ApplicationInterface::formatDuration(qulonglong duration_ms)
{
    return common::TimeUtils::toTimeString(duration_ms, false);
}

QString ApplicationInterface::getLocalFile(QUrl url)
{
    return url.toString(QUrl::PreferLocalFile);
}

QUrl ApplicationInterface::getURL(QString filePath)
{
    return QUrl::fromLocalFile(filePath);
}

QPoint ApplicationInterface::cursorPos()
{
    return QCursor::pos();
}

bool ApplicationInterface::isDarkColor(QColor color)
{
    const double darkness
        = 1.0 - (0.299 * color.redF() + 0.587 * color.greenF() + 0.114 * color.blueF());
    return color.alpha() > 0 && darkness >= 0.3;
}

QColor ApplicationInterface::getFontColor(QColor background)
{
    return isDarkColor(background) ? QColor(Qt::white) : QColor(Qt::black);
}

QColor ApplicationInterface::getInvertColor(QColor color)
{
    return QColor(255 - color.red(), 255 - color.green(), 255 - color.blue(), 255);
}

double ApplicationInterface::getDpiFactorX(QPoint ref)
{
    const QScreen* screen = QGuiApplication::screenAt(ref);
    return screen ? screen->devicePixelRatio() : 0.0;
}

double ApplicationInterface::getDpiFactorY(QPoint ref)
{
    return getDpiFactorX(ref);
}

bool ApplicationInterface::isScreenInverted(QPoint ref)
{
    const QScreen* screen = QGuiApplication::screenAt(ref);
    return screen && screen->orientation() == Qt::InvertedPortraitOrientation;
}

void ApplicationInterface::setOrientation(QString orientation)
{
    DisplayRotation::apply(orientation);
}

QString ApplicationInterface::translate(QString text)
{
    return text;
}

void ApplicationInterface::setLanguage(QString language)
{
    if (language == m_language)
        return;
    m_language = language;
    updateTranslation(m_language);
    emit languageChanged(language);
}

void ApplicationInterface::updateTranslation(QString language)
{
    delete m_qtTranslator;
    m_qtTranslator = nullptr;
    delete m_appTranslator;
    m_appTranslator = nullptr;

    m_qtTranslator = loadCatalogue(QStringLiteral("qt_%1").arg(language));
    m_appTranslator = loadCatalogue(QStringLiteral("korvane_%1").arg(language));

    qDebug().noquote() << QLocale::languageToString(QLocale(language).language());

    if (language.contains(QLatin1String("fr")))
        QLocale::setDefault(QLocale(QLocale::French, QLocale::AnyCountry));
    else
        QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
}

bool ApplicationInterface::selectInputBackend(const QString& request, const QString& uinputPath)
{
    auto& log = common::LogManager::GetInstance();
    InputBackend::Kind kind = InputBackend::Auto;
    const bool known = request.isEmpty() || InputBackend::parse(request, &kind);
    if (!known)
        log.errorLog(
            QStringLiteral("Unknown input back end \"%1\" (auto, xtest or uinput): using auto")
                .arg(request));
    const QByteArray device = uinputPath.toLocal8Bit();
    InputBackend::Selection selection = uinputPath.isEmpty()
        ? InputBackend::open(kind, InputBackend::Session::current())
        : InputBackend::open(kind, InputBackend::Session::current(), device.constData());
    if (selection.problem.isEmpty())
        log.infoLog(selection.log);
    else
        log.errorLog(selection.log);
    setInputInjector(std::move(selection.injector));
    m_layoutFollower = std::move(selection.layoutFollower);
    if (selection.problem != m_inputProblem) {
        m_inputProblem = selection.problem;
        emit inputProblemChanged(m_inputProblem);
    }
    return known;
}

void ApplicationInterface::buttonPressed(int channel)
{
    m_channels.press(channel);
}

void ApplicationInterface::buttonPressed(const datamodel::ConfigurationChannel& configuration)
{
    m_channels.pressNow(configuration);
}

void ApplicationInterface::buttonReleased(int channel)
{
    m_channels.release(channel);
}

void ApplicationInterface::buttonReleased(const datamodel::ConfigurationChannel& configuration)
{
    m_channels.releaseNow(configuration);
}

void ApplicationInterface::releaseAll()
{
    m_channels.releaseAll();
}

void ApplicationInterface::setInputInjector(std::unique_ptr<InputInjector> injector)
{
    m_channels.setInputInjector(std::move(injector));
}

QString ApplicationInterface::keyString(qulonglong key, int modifier)
{
    return ChannelInjector::keyText(key, modifier);
}

void ApplicationInterface::sendKeyEvent(QEvent::Type type, Qt::Key key)
{
    if (!QCoreApplication::instance())
        return;
    QWindow* window = QGuiApplication::focusWindow();
    if (!window)
        return;
    QKeyEvent event(type, key, Qt::NoModifier, QString(), false, 1);
    QCoreApplication::sendEvent(window, &event);
}

void ApplicationInterface::sendKeyPressEvent(Qt::Key key)
{
    sendKeyEvent(QEvent::KeyPress, key);
}

void ApplicationInterface::sendKeyReleaseEvent(Qt::Key key)
{
    sendKeyEvent(QEvent::KeyRelease, key);
}

void ApplicationInterface::setMousePosition(double x, double y)
{
    QCursor::setPos(static_cast<int>(x), static_cast<int>(y));
}

} // namespace korvane::core
