#include "core/channelinjector.h"

#include "common/keyutils.h"
#include "common/logmanager.h"
#include "common/translator.h"
#include "core/platform/inputinjector.h"
#include "core/soundeffectcues.h"
#include "core/switch/comparedline.h"

#include <QKeySequence>
#include <QMetaProperty>

namespace korvane::core {

using datamodel::ClickTypeClass;
using datamodel::ConfigurationChannel;
using datamodel::ConfigurationSwitch;
using datamodel::ModeClass;
using datamodel::SecondModeClass;
using datamodel::SecondTriggerClass;

namespace {
constexpr int cstModifierScanCode = 0x45;

// The left-hand modifier key that stands for a modifier mask; masks other
// than Shift, Control or Alt alone use Control.
int modifierKey(int modifiers)
{
    switch (modifiers) {
    case Qt::ShiftModifier:
        return input::VkLShift;
    case Qt::AltModifier:
        return input::VkLMenu;
    case Qt::ControlModifier:
    default:
        return input::VkLControl;
    }
}

std::vector<InputRecord> keyRecords(const ConfigurationChannel& channel, bool up)
{
    // The key is sent as the table gives it, even 0 for a key it lacks.
    const int vk = common::KeyUtils::windowsKeyCodeForKeyEvent(
        static_cast<unsigned int>(channel.key()), false);
    const std::uint32_t flags = input::KeyExtended | (up ? input::KeyUp : 0);
    if (channel.modifiers() > 0) {
        // The modifier goes down first and also up first.
        return { InputRecord::key(modifierKey(channel.modifiers()), cstModifierScanCode, flags),
            InputRecord::key(vk, cstModifierScanCode, flags) };
    }
    return { InputRecord::key(vk, 0, flags) };
}

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

void connectNotifiers(QObject* source, QObject* target, int slot)
{
    const QMetaObject* meta = source->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.hasNotifySignal())
            QMetaObject::connect(source, property.notifySignalIndex(), target, slot);
    }
}
} // namespace

ChannelInjector::ChannelInjector(ConfigurationSwitch& section, QObject* parent)
    : QObject(parent)
    , m_section(section)
    , m_injector(InputInjector::createNative())
{
    connect(&m_timing, &SwitchTiming::down, this, &ChannelInjector::channelDown);
    connect(&m_timing, &SwitchTiming::up, this, &ChannelInjector::channelUp);
    connect(&m_timing, &SwitchTiming::latchedChanged, this, &ChannelInjector::updateHeldText);
    connect(&m_timing, &SwitchTiming::second, this, &ChannelInjector::secondAction);
    connect(&m_timing, &SwitchTiming::accepted, this, [this]() { playCue(SoundCues::Accepted); });
    connect(&m_timing, &SwitchTiming::ignored, this, [this]() { playCue(SoundCues::Ignored); });

    // Any change of what a channel does, or of the lines that drive it, lets
    // go of what that channel holds: its release would no longer fit.
    const int slot = metaObject()->indexOfSlot("letGoOfChangedChannel()");
    connectNotifiers(&section.leftChannel(), this, slot);
    connectNotifiers(&section.rightChannel(), this, slot);
    connect(&section, &ConfigurationSwitch::inputLeftChannelChanged, this,
        [this]() { releaseChannel(0); });
    connect(&section, &ConfigurationSwitch::releaseLeftChannelChanged, this,
        [this]() { releaseChannel(0); });
    connect(&section, &ConfigurationSwitch::inputRightChannelChanged, this,
        [this]() { releaseChannel(1); });
    connect(&section, &ConfigurationSwitch::releaseRightChannelChanged, this,
        [this]() { releaseChannel(1); });
}

ChannelInjector::~ChannelInjector()
{
    releaseAll();
}

const ConfigurationChannel* ChannelInjector::channel(int number) const
{
    switch (number) {
    case 0:
        return &m_section.leftChannel();
    case 1:
        return &m_section.rightChannel();
    default:
        return nullptr;
    }
}

void ChannelInjector::press(int channel)
{
    if (m_gateClosed || !this->channel(channel))
        return;
    if (m_secondOnly && !pauseGestureReady(channel)) {
        playCue(SoundCues::Ignored);
        return;
    }
    m_timing.setRules(channel, timingRules(channel));
    m_timing.press(channel);
}

void ChannelInjector::release(int channel)
{
    if (m_gateClosed)
        return;
    m_timing.release(channel);
}

void ChannelInjector::pressNow(const ConfigurationChannel& channel)
{
    inject(pressRecords(channel));
}

void ChannelInjector::releaseNow(const ConfigurationChannel& channel)
{
    inject(releaseRecords(channel));
}

void ChannelInjector::releaseAll()
{
    // The timing only forgets its holds and latches here: what is down comes
    // up once, keys in reverse order of pressing, from what was really sent.
    m_forgetting = true;
    m_timing.releaseAll();
    m_forgetting = false;
    inject(m_held.takeReleases());
    // The back end may hold what no record of ours says (a modifier a layout
    // needed with a key): it lets go of that too.
    if (!m_injector->releaseAll() && !m_injector->lastError().empty())
        reportInjectionFailure(QString::fromStdString(m_injector->lastError()));
}

void ChannelInjector::releaseChannel(int channel)
{
    m_timing.releaseChannel(channel);
}

void ChannelInjector::setGateClosed(bool closed)
{
    if (m_gateClosed == closed)
        return;
    // A release dropped at the gate could never let go of its press.
    if (closed)
        releaseAll();
    m_gateClosed = closed;
    emit gateClosedChanged(m_gateClosed);
}

void ChannelInjector::setSecondOnly(bool secondOnly)
{
    if (m_secondOnly == secondOnly)
        return;
    m_secondOnly = secondOnly;
    emit secondOnlyChanged(m_secondOnly);
}

void ChannelInjector::setSoundCues(std::unique_ptr<SoundCues> cues)
{
    m_soundCues = std::move(cues);
}

void ChannelInjector::setSoundCuesOn(std::function<bool()> on)
{
    m_soundCuesOn = std::move(on);
}

void ChannelInjector::playCue(SoundCues::Cue cue)
{
    if (!m_soundCuesOn || !m_soundCuesOn())
        return;
    if (!m_soundCues)
        m_soundCues = std::make_unique<SoundEffectCues>();
    m_soundCues->play(cue);
}

bool ChannelInjector::releaseLine(int number) const
{
    const QString& pressLine
        = number == 0 ? m_section.inputLeftChannel() : m_section.inputRightChannel();
    const QString& releaseLine
        = number == 0 ? m_section.releaseLeftChannel() : m_section.releaseRightChannel();
    return !comparedReleaseLine(pressLine, releaseLine).isEmpty();
}

bool ChannelInjector::pauseGestureReady(int number) const
{
    const ConfigurationChannel* configuration = channel(number);
    if (!configuration || !configuration->enabled()
        || configuration->secondMode() != SecondModeClass::PAUSE)
        return false;
    const QString& pressLine
        = number == 0 ? m_section.inputLeftChannel() : m_section.inputRightChannel();
    if (comparedLine(pressLine).trimmed().isEmpty())
        return false;
    return configuration->secondTrigger() == SecondTriggerClass::DOUBLE_PRESS
        || (configuration->secondTrigger() == SecondTriggerClass::LONG_PRESS
            && releaseLine(number));
}

void ChannelInjector::secondAction(int number)
{
    const ConfigurationChannel* configuration = channel(number);
    if (!configuration)
        return;
    if (configuration->secondMode() == SecondModeClass::PAUSE) {
        emit pauseGesture(number);
        return;
    }
    // A click, whatever the first action holds: the second action never
    // stays down.
    const ConfigurationChannel action = configuration->secondAction();
    playCue(SoundCues::Accepted);
    inject(pressRecords(action));
    inject(releaseRecords(action));
}

void ChannelInjector::retranslate()
{
    updateHeldText();
}

void ChannelInjector::setInputInjector(std::unique_ptr<InputInjector> injector)
{
    releaseAll();
    m_injector = injector ? std::move(injector) : InputInjector::createNative();
    m_injectionError.clear();
}

void ChannelInjector::letGoOfChangedChannel()
{
    if (sender() == &m_section.leftChannel())
        releaseChannel(0);
    else if (sender() == &m_section.rightChannel())
        releaseChannel(1);
}

SwitchTiming::Rules ChannelInjector::timingRules(int number) const
{
    const ConfigurationChannel& configuration = *channel(number);
    SwitchTiming::Rules rules;
    rules.ignoreRepeatsMs = configuration.ignoreRepeatsMs();
    rules.holdMs = configuration.holdMs();
    rules.latch = configuration.latch();
    rules.acceptanceMs = configuration.acceptanceMs();
    rules.releaseLine = releaseLine(number);
    rules.holdable = holdable(configuration);
    // No second action, no gesture: a channel without one never waits.
    if (configuration.secondMode() != SecondModeClass::NONE) {
        if (configuration.secondTrigger() == SecondTriggerClass::LONG_PRESS)
            rules.second = SwitchTiming::Second::LongPress;
        else if (configuration.secondTrigger() == SecondTriggerClass::DOUBLE_PRESS)
            rules.second = SwitchTiming::Second::DoublePress;
    }
    rules.longPressMs = configuration.longPressMs();
    rules.doublePressMs = configuration.doublePressMs();
    rules.secondOnly = m_secondOnly;
    return rules;
}

void ChannelInjector::channelDown(int number)
{
    if (const ConfigurationChannel* configuration = channel(number)) {
        m_pressedAs[number] = *configuration;
        inject(pressRecords(m_pressedAs[number]));
        updateHeldText();
    }
}

void ChannelInjector::channelUp(int number)
{
    if (!m_forgetting && number >= 0 && number < SwitchTiming::cst_channels)
        inject(releaseRecords(m_pressedAs[number]));
    updateHeldText();
}

void ChannelInjector::updateHeldText()
{
    QStringList held;
    for (int number = 0; number < SwitchTiming::cst_channels; ++number) {
        if (!m_timing.isLatched(number))
            continue;
        const ConfigurationChannel& pressed = m_pressedAs[number];
        if (pressed.mode() == ModeClass::KEYBOARD) {
            QString key = keyText(static_cast<qulonglong>(pressed.key()), pressed.modifiers());
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

void ChannelInjector::inject(const std::vector<InputRecord>& records)
{
    for (const InputRecord& record : records) {
        // Followed even when the platform refuses it: letting go of a key
        // that did not go down does no harm, leaving one down does.
        m_held.note(record);
        if (record.sendTo(*m_injector)) {
            m_injectionError.clear();
            continue;
        }
        const std::string& reason = m_injector->lastError();
        reportInjectionFailure(reason.empty() ? QStringLiteral("the system refused the input")
                                              : QString::fromStdString(reason));
    }
}

void ChannelInjector::reportInjectionFailure(const QString& reason)
{
    // A lasting fault (no display, input blocked) is reported once, not for
    // every record of every press, until an injection succeeds again.
    if (reason == m_injectionError)
        return;
    m_injectionError = reason;
    common::LogManager::GetInstance().errorLog(
        QStringLiteral("Input injection failed: %1").arg(reason));
}

QString ChannelInjector::keyText(qulonglong key, int modifier)
{
    // Both come from the configuration file as any number: only a key code
    // and modifier bits as Qt defines them make a combination (a plain sum of
    // the extremes would overflow).
    const quint32 code = static_cast<quint32>(key);
    const quint32 modifiers = static_cast<quint32>(modifier);
    if (code == 0 || code > cst_max_key_code || (modifiers & ~cst_modifier_bits) != 0)
        return QString();
    const QKeySequence sequence(static_cast<int>(code | modifiers));
    const QString text = sequence.toString(QKeySequence::PortableText);
    // A lone modifier prints as a character that reads back as nothing.
    if (QKeySequence::fromString(text, QKeySequence::PortableText)
            .toString(QKeySequence::PortableText)
            .isEmpty())
        return QString();
    // Shown to the user in their language ("Espace"); what is stored is the code.
    return sequence.toString(QKeySequence::NativeText);
}

std::vector<InputRecord> ChannelInjector::pressRecords(const ConfigurationChannel& channel)
{
    if (channel.mode() == ModeClass::KEYBOARD)
        return keyRecords(channel, false);
    if (channel.mode() != ModeClass::MOUSE)
        return {};
    switch (channel.clickType()) {
    case ClickTypeClass::LEFT:
        return { InputRecord::mouse(input::MouseLeftDown, 0) };
    case ClickTypeClass::RIGHT:
        return { InputRecord::mouse(input::MouseRightDown, 0) };
    case ClickTypeClass::MIDDLE:
        return { InputRecord::mouse(input::MouseMiddleDown, 0) };
    case ClickTypeClass::DOUBLE:
        // A whole double click on the press; the release has nothing left to do.
        return { InputRecord::mouse(input::MouseLeftDown, 0),
            InputRecord::mouse(input::MouseLeftUp, 0), InputRecord::mouse(input::MouseLeftDown, 0),
            InputRecord::mouse(input::MouseLeftUp, 0) };
    case ClickTypeClass::SCROLLUP:
        return { InputRecord::mouse(input::MouseWheel, input::WheelDelta) };
    case ClickTypeClass::SCROLLDOWN:
        return { InputRecord::mouse(input::MouseWheel, -input::WheelDelta) };
    default:
        return {};
    }
}

std::vector<InputRecord> ChannelInjector::releaseRecords(const ConfigurationChannel& channel)
{
    if (channel.mode() == ModeClass::KEYBOARD)
        return keyRecords(channel, true);
    if (channel.mode() != ModeClass::MOUSE)
        return {};
    switch (channel.clickType()) {
    case ClickTypeClass::LEFT:
        return { InputRecord::mouse(input::MouseLeftUp, 0) };
    case ClickTypeClass::RIGHT:
        return { InputRecord::mouse(input::MouseRightUp, 0) };
    case ClickTypeClass::MIDDLE:
        return { InputRecord::mouse(input::MouseMiddleUp, 0) };
    default:
        return {};
    }
}

} // namespace korvane::core
