#pragma once

#include "datamodel/configurationchannel.h"
#include "datamodel/korvane_datamodel_export.h"

#include <QJsonObject>
#include <QMetaType>
#include <QObject>
#include <QString>

namespace korvane::datamodel {

// The switch device: its serial port, the line texts by which it names its two
// channels, and what each channel does. Copied, assigned and compared as a
// value; the embedded channels keep their identity across assignments, so the
// scene's pointers to them stay valid.
class KORVANE_DATAMODEL_EXPORT ConfigurationSwitch : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString serialName READ serialName WRITE set_serialName NOTIFY serialNameChanged)
    Q_PROPERTY(QString inputLeftChannel READ inputLeftChannel WRITE set_inputLeftChannel NOTIFY
            inputLeftChannelChanged)
    Q_PROPERTY(QString inputRightChannel READ inputRightChannel WRITE set_inputRightChannel NOTIFY
            inputRightChannelChanged)
    // Optional lines sent when a button is let go; empty = the device sends
    // one line per press and every press is a click.
    Q_PROPERTY(QString releaseLeftChannel READ releaseLeftChannel WRITE set_releaseLeftChannel
            NOTIFY releaseLeftChannelChanged)
    Q_PROPERTY(QString releaseRightChannel READ releaseRightChannel WRITE set_releaseRightChannel
            NOTIFY releaseRightChannelChanged)
    Q_PROPERTY(ConfigurationChannel leftChannel READ leftChannel WRITE set_leftChannel NOTIFY
            leftChannelChanged)
    Q_PROPERTY(ConfigurationChannel rightChannel READ rightChannel WRITE set_rightChannel NOTIFY
            rightChannelChanged)

public:
    explicit ConfigurationSwitch(QObject* parent = nullptr);
    ConfigurationSwitch(const ConfigurationSwitch& other);
    ConfigurationSwitch& operator=(const ConfigurationSwitch& other);
    bool operator==(const ConfigurationSwitch& other) const;
    bool operator!=(const ConfigurationSwitch& other) const { return !(*this == other); }

    const QString& serialName() const { return m_serialName; }
    QString& serialName() { return m_serialName; }
    const QString& inputLeftChannel() const { return m_inputLeftChannel; }
    QString& inputLeftChannel() { return m_inputLeftChannel; }
    const QString& inputRightChannel() const { return m_inputRightChannel; }
    QString& inputRightChannel() { return m_inputRightChannel; }
    const QString& releaseLeftChannel() const { return m_releaseLeftChannel; }
    const QString& releaseRightChannel() const { return m_releaseRightChannel; }
    const ConfigurationChannel& leftChannel() const { return m_leftChannel; }
    ConfigurationChannel& leftChannel() { return m_leftChannel; }
    const ConfigurationChannel& rightChannel() const { return m_rightChannel; }
    ConfigurationChannel& rightChannel() { return m_rightChannel; }

public slots:
    virtual void read(const QJsonObject& object);
    virtual QJsonObject write() const;

    void set_serialName(QString serialName);
    void set_inputLeftChannel(QString inputLeftChannel);
    void set_inputRightChannel(QString inputRightChannel);
    void set_releaseLeftChannel(QString releaseLeftChannel);
    void set_releaseRightChannel(QString releaseRightChannel);
    void set_leftChannel(ConfigurationChannel leftChannel);
    void set_rightChannel(ConfigurationChannel rightChannel);

signals:
    void serialNameChanged(QString serialName);
    void inputLeftChannelChanged(QString inputLeftChannel);
    void inputRightChannelChanged(QString inputRightChannel);
    void releaseLeftChannelChanged(QString releaseLeftChannel);
    void releaseRightChannelChanged(QString releaseRightChannel);
    void leftChannelChanged(ConfigurationChannel leftChannel);
    void rightChannelChanged(ConfigurationChannel rightChannel);

private:
    QString m_serialName;
    QString m_inputLeftChannel;
    QString m_inputRightChannel;
    QString m_releaseLeftChannel;
    QString m_releaseRightChannel;
    ConfigurationChannel m_leftChannel;
    ConfigurationChannel m_rightChannel;
};

} // namespace korvane::datamodel

Q_DECLARE_METATYPE(korvane::datamodel::ConfigurationSwitch)
