#include "main/controlsstyle.h"

#include <QLibraryInfo>
#include <QPluginLoader>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>

namespace korvane::shell {

namespace {

const char* const cst_controls_uri = "QtQuick.Controls";

bool g_chosen = false;
int g_passes = 0;

// Held for the life of the process, so the controls' plugin stays the one
// instance that the first pass's engine initialised.
QPluginLoader& controlsPlugin()
{
    static QPluginLoader loader(QLibraryInfo::location(QLibraryInfo::Qml2ImportsPath)
        + QStringLiteral("/QtQuick/Controls.2/qtquickcontrols2plugin"));
    return loader;
}

QtMessageHandler g_previousHandler = nullptr;

// Registering again reports each type as already installed; that is the
// point of the call, not a fault worth a line in the user's log.
void dropReinstallNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Cannot install "))
        && message.contains(QLatin1String("protected module 'QtQuick.Controls'")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

void ControlsStyle::choose()
{
    if (g_chosen)
        return;
    QQuickStyle::setStyle(QStringLiteral("Material"));
    controlsPlugin().load();
    g_chosen = true;
}

void ControlsStyle::renew()
{
    if (g_passes++ == 0)
        return;
    auto* plugin = qobject_cast<QQmlExtensionPlugin*>(controlsPlugin().instance());
    if (!plugin)
        return;
    g_previousHandler = qInstallMessageHandler(dropReinstallNotes);
    plugin->registerTypes(cst_controls_uri);
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
}

} // namespace korvane::shell
