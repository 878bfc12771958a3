#include "main/sceneregistration.h"

#include "common/elapsedtimer.h"
#include "common/logmanager.h"
#include "common/pathtool.h"
#include "core/applicationinterface.h"
#include "core/changehistory.h"
#include "core/switch/mousecom.h"
#include "core/switch/switchcontroller.h"
#include "core/windowpresenter.h"
#include "datamodel/clicktypeclass.h"
#include "datamodel/configuration.h"
#include "datamodel/language.h"
#include "datamodel/modeclass.h"
#include "datamodel/secondmodeclass.h"
#include "datamodel/secondtriggerclass.h"

#include <QQmlContext>
#include <QQmlEngine>

namespace korvane::shell {

using namespace korvane::datamodel;

void registerSceneTypes()
{
    const char* uri = "com.korvane";
    qmlRegisterType<common::ElapsedTimer>(uri, 1, 0, "ElapsedTimer");
    qmlRegisterType<core::MouseCom>(uri, 1, 0, "MouseCom");
    qmlRegisterType<core::SwitchController>(uri, 1, 0, "SwitchController");
    qmlRegisterType<core::ChangeHistory>(uri, 1, 0, "ChangeHistory");
    qmlRegisterType<core::WindowPresenter>(uri, 1, 0, "WindowPresenter");
    qmlRegisterAnonymousType<core::ChannelInjector>(uri, 1);
    qmlRegisterType<core::ApplicationInterface>(uri, 1, 0, "ApplicationInterface");
    qRegisterMetaType<ModeClass::Type>("Mode");
    qRegisterMetaType<ClickTypeClass::Type>("ClickType");
    qRegisterMetaType<SecondTriggerClass::Type>("SecondTrigger");
    qRegisterMetaType<SecondModeClass::Type>("SecondMode");
    qmlRegisterType<Language>("com.tarnel", 1, 0, "Language");
    qmlRegisterUncreatableType<ConfigurationApplication>(uri, 1, 0, "ConfigurationApplication",
        QStringLiteral("ConfigurationApplication (from module core) may not be created directly."));
    qmlRegisterUncreatableType<ConfigurationSwitch>(uri, 1, 0, "ConfigurationSwitch",
        QStringLiteral("ConfigurationSwitch (from module core) may not be created directly."));
    qmlRegisterUncreatableType<ConfigurationChannel>(uri, 1, 0, "ConfigurationChannel",
        QStringLiteral("ConfigurationChannel (from module core) may not be created directly."));
    qmlRegisterUncreatableType<ModeClass>(
        uri, 1, 0, "Mode", QStringLiteral("Not creatable as it is an enum type"));
    qmlRegisterUncreatableType<ClickTypeClass>(
        uri, 1, 0, "ClickType", QStringLiteral("Not creatable as it is an enum type"));
    qmlRegisterUncreatableType<SecondTriggerClass>(
        uri, 1, 0, "SecondTrigger", QStringLiteral("Not creatable as it is an enum type"));
    qmlRegisterUncreatableType<SecondModeClass>(
        uri, 1, 0, "SecondMode", QStringLiteral("Not creatable as it is an enum type"));
    qmlRegisterSingletonType<common::PathTool>(
        uri, 1, 0, "PathTool", &common::PathTool::qmlInstance);
}

void setSceneContext(QQmlContext* context, core::ApplicationInterface& interface)
{
    auto& configuration = interface.get_configuration();
    auto& application = configuration.get_configurationApplication();
    auto& switchSection = configuration.get_configurationSwitch();
    context->setContextProperty(QStringLiteral("appInterface"), &interface);
    context->setContextProperty(QStringLiteral("logManager"), &common::LogManager::GetInstance());
    context->setContextProperty(QStringLiteral("configuration"), &application);
    context->setContextProperty(QStringLiteral("configurationSwitch"), &switchSection);
    context->setContextProperty(
        QStringLiteral("configurationLeftChannel"), &switchSection.leftChannel());
    context->setContextProperty(
        QStringLiteral("configurationRightChannel"), &switchSection.rightChannel());
}

void setSystrayEnabled(QQmlContext* context, bool available)
{
    if (available)
        context->setContextProperty(QStringLiteral("systrayEnabled"), true);
    else
        context->setContextProperty(
            QStringLiteral("systrayEnabled"), static_cast<QObject*>(nullptr));
}

void setFirstStart(QQmlContext* context, bool firstStart)
{
    context->setContextProperty(QStringLiteral("firstStart"), firstStart);
}

void setWindowNotices(QQmlContext* context, QObject* notices)
{
    context->setContextProperty(QStringLiteral("windowNotices"), notices);
}

void setRestartPage(QQmlContext* context, bool restarted, const QString& page)
{
    if (restarted)
        context->setContextProperty(QStringLiteral("restartPage"), page);
    else
        context->setContextProperty(QStringLiteral("restartPage"), static_cast<QObject*>(nullptr));
}

} // namespace korvane::shell
