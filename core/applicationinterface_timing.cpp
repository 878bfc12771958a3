#include "core/applicationinterface.h"

#include "common/translator.h"
#include "core/applicationinterface_records.h"

#include <QMetaProperty>

namespace korvane::core {

using datamodel::ClickTypeClass;
using datamodel::ConfigurationChannel;
using datamodel::ConfigurationSwitch;
using datamodel::ModeClass;

namespace {
// Scrolling and the double click are whole on the press: there is nothing to hold.
bool holdable(const ConfigurationChannel& channel)
{
    if (channel.mode() == ModeClass::KEYBOARD)
        return true;
    return channel.mode() == ModeClass::MOUSE
        && (channel.clickType() == ClickTypeClass::LEFT
            || channel.clickType() == ClickTypeClass::RIGHT
            || channel.clickType() == ClickTypeClass::MIDDLE);
}

void connectNotifiers(QObject* source, QObject* target, int slot, int firstProperty)
{
    const QMetaObject* meta = source->metaObject();
    for (int i = firstProperty; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.hasNotifySignal())
            QMetaObject::connect(source, property.notifySignalIndex(), target, slot);
    }
}
} // namespace

void ApplicationInterface::watchConfiguration()
{
    connect(&m_timing, &SwitchTiming::down, this, &ApplicationInterface::channelDown);
    connect(&m_timing, &SwitchTiming::up, this, &ApplicationInterface::channelUp);
    connect(&m_timing, &SwitchTiming::latchedChanged, this, &ApplicationInterface::updateHeldText);
    connect(
        this, &ApplicationInterface::languageChanged, this, &ApplicationInterface::updateHeldText);

    // Any change of what a channel does, or of the lines that drive it, lets
    // go of what that channel holds: its release would no longer fit.
    const int slot = metaObject()->indexOfSlot("letGoOfChangedChannel()");
    ConfigurationSwitch& section = m_configuration.get_configurationSwitch();
    connectNotifiers(&section.leftChannel(), this, slot, QObject::staticMetaObject.propertyCount());
    connectNotifiers(
        &section.rightChannel(), this, slot, QObject::staticMetaObject.propertyCount());
    connect(&section, &ConfigurationSwitch::inputLeftChannelChanged, this,
        [this]() { m_timing.releaseChannel(0); });
    connect(&section, &ConfigurationSwitch::releaseLeftChannelChanged, this,
        [this]() { m_timing.releaseChannel(0); });
    connect(&section, &ConfigurationSwitch::inputRightChannelChanged, this,
        [this]() { m_timing.releaseChannel(1); });
    connect(&section, &ConfigurationSwitch::releaseRightChannelChanged, this,
        [this]() { m_timing.releaseChannel(1); });
}

void ApplicationInterface::letGoOfChangedChannel()
{
    const ConfigurationSwitch& section = m_configuration.get_configurationSwitch();
    if (sender() == &section.leftChannel())
        m_timing.releaseChannel(0);
    else if (sender() == &section.rightChannel())
        m_timing.releaseChannel(1);
}

SwitchTiming::Rules ApplicationInterface::timingRules(int number) const
{
    const ConfigurationChannel& configuration = *channel(number);
    const ConfigurationSwitch& section = m_configuration.get_configurationSwitch();
    const QString& pressLine
        = number == 0 ? section.inputLeftChannel() : section.inputRightChannel();
    const QString& releaseLine
        = number == 0 ? section.releaseLeftChannel() : section.releaseRightChannel();
    SwitchTiming::Rules rules;
    rules.ignoreRepeatsMs = configuration.ignoreRepeatsMs();
    rules.holdMs = configuration.holdMs();
    rules.latch = configuration.latch();
    rules.acceptanceMs = configuration.acceptanceMs();
    // The link never reports a release line that equals the press line.
    rules.releaseLine
        = !releaseLine.isEmpty() && releaseLine.compare(pressLine, Qt::CaseInsensitive) != 0;
    rules.holdable = holdable(configuration);
    return rules;
}

void ApplicationInterface::channelDown(int number)
{
    if (const ConfigurationChannel* configuration = channel(number)) {
        m_pressedAs[number] = *configuration;
        inject(ChannelRecords::press(m_pressedAs[number]));
        updateHeldText();
    }
}

void ApplicationInterface::channelUp(int number)
{
    if (!m_forgetting && number >= 0 && number < SwitchTiming::cst_channels)
        inject(ChannelRecords::release(m_pressedAs[number]));
    updateHeldText();
}

QString ApplicationInterface::heldText() const
{
    return m_heldText;
}

void ApplicationInterface::updateHeldText()
{
    QStringList held;
    for (int number = 0; number < SwitchTiming::cst_channels; ++number) {
        if (!m_timing.isLatched(number))
            continue;
        const ConfigurationChannel& pressed = m_pressedAs[number];
        if (pressed.mode() == ModeClass::KEYBOARD) {
            QString key = keyString(static_cast<qulonglong>(pressed.key()), pressed.modifiers());
            if (key.isEmpty())
                key = Translator::tr("A key");
            held << Translator::tr("%1 held").arg(key);
        } else if (pressed.clickType() == ClickTypeClass::RIGHT) {
            held << Translator::tr("Right mouse button held");
        } else if (pressed.clickType() == ClickTypeClass::MIDDLE) {
            held << Translator::tr("Middle mouse button held");
        } else {
            held << Translator::tr("Left mouse button held");
        }
    }
    const QString text = held.join(QStringLiteral(", "));
    if (text == m_heldText)
        return;
    m_heldText = text;
    emit heldTextChanged(m_heldText);
}

} // namespace korvane::core
