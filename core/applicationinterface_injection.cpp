#include "core/applicationinterface.h"

#include "common/logmanager.h"
#include "core/applicationinterface_records.h"
#include "core/platform/inputinjector.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWindow>

namespace korvane::core {

using datamodel::ConfigurationChannel;

const ConfigurationChannel* ApplicationInterface::channel(int number) const
{
    const auto& section = m_configuration.get_configurationSwitch();
    switch (number) {
    case 0:
        return &section.leftChannel();
    case 1:
        return &section.rightChannel();
    default:
        return nullptr;
    }
}

void ApplicationInterface::buttonPressed(int channel)
{
    if (!this->channel(channel))
        return;
    m_timing.setRules(channel, timingRules(channel));
    m_timing.press(channel);
}

void ApplicationInterface::buttonPressed(const ConfigurationChannel& configuration)
{
    inject(ChannelRecords::press(configuration));
}

void ApplicationInterface::buttonReleased(int channel)
{
    m_timing.release(channel);
}

void ApplicationInterface::buttonReleased(const ConfigurationChannel& configuration)
{
    inject(ChannelRecords::release(configuration));
}

void ApplicationInterface::releaseAll()
{
    // The timing only forgets its holds and latches here: what is down comes
    // up once, keys in reverse order of pressing, from what was really sent.
    m_forgetting = true;
    m_timing.releaseAll();
    m_forgetting = false;
    inject(m_held.takeReleases());
}

void ApplicationInterface::setInputInjector(std::unique_ptr<InputInjector> injector)
{
    releaseAll();
    m_injector = injector ? std::move(injector) : InputInjector::createNative();
    m_injectionError.clear();
}

void ApplicationInterface::inject(const std::vector<InputRecord>& records)
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

void ApplicationInterface::reportInjectionFailure(const QString& reason)
{
    // A lasting fault (no display, input blocked) is reported once, not for
    // every record of every press, until an injection succeeds again.
    if (reason == m_injectionError)
        return;
    m_injectionError = reason;
    common::LogManager::GetInstance().errorLog(
        QStringLiteral("Input injection failed: %1").arg(reason));
}

QString ApplicationInterface::keyString(qulonglong key, int modifier)
{
    // Both come from the configuration file as any number: only a key code
    // and modifier bits as Qt defines them make a combination (a plain sum of
    // the extremes would overflow).
    const quint32 code = static_cast<quint32>(key);
    const quint32 modifiers = static_cast<quint32>(modifier);
    if (code == 0 || code > cst_max_key_code || (modifiers & ~cst_modifier_bits) != 0)
        return QString();
    const int combination = static_cast<int>(code | modifiers);
    const QString text = QKeySequence(combination).toString(QKeySequence::PortableText);
    if (QKeySequence(text, QKeySequence::NativeText).toString(QKeySequence::PortableText).isEmpty())
        return QString();
    return text;
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
