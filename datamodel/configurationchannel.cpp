#include "datamodel/configurationchannel.h"

#include "common/jsonutils.h"

namespace korvane::datamodel {

namespace {

const QLatin1String cst_enabled("enabled");
const QLatin1String cst_mode("mode");
const QLatin1String cst_click_type("click_type");
const QLatin1String cst_key("key");
const QLatin1String cst_modifier("modifier");
const QLatin1String cst_native("native");

} // namespace

ConfigurationChannel::ConfigurationChannel(QObject* parent)
    : QObject(parent)
{
    registerMetaTypes();
}

ConfigurationChannel::ConfigurationChannel(const ConfigurationChannel& other)
    : QObject(nullptr)
    , m_enabled(other.m_enabled)
    , m_mode(other.m_mode)
    , m_clickType(other.m_clickType)
    , m_key(other.m_key)
    , m_modifiers(other.m_modifiers)
    , m_nativeScanCode(other.m_nativeScanCode)
{
}

ConfigurationChannel& ConfigurationChannel::operator=(const ConfigurationChannel& other)
{
    m_enabled = other.m_enabled;
    m_mode = other.m_mode;
    m_clickType = other.m_clickType;
    m_key = other.m_key;
    m_modifiers = other.m_modifiers;
    m_nativeScanCode = other.m_nativeScanCode;
    return *this;
}

bool ConfigurationChannel::operator==(const ConfigurationChannel& other) const
{
    return m_enabled == other.m_enabled && m_mode == other.m_mode
        && m_clickType == other.m_clickType && m_key == other.m_key
        && m_modifiers == other.m_modifiers && m_nativeScanCode == other.m_nativeScanCode;
}

void ConfigurationChannel::registerMetaTypes()
{
    // Signals and properties name these aliases; without them a queued
    // connection or a signal spy could not carry the values.
    static const bool registered = [] {
        qRegisterMetaType<ModeClass::Type>("Mode");
        qRegisterMetaType<ClickTypeClass::Type>("ClickType");
        qRegisterMetaType<ConfigurationChannel>();
        qRegisterMetaType<ConfigurationChannel>("ConfigurationChannel");
        return true;
    }();
    Q_UNUSED(registered)
}

void ConfigurationChannel::read(const QJsonObject& object)
{
    m_enabled = object.value(cst_enabled).toBool(false);
    m_mode = ModeClass::fromJson(object.value(cst_mode));
    m_clickType = ClickTypeClass::fromJson(object.value(cst_click_type));
    m_key = object.value(cst_key).toInt(0);
    m_modifiers = object.value(cst_modifier).toInt(0);
    m_nativeScanCode = korvane::common::JsonUtils::readULong(object.value(cst_native));
}

QJsonObject ConfigurationChannel::write() const
{
    QJsonObject object;
    object.insert(cst_enabled, m_enabled);
    object.insert(cst_mode, ModeClass::toJson(m_mode));
    object.insert(cst_click_type, ClickTypeClass::toJson(m_clickType));
    object.insert(cst_key, m_key);
    object.insert(cst_modifier, m_modifiers);
    object.insert(cst_native, korvane::common::JsonUtils::writeULong(m_nativeScanCode));
    return object;
}

void ConfigurationChannel::set_enabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(m_enabled);
}

void ConfigurationChannel::set_mode(Mode mode)
{
    if (m_mode == mode)
        return;
    m_mode = mode;
    emit modeChanged(m_mode);
}

void ConfigurationChannel::set_clickType(ClickType clickType)
{
    if (m_clickType == clickType)
        return;
    m_clickType = clickType;
    emit clickTypeChanged(m_clickType);
}

void ConfigurationChannel::set_key(int key)
{
    if (m_key == key)
        return;
    m_key = key;
    emit keyChanged(m_key);
}

void ConfigurationChannel::set_modifiers(int modifiers)
{
    if (m_modifiers == modifiers)
        return;
    m_modifiers = modifiers;
    emit modifiersChanged(m_modifiers);
}

void ConfigurationChannel::set_nativeScanCode(uint nativeScanCode)
{
    if (m_nativeScanCode == nativeScanCode)
        return;
    m_nativeScanCode = nativeScanCode;
    emit nativeScanCodeChanged(m_nativeScanCode);
}

} // namespace korvane::datamodel
