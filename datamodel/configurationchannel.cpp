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
const QLatin1String cst_second_trigger("second_trigger");
const QLatin1String cst_long_press("long_press_ms");
const QLatin1String cst_double_press("double_press_ms");
const QLatin1String cst_second_mode("second_mode");
const QLatin1String cst_second_click_type("second_click_type");
const QLatin1String cst_second_key("second_key");
const QLatin1String cst_second_modifier("second_modifier");

// The second action a channel has until the user picks one: a right click.
constexpr SecondMode cst_default_second_mode = SecondModeClass::MOUSE;
constexpr ClickType cst_default_second_click = ClickTypeClass::RIGHT;
constexpr int cst_default_second_key = Qt::Key_Space;

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

// A threshold that cannot be off: a number is rounded and brought into range,
// anything else (or no key) is the default.
int readThreshold(const QJsonValue& value, int lowest, int fallback, int highest)
{
    if (!value.isDouble())
        return fallback;
    return qRound(qBound(double(lowest), value.toDouble(), double(highest)));
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
    , m_secondTrigger(other.m_secondTrigger)
    , m_longPressMs(other.m_longPressMs)
    , m_doublePressMs(other.m_doublePressMs)
    , m_secondMode(other.m_secondMode)
    , m_secondClickType(other.m_secondClickType)
    , m_secondKey(other.m_secondKey)
    , m_secondModifiers(other.m_secondModifiers)
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
    m_secondTrigger = other.m_secondTrigger;
    m_longPressMs = other.m_longPressMs;
    m_doublePressMs = other.m_doublePressMs;
    m_secondMode = other.m_secondMode;
    m_secondClickType = other.m_secondClickType;
    m_secondKey = other.m_secondKey;
    m_secondModifiers = other.m_secondModifiers;
    return *this;
}

bool ConfigurationChannel::operator==(const ConfigurationChannel& other) const
{
    return m_enabled == other.m_enabled && m_mode == other.m_mode
        && m_clickType == other.m_clickType && m_key == other.m_key
        && m_modifiers == other.m_modifiers && m_nativeScanCode == other.m_nativeScanCode
        && m_ignoreRepeatsMs == other.m_ignoreRepeatsMs && m_holdMs == other.m_holdMs
        && m_latch == other.m_latch && m_acceptanceMs == other.m_acceptanceMs
        && m_secondTrigger == other.m_secondTrigger && m_longPressMs == other.m_longPressMs
        && m_doublePressMs == other.m_doublePressMs && m_secondMode == other.m_secondMode
        && m_secondClickType == other.m_secondClickType && m_secondKey == other.m_secondKey
        && m_secondModifiers == other.m_secondModifiers;
}

bool ConfigurationChannel::hasTiming() const
{
    return m_ignoreRepeatsMs > 0 || m_holdMs > 0 || m_latch || m_acceptanceMs > 0;
}

ConfigurationChannel ConfigurationChannel::secondAction() const
{
    ConfigurationChannel action;
    action.m_mode = m_secondMode == SecondModeClass::KEYBOARD ? ModeClass::KEYBOARD
        : m_secondMode == SecondModeClass::MOUSE              ? ModeClass::MOUSE
                                                              : ModeClass::NONE;
    action.m_clickType = m_secondClickType;
    action.m_key = m_secondKey;
    action.m_modifiers = m_secondModifiers;
    return action;
}

void ConfigurationChannel::registerMetaTypes()
{
    // Signals and properties name these aliases; without them a queued
    // connection or a signal spy could not carry the values.
    static const bool registered = [] {
        qRegisterMetaType<ModeClass::Type>("Mode");
        qRegisterMetaType<ClickTypeClass::Type>("ClickType");
        qRegisterMetaType<SecondTriggerClass::Type>("SecondTrigger");
        qRegisterMetaType<SecondModeClass::Type>("SecondMode");
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
    m_secondTrigger = SecondTriggerClass::fromJson(object.value(cst_second_trigger));
    m_longPressMs = readThreshold(object.value(cst_long_press), cst_min_long_press_ms,
        cst_default_long_press_ms, cst_max_timing_ms);
    m_doublePressMs = readThreshold(object.value(cst_double_press), cst_min_double_press_ms,
        cst_default_double_press_ms, cst_max_double_press_ms);
    // An action that is not there is the default one; one that is there but
    // unreadable does nothing, as the first action's keys do.
    m_secondMode = object.contains(cst_second_mode)
        ? SecondModeClass::fromJson(object.value(cst_second_mode))
        : cst_default_second_mode;
    m_secondClickType = object.contains(cst_second_click_type)
        ? ClickTypeClass::fromJson(object.value(cst_second_click_type))
        : cst_default_second_click;
    m_secondKey = object.value(cst_second_key)
                      .toInt(object.contains(cst_second_key) ? 0 : cst_default_second_key);
    m_secondModifiers = object.value(cst_second_modifier).toInt(0);
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
    // The second action's keys likewise, each only when it differs from its
    // default.
    if (m_secondTrigger != SecondTriggerClass::NONE)
        object.insert(cst_second_trigger, SecondTriggerClass::toJson(m_secondTrigger));
    if (m_longPressMs != cst_default_long_press_ms)
        object.insert(cst_long_press, m_longPressMs);
    if (m_doublePressMs != cst_default_double_press_ms)
        object.insert(cst_double_press, m_doublePressMs);
    if (m_secondMode != cst_default_second_mode)
        object.insert(cst_second_mode, SecondModeClass::toJson(m_secondMode));
    if (m_secondClickType != cst_default_second_click)
        object.insert(cst_second_click_type, ClickTypeClass::toJson(m_secondClickType));
    if (m_secondKey != cst_default_second_key)
        object.insert(cst_second_key, m_secondKey);
    if (m_secondModifiers != 0)
        object.insert(cst_second_modifier, m_secondModifiers);
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

void ConfigurationChannel::set_secondTrigger(SecondTrigger trigger)
{
    if (m_secondTrigger == trigger)
        return;
    m_secondTrigger = trigger;
    emit secondTriggerChanged(m_secondTrigger);
}

void ConfigurationChannel::set_longPressMs(int milliseconds)
{
    milliseconds = qBound(cst_min_long_press_ms, milliseconds, cst_max_timing_ms);
    if (m_longPressMs == milliseconds)
        return;
    m_longPressMs = milliseconds;
    emit longPressMsChanged(m_longPressMs);
}

void ConfigurationChannel::set_doublePressMs(int milliseconds)
{
    milliseconds = qBound(cst_min_double_press_ms, milliseconds, cst_max_double_press_ms);
    if (m_doublePressMs == milliseconds)
        return;
    m_doublePressMs = milliseconds;
    emit doublePressMsChanged(m_doublePressMs);
}

void ConfigurationChannel::set_secondMode(SecondMode mode)
{
    if (m_secondMode == mode)
        return;
    m_secondMode = mode;
    emit secondModeChanged(m_secondMode);
}

void ConfigurationChannel::set_secondClickType(ClickType clickType)
{
    if (m_secondClickType == clickType)
        return;
    m_secondClickType = clickType;
    emit secondClickTypeChanged(m_secondClickType);
}

void ConfigurationChannel::set_secondKey(int key)
{
    if (m_secondKey == key)
        return;
    m_secondKey = key;
    emit secondKeyChanged(m_secondKey);
}

void ConfigurationChannel::set_secondModifiers(int modifiers)
{
    if (m_secondModifiers == modifiers)
        return;
    m_secondModifiers = modifiers;
    emit secondModifiersChanged(m_secondModifiers);
}

} // namespace korvane::datamodel
