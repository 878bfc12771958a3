#include "core/platform/linux/kdekeyboardlayouts.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSettings>

namespace korvane::core {

const char* const KdeKeyboardLayouts::cstService = "org.kde.keyboard";
const char* const KdeKeyboardLayouts::cstPath = "/Layouts";
const char* const KdeKeyboardLayouts::cstInterface = "org.kde.KeyboardLayouts";

namespace {

// kxkbrc writes lists with commas, which QSettings already splits.
std::string listText(const QSettings& config, const QString& key)
{
    return config.value(key).toStringList().join(QLatin1Char(',')).toStdString();
}

} // namespace

KdeKeyboardLayouts::KdeKeyboardLayouts(
    const QString& configFile, QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_configFile(configFile)
    , m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(QLatin1String(cstService), QLatin1String(cstPath), QLatin1String(cstInterface),
        QStringLiteral("layoutChanged"), this, SLOT(onLayoutChanged(uint)));
    m_bus.connect(QLatin1String(cstService), QLatin1String(cstPath), QLatin1String(cstInterface),
        QStringLiteral("layoutListChanged"), this, SLOT(onLayoutListChanged()));
    askActive();
}

void KdeKeyboardLayouts::askActive()
{
    // Only a running desktop answers; without one the list's first layout is
    // the one KDE starts with.
    QDBusConnectionInterface* daemon = m_bus.interface();
    if (!daemon || !daemon->isServiceRegistered(QLatin1String(cstService)))
        return;
    const QDBusMessage reply = m_bus.call(
        QDBusMessage::createMethodCall(QLatin1String(cstService), QLatin1String(cstPath),
            QLatin1String(cstInterface), QStringLiteral("getLayout")),
        QDBus::Block, 1000);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        m_active = reply.arguments().constFirst().toUInt();
}

SessionLayouts KdeKeyboardLayouts::layouts() const
{
    const QSettings config(m_configFile, QSettings::IniFormat);
    if (!config.value(QStringLiteral("Layout/Use"), false).toBool())
        return {};
    KeyboardLayout names;
    names.layout = listText(config, QStringLiteral("Layout/LayoutList"));
    names.variant = listText(config, QStringLiteral("Layout/VariantList"));
    names.model = config.value(QStringLiteral("Layout/Model")).toString().toStdString();
    names.options = listText(config, QStringLiteral("Layout/Options"));
    SessionLayouts session = SessionLayouts::fromNames(names, "KDE's settings");
    if (m_active < session.layouts.size())
        session.active = m_active;
    return session;
}

void KdeKeyboardLayouts::onLayoutChanged(uint index)
{
    m_active = index;
    emit changed();
}

void KdeKeyboardLayouts::onLayoutListChanged()
{
    askActive();
    emit changed();
}

} // namespace korvane::core
