#include "core/changehistory.h"

#include "common/translator.h"
#include "core/channelinjector.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaProperty>

#include <algorithm>

namespace korvane::core {

using datamodel::ClickTypeClass;
using datamodel::ConfigurationChannel;
using datamodel::ConfigurationSwitch;
using datamodel::ModeClass;

namespace {

// The switch section's lines; its port is chosen elsewhere and says so there.
const QStringList cstLineProperties
    = { QStringLiteral("inputLeftChannel"), QStringLiteral("inputRightChannel"),
          QStringLiteral("releaseLeftChannel"), QStringLiteral("releaseRightChannel") };

// When one change touches several properties, the first of these that it
// touched names it: a chosen click also sets the mode, a captured key also
// its scan code.
const QStringList cstNamingOrder = { QStringLiteral("key"), QStringLiteral("modifiers"),
    QStringLiteral("clickType"), QStringLiteral("mode"), QStringLiteral("enabled") };

bool sameValue(const QVariant& a, const QVariant& b)
{
    // Enumerations registered under an alias compare as their numbers.
    if (a.userType() == b.userType()
        && (QMetaType::typeFlags(a.userType()) & QMetaType::IsEnumeration))
        return a.toInt() == b.toInt();
    return a == b;
}

} // namespace

ChangeHistory::ChangeHistory(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(cst_shown_ms);
    connect(&m_timer, &QTimer::timeout, this, [this] { setShown(false); });
    // The words are made here, beyond the scene's retranslation.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

ChangeHistory::~ChangeHistory() = default;

bool ChangeHistory::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        emit changed();
    return QObject::eventFilter(watched, event);
}

void ChangeHistory::set_configuration(ConfigurationSwitch* configuration)
{
    if (m_configuration == configuration)
        return;
    for (auto it = m_bySignal.cbegin(); it != m_bySignal.cend(); ++it)
        disconnect(it.key().first, nullptr, this, nullptr);
    m_bySignal.clear();
    m_current.clear();
    m_group.clear();
    m_last.clear();
    m_configuration = configuration;
    if (m_configuration) {
        watch(m_configuration, cstLineProperties);
        watch(&m_configuration->leftChannel(), {});
        watch(&m_configuration->rightChannel(), {});
        // A channel assigned as a whole changes silently: start from it again.
        connect(m_configuration, &ConfigurationSwitch::leftChannelChanged, this,
            [this] { takeStartingPoint(&m_configuration->leftChannel()); });
        connect(m_configuration, &ConfigurationSwitch::rightChannelChanged, this,
            [this] { takeStartingPoint(&m_configuration->rightChannel()); });
    }
    setShown(false);
    emit configurationChanged(m_configuration);
    emit changed();
}

// Every notifying property of a channel, so a setting added later can be
// undone too; only the named ones of other sections.
void ChangeHistory::watch(QObject* object, const QStringList& names)
{
    const QMetaObject* meta = object->metaObject();
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("propertyNotified()"));
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.hasNotifySignal() || !property.isWritable()
            || (!names.isEmpty() && !names.contains(QLatin1String(property.name()))))
            continue;
        const Key bySignal(object, property.notifySignalIndex());
        if (!m_bySignal.contains(bySignal))
            connect(object, property.notifySignal(), this, slot);
        m_bySignal[bySignal].append(i);
    }
    takeStartingPoint(object);
}

void ChangeHistory::takeStartingPoint(QObject* object)
{
    for (auto it = m_bySignal.cbegin(); it != m_bySignal.cend(); ++it) {
        if (it.key().first != object)
            continue;
        for (int index : it.value())
            m_current[Key(object, index)] = object->metaObject()->property(index).read(object);
    }
    const auto touches = [object](const Step& step) { return step.object == object; };
    m_group.erase(std::remove_if(m_group.begin(), m_group.end(), touches), m_group.end());
    if (std::any_of(m_last.cbegin(), m_last.cend(), touches)) {
        m_last.clear();
        setShown(false);
        emit changed();
    }
}

void ChangeHistory::propertyNotified()
{
    QObject* object = sender();
    const auto found = m_bySignal.constFind(Key(object, senderSignalIndex()));
    if (!object || found == m_bySignal.cend())
        return;
    for (int index : found.value()) {
        const Key key(object, index);
        const QVariant after = object->metaObject()->property(index).read(object);
        const QVariant before = m_current.value(key);
        m_current[key] = after;
        if (m_undoing || sameValue(before, after))
            continue;
        auto step = std::find_if(m_group.begin(), m_group.end(),
            [&](const Step& s) { return s.object == object && s.property == index; });
        if (step != m_group.end()) {
            step->after = after;
            continue;
        }
        m_group.append({ object, index, before, after });
        if (!m_groupOpen) {
            m_groupOpen = true;
            QMetaObject::invokeMethod(this, &ChangeHistory::closeGroup, Qt::QueuedConnection);
        }
    }
}

void ChangeHistory::closeGroup()
{
    if (!m_groupOpen)
        return;
    m_groupOpen = false;
    // Back where it started within the same turn: nothing to undo.
    m_group.erase(std::remove_if(m_group.begin(), m_group.end(),
                      [](const Step& s) { return !s.object || sameValue(s.before, s.after); }),
        m_group.end());
    if (m_group.isEmpty())
        return;
    m_last = m_group;
    m_group.clear();
    emit changed();
    emit recorded(text());
    setShown(true);
}

bool ChangeHistory::undo()
{
    closeGroup();
    if (m_last.isEmpty())
        return false;
    const QVector<Step> steps = m_last;
    m_last.clear();
    m_undoing = true;
    for (auto step = steps.crbegin(); step != steps.crend(); ++step) {
        if (step->object)
            step->object->metaObject()->property(step->property).write(step->object, step->before);
    }
    m_undoing = false;
    setShown(false);
    emit changed();
    return true;
}

void ChangeHistory::dismiss()
{
    setShown(false);
}

void ChangeHistory::setHeld(bool held)
{
    m_held = held;
    if (!m_shown)
        return;
    if (held)
        m_timer.stop();
    else
        m_timer.start();
}

void ChangeHistory::setShown(bool shown)
{
    if (shown && !m_held)
        m_timer.start();
    else
        m_timer.stop();
    if (m_shown == shown)
        return;
    m_shown = shown;
    emit shownChanged(m_shown);
}

QString ChangeHistory::text() const
{
    if (m_last.isEmpty())
        return QString();
    const Step* naming = &m_last.first();
    int rank = cstNamingOrder.size();
    for (const Step& step : m_last) {
        const int index = cstNamingOrder.indexOf(propertyName(step));
        if (index >= 0 && index < rank) {
            rank = index;
            naming = &step;
        }
    }
    return describe(*naming);
}

QString ChangeHistory::channelName(const QObject* channel) const
{
    if (m_configuration && channel == &m_configuration->rightChannel())
        return Translator::tr("Right Channel");
    return Translator::tr("Left Channel");
}

QString ChangeHistory::propertyName(const Step& step)
{
    if (!step.object)
        return QString();
    return QLatin1String(step.object->metaObject()->property(step.property).name());
}

QString ChangeHistory::describe(const Step& step) const
{
    const QString name = propertyName(step);
    const int line = cstLineProperties.indexOf(name);
    if (step.object == m_configuration && line >= 0) {
        const QString sent = step.after.toString();
        if (sent.isEmpty()) {
            return QStringList { Translator::tr("Left button sends nothing"),
                Translator::tr("Right button sends nothing"),
                Translator::tr("Left button release sends nothing"),
                Translator::tr("Right button release sends nothing") }[line];
        }
        return QStringList { Translator::tr("Left button sends “%1”"),
            Translator::tr("Right button sends “%1”"),
            Translator::tr("Left button release sends “%1”"),
            Translator::tr("Right button release sends “%1”") }[line]
            .arg(sent);
    }

    const auto* channel = qobject_cast<const ConfigurationChannel*>(step.object.data());
    const QString title = channelName(step.object);
    const auto saying
        = [&title](const QString& what) { return Translator::tr("%1: %2").arg(title, what); };
    if (!channel)
        return Translator::tr("%1 changed").arg(title);
    const auto milliseconds = [&step](const QString& on, const QString& off) {
        const int value = step.after.toInt();
        return value > 0 ? on.arg(value) : off;
    };
    if (name == QLatin1String("enabled"))
        return channel->enabled() ? Translator::tr("%1 switched on").arg(title)
                                  : Translator::tr("%1 switched off").arg(title);
    if (name == QLatin1String("mode")) {
        if (channel->mode() == ModeClass::KEYBOARD)
            return saying(Translator::tr("keyboard"));
        if (channel->mode() == ModeClass::MOUSE)
            return saying(Translator::tr("mouse"));
        return saying(Translator::tr("nothing"));
    }
    if (name == QLatin1String("clickType")) {
        switch (channel->clickType()) {
        case ClickTypeClass::LEFT:
            return saying(Translator::tr("left click"));
        case ClickTypeClass::RIGHT:
            return saying(Translator::tr("right click"));
        case ClickTypeClass::MIDDLE:
            return saying(Translator::tr("middle click"));
        case ClickTypeClass::DOUBLE:
            return saying(Translator::tr("double click"));
        case ClickTypeClass::SCROLLUP:
            return saying(Translator::tr("scroll up"));
        case ClickTypeClass::SCROLLDOWN:
            return saying(Translator::tr("scroll down"));
        default:
            return saying(Translator::tr("no click"));
        }
    }
    if (name == QLatin1String("key") || name == QLatin1String("modifiers")
        || name == QLatin1String("nativeScanCode")) {
        const QString key = ChannelInjector::keyText(
            static_cast<qulonglong>(channel->key()), channel->modifiers());
        return saying(
            key.isEmpty() ? Translator::tr("key changed") : Translator::tr("key %1").arg(key));
    }
    if (name == QLatin1String("ignoreRepeatsMs"))
        return saying(milliseconds(
            Translator::tr("ignore repeats %1 ms"), Translator::tr("ignore repeats off")));
    if (name == QLatin1String("holdMs"))
        return saying(
            milliseconds(Translator::tr("hold time %1 ms"), Translator::tr("hold time off")));
    if (name == QLatin1String("acceptanceMs"))
        return saying(milliseconds(
            Translator::tr("acceptance time %1 ms"), Translator::tr("acceptance time off")));
    if (name == QLatin1String("latch"))
        return saying(channel->latch() ? Translator::tr("latch on") : Translator::tr("latch off"));
    // What a long or double press does instead.
    if (name.startsWith(QLatin1String("second")) || name.endsWith(QLatin1String("PressMs")))
        return saying(Translator::tr("second action changed"));
    return Translator::tr("%1 changed").arg(title);
}

} // namespace korvane::core
