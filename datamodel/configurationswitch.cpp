#include "datamodel/configurationswitch.h"

namespace korvane::datamodel {

namespace {

const QLatin1String cst_serial_name("serial_name");
const QLatin1String cst_input_left("input_left");
const QLatin1String cst_input_right("input_right");
const QLatin1String cst_release_left("release_left");
const QLatin1String cst_release_right("release_right");
const QLatin1String cst_left_channel("left_channel");
const QLatin1String cst_right_channel("right_channel");

} // namespace

ConfigurationSwitch::ConfigurationSwitch(QObject* parent)
    : QObject(parent)
    , m_serialName(QStringLiteral("COM5"))
    , m_leftChannel(nullptr)
    , m_rightChannel(nullptr)
{
}

ConfigurationSwitch::ConfigurationSwitch(const ConfigurationSwitch& other)
    : QObject(nullptr)
    , m_serialName(other.m_serialName)
    , m_inputLeftChannel(other.m_inputLeftChannel)
    , m_inputRightChannel(other.m_inputRightChannel)
    , m_releaseLeftChannel(other.m_releaseLeftChannel)
    , m_releaseRightChannel(other.m_releaseRightChannel)
    , m_leftChannel(other.m_leftChannel)
    , m_rightChannel(other.m_rightChannel)
{
}

ConfigurationSwitch& ConfigurationSwitch::operator=(const ConfigurationSwitch& other)
{
    m_serialName = other.m_serialName;
    m_inputLeftChannel = other.m_inputLeftChannel;
    m_inputRightChannel = other.m_inputRightChannel;
    m_releaseLeftChannel = other.m_releaseLeftChannel;
    m_releaseRightChannel = other.m_releaseRightChannel;
    m_leftChannel = other.m_leftChannel;
    m_rightChannel = other.m_rightChannel;
    return *this;
}

bool ConfigurationSwitch::operator==(const ConfigurationSwitch& other) const
{
    return m_serialName == other.m_serialName && m_inputLeftChannel == other.m_inputLeftChannel
        && m_inputRightChannel == other.m_inputRightChannel
        && m_releaseLeftChannel == other.m_releaseLeftChannel
        && m_releaseRightChannel == other.m_releaseRightChannel
        && m_leftChannel == other.m_leftChannel && m_rightChannel == other.m_rightChannel;
}

void ConfigurationSwitch::read(const QJsonObject& object)
{
    // A present switch section always names its port: an absent key empties it.
    m_serialName = object.value(cst_serial_name).toString();
    if (object.contains(cst_input_left))
        m_inputLeftChannel = object.value(cst_input_left).toString();
    if (object.contains(cst_input_right))
        m_inputRightChannel = object.value(cst_input_right).toString();
    if (object.contains(cst_release_left))
        m_releaseLeftChannel = object.value(cst_release_left).toString();
    if (object.contains(cst_release_right))
        m_releaseRightChannel = object.value(cst_release_right).toString();
    if (object.contains(cst_left_channel))
        m_leftChannel.read(object.value(cst_left_channel).toObject());
    if (object.contains(cst_right_channel))
        m_rightChannel.read(object.value(cst_right_channel).toObject());
}

QJsonObject ConfigurationSwitch::write() const
{
    QJsonObject object;
    object.insert(cst_serial_name, m_serialName);
    object.insert(cst_input_left, m_inputLeftChannel);
    object.insert(cst_input_right, m_inputRightChannel);
    // Only when set, like the channels' timing keys.
    if (!m_releaseLeftChannel.isEmpty())
        object.insert(cst_release_left, m_releaseLeftChannel);
    if (!m_releaseRightChannel.isEmpty())
        object.insert(cst_release_right, m_releaseRightChannel);
    object.insert(cst_left_channel, m_leftChannel.write());
    object.insert(cst_right_channel, m_rightChannel.write());
    return object;
}

void ConfigurationSwitch::set_serialName(QString serialName)
{
    if (m_serialName == serialName)
        return;
    m_serialName = serialName;
    emit serialNameChanged(m_serialName);
}

void ConfigurationSwitch::set_inputLeftChannel(QString inputLeftChannel)
{
    if (m_inputLeftChannel == inputLeftChannel)
        return;
    m_inputLeftChannel = inputLeftChannel;
    emit inputLeftChannelChanged(m_inputLeftChannel);
}

void ConfigurationSwitch::set_inputRightChannel(QString inputRightChannel)
{
    if (m_inputRightChannel == inputRightChannel)
        return;
    m_inputRightChannel = inputRightChannel;
    emit inputRightChannelChanged(m_inputRightChannel);
}

void ConfigurationSwitch::set_releaseLeftChannel(QString releaseLeftChannel)
{
    if (m_releaseLeftChannel == releaseLeftChannel)
        return;
    m_releaseLeftChannel = releaseLeftChannel;
    emit releaseLeftChannelChanged(m_releaseLeftChannel);
}

void ConfigurationSwitch::set_releaseRightChannel(QString releaseRightChannel)
{
    if (m_releaseRightChannel == releaseRightChannel)
        return;
    m_releaseRightChannel = releaseRightChannel;
    emit releaseRightChannelChanged(m_releaseRightChannel);
}

void ConfigurationSwitch::set_leftChannel(ConfigurationChannel leftChannel)
{
    if (m_leftChannel == leftChannel)
        return;
    m_leftChannel = leftChannel;
    emit leftChannelChanged(m_leftChannel);
}

void ConfigurationSwitch::set_rightChannel(ConfigurationChannel rightChannel)
{
    if (m_rightChannel == rightChannel)
        return;
    m_rightChannel = rightChannel;
    emit rightChannelChanged(m_rightChannel);
}

} // namespace korvane::datamodel
