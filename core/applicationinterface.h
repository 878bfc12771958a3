#pragma once

#include "core/channelinjector.h"
#include "core/korvane_core_export.h"
#include "datamodel/configuration.h"

#include <QColor>
#include <QDateTime>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QUrl>

#include <memory>

class QTranslator;

namespace korvane::core {

// The one object through which the scene reaches the system: it owns the
// configuration document, switches the interface language, keeps the start at
// login in step, restarts and quits, and injects what the switch channels are
// configured to produce (through its ChannelInjector).
class KORVANE_CORE_EXPORT ApplicationInterface : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    // Why the switch's input cannot reach the desktop and what to do, for the
    // user ("%1" stands for the program's name); empty when it can.
    Q_PROPERTY(QString inputProblem READ inputProblem NOTIFY inputProblemChanged)
    // What a latched channel keeps pressed ("Left mouse button held"), for the
    // window and the tray; empty when nothing is latched.
    Q_PROPERTY(QString heldText READ heldText NOTIFY heldTextChanged)
    // The road of the switch channels to the desktop; the switch controller
    // closes its gate while a line is being learned.
    Q_PROPERTY(korvane::core::ChannelInjector* channels READ channels CONSTANT)

public:
    // Exit code of the event loop that makes the entry function start again.
    static const int cst_reboot_code;
    // The application object must exist already: the interface installs
    // itself as its event filter.
    explicit ApplicationInterface(QObject* parent = nullptr);
    // Lets go of every key and button still pressed, then removes the
    // translators.
    ~ApplicationInterface() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    QString language() const { return m_language; }
    QString heldText() const { return m_channels.heldText(); }
    ChannelInjector* channels() { return &m_channels; }

    const datamodel::Configuration& get_configuration() const { return m_configuration; }
    datamodel::Configuration& get_configuration() { return m_configuration; }
    // Assigns the sections in place: the objects the scene holds stay valid.
    void set_configuration(const datamodel::Configuration& configuration);

    const QString& get_configurationPath() const { return m_configurationPath; }
    QString& get_configurationPath() { return m_configurationPath; }
    void set_configurationPath(const QString& path) { m_configurationPath = path; }

    // The back end that receives the input records; the platform's own by
    // default. Whatever the previous one still holds pressed is let go first.
    void setInputInjector(std::unique_ptr<InputInjector> injector);
    InputInjector& inputInjector() const { return m_channels.inputInjector(); }

    // Why the last injection failed; empty after a successful one.
    const QString& injectionError() const { return m_channels.injectionError(); }

    // Picks the input back end for this session: "auto", "xtest" or "uinput"
    // (empty means "auto"), and logs which one is in use. An unknown name is
    // logged and taken as "auto"; returns false then. The device path is
    // for the tests.
    bool selectInputBackend(const QString& request, const QString& uinputPath = QString());
    QString inputProblem() const { return m_inputProblem; }

    // The timing aids between the channel numbers' presses and the injection.
    SwitchTiming& switchTiming() { return m_channels.timing(); }

signals:
    void languageChanged(QString language);
    void notificationReceived(QString notification);
    void inputProblemChanged(QString problem);
    void heldTextChanged(QString heldText);

public slots:
    void setLanguage(QString language);
    void sendNotification(uint instanceId, QByteArray message);

public:
    Q_INVOKABLE void updateTranslation(QString language);
    Q_INVOKABLE void updateConfiguration();
    Q_INVOKABLE int getCurrentVersion();
    Q_INVOKABLE bool restart();
    Q_INVOKABLE bool exit();
    Q_INVOKABLE bool isMobile();
    Q_INVOKABLE QDateTime getCurrentDateTimeUtc();
    Q_INVOKABLE QString getDateTime(QDateTime dateTime);
    Q_INVOKABLE QString formatDuration(qulonglong duration_ms);
    Q_INVOKABLE QString getLocalFile(QUrl url);
    Q_INVOKABLE QUrl getURL(QString filePath);
    Q_INVOKABLE QPoint cursorPos();
    Q_INVOKABLE bool isDarkColor(QColor color);
    Q_INVOKABLE QColor getFontColor(QColor background);
    Q_INVOKABLE QColor getInvertColor(QColor color);
    Q_INVOKABLE double getDpiFactorX(QPoint ref);
    Q_INVOKABLE double getDpiFactorY(QPoint ref);
    Q_INVOKABLE bool isScreenInverted(QPoint ref);
    Q_INVOKABLE void setMousePosition(double x, double y);
    Q_INVOKABLE void sendKeyPressEvent(Qt::Key key);
    Q_INVOKABLE void sendKeyReleaseEvent(Qt::Key key);
    Q_INVOKABLE void setOrientation(QString orientation);
    Q_INVOKABLE QString translate(QString text);
    // True only when the start-at-login entry really was written or removed.
    Q_INVOKABLE bool runOnStartup(bool enable);
    Q_INVOKABLE QString keyString(qulonglong key, int modifier);
    // A press or release line of channel 0 (left) or 1 (right), passed
    // through the channel's timing aids.
    Q_INVOKABLE void buttonPressed(int channel);
    Q_INVOKABLE void buttonPressed(const korvane::datamodel::ConfigurationChannel& configuration);
    Q_INVOKABLE void buttonReleased(int channel);
    Q_INVOKABLE void buttonReleased(const korvane::datamodel::ConfigurationChannel& configuration);
    // Lets go of every key and mouse button that a press left down and ends
    // every latch and hold. Called when the link is paused, stopped, loses
    // its device or changes port, at exit and by the destructor.
    Q_INVOKABLE void releaseAll();

private:
    void sendKeyEvent(QEvent::Type type, Qt::Key key);

    QString m_configurationPath;
    datamodel::Configuration m_configuration;
    QTranslator* m_qtTranslator = nullptr;
    QTranslator* m_appTranslator = nullptr;
    QString m_language = QStringLiteral("en_US");
    // After the configuration: it follows the document's switch section.
    ChannelInjector m_channels;
    QString m_inputProblem;
    // Keeps the uinput back end's key maps on the session's active layout.
    std::unique_ptr<QObject> m_layoutFollower;
};

} // namespace korvane::core
