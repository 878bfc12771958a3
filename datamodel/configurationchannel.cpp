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
const QLatin1String cst_ignore_repeats("ignore_repeats_ms");
const QLatin1String cst_hold("hold_ms");
const QLatin1String cst_latch("latch");
const QLatin1String cst_acceptance("acceptance_ms");

// A number of milliseconds, rounded and brought into range; anything that is
// not a number means the aid is off.
int readMilliseconds(const QJsonValue& value)
{
    if (!value.isDouble())
        return 0;
    const double bounded
        = qBound(0.0, value.toDouble(), double(ConfigurationChannel::cst_max_timing_ms));
    return qRound(bounded);
}

int boundMilliseconds(int milliseconds)
{
    return qBound(0, milliseconds, ConfigurationChannel::cst_max_timing_ms);
}

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
    , m_ignoreRepeatsMs(other.m_ignoreRepeatsMs)
    , m_holdMs(other.m_holdMs)
    , m_latch(other.m_latch)
    , m_acceptanceMs(other.m_acceptanceMs)
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
    m_ignoreRepeatsMs = other.m_ignoreRepeatsMs;
    m_holdMs = other.m_holdMs;
    m_latch = other.m_latch;
    m_acceptanceMs = other.m_acceptanceMs;
    return *this;
}

bool ConfigurationChannel::operator==(const ConfigurationChannel& other) const
{
    return m_enabled == other.m_enabled && m_mode == other.m_mode
        && m_clickType == other.m_clickType && m_key == other.m_key
        && m_modifiers == other.m_modifiers && m_nativeScanCode == other.m_nativeScanCode
        && m_ignoreRepeatsMs == other.m_ignoreRepeatsMs && m_holdMs == other.m_holdMs
        && m_latch == other.m_latch && m_acceptanceMs == other.m_acceptanceMs;
}

bool ConfigurationChannel::hasTiming() const
{
    return m_ignoreRepeatsMs > 0 || m_holdMs > 0 || m_latch || m_acceptanceMs > 0;
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
    m_ignoreRepeatsMs = readMilliseconds(object.value(cst_ignore_repeats));
    m_holdMs = readMilliseconds(object.value(cst_hold));
    m_latch = object.value(cst_latch).toBool(false);
    m_acceptanceMs = readMilliseconds(object.value(cst_acceptance));
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
    // Written only when on: the file of a user who never uses them stays as
    // it always was.
    if (m_ignoreRepeatsMs > 0)
        object.insert(cst_ignore_repeats, m_ignoreRepeatsMs);
    if (m_holdMs > 0)
        object.insert(cst_hold, m_holdMs);
    if (m_latch)
        object.insert(cst_latch, true);
    if (m_acceptanceMs > 0)
        object.insert(cst_acceptance, m_acceptanceMs);
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

void ConfigurationChannel::set_ignoreRepeatsMs(int milliseconds)
{
    milliseconds = boundMilliseconds(milliseconds);
    if (m_ignoreRepeatsMs == milliseconds)
        return;
    m_ignoreRepeatsMs = milliseconds;
    emit ignoreRepeatsMsChanged(m_ignoreRepeatsMs);
}

void ConfigurationChannel::set_holdMs(int milliseconds)
{
    milliseconds = boundMilliseconds(milliseconds);
    if (m_holdMs == milliseconds)
        return;
    m_holdMs = milliseconds;
    emit holdMsChanged(m_holdMs);
}

void ConfigurationChannel::set_latch(bool latch)
{
    if (m_latch == latch)
        return;
    m_latch = latch;
    emit latchChanged(m_latch);
}

void ConfigurationChannel::set_acceptanceMs(int milliseconds)
{
    milliseconds = boundMilliseconds(milliseconds);
    if (m_acceptanceMs == milliseconds)
        return;
    m_acceptanceMs = milliseconds;
    emit acceptanceMsChanged(m_acceptanceMs);
}

} // namespace korvane::datamodel
