// What the scene documents can reach, as the program registers it: the types
// of "com.korvane" and "com.tarnel", the refusal texts of the uncreatable ones,
// modes and click types through the meta-type names "Mode" and "ClickType",
// and the live objects of the configuration document as context properties.
#include "core/applicationinterface.h"
#include "tests/doubles/recordinginputinjector.h"
#include "datamodel/clicktypeclass.h"
#include "datamodel/configurationapplication.h"
#include "datamodel/configurationchannel.h"
#include "datamodel/configurationswitch.h"
#include "datamodel/modeclass.h"
#include "main/sceneregistration.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace korvane::datamodel;

class TestSceneRegistration : public QObject {
    Q_OBJECT

private:
    QObject* load(QQmlEngine& engine, const QByteArray& body)
    {
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nimport com.korvane 1.0\n" + body, QUrl());
        QObject* object = component.create();
        if (!object)
            qWarning() << component.errorString();
        return object;
    }

private slots:
    void initTestCase() { korvane::shell::registerSceneTypes(); }

    void readsEnumerations_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("clickType");
        QTest::newRow("defaults") << int(ModeClass::MOUSE) << int(ClickTypeClass::LEFT);
        QTest::newRow("keyboard, scroll down")
            << int(ModeClass::KEYBOARD) << int(ClickTypeClass::SCROLLDOWN);
        QTest::newRow("none, empty") << int(ModeClass::NONE) << int(ClickTypeClass::EMPTY);
    }

    void readsEnumerations()
    {
        QFETCH(int, mode);
        QFETCH(int, clickType);
        ConfigurationChannel channel;
        channel.set_mode(static_cast<Mode>(mode));
        channel.set_clickType(static_cast<ClickType>(clickType));

        // A "Mode" value reaches script as a wrapped variant: it compares with
        // == and converts with Number(), but === against Mode.X would be false.
        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("channel"), &channel);
        QScopedPointer<QObject> object(load(engine,
            "QtObject {\n"
            "  property int mode: channel.mode\n"
            "  property int clickType: channel.clickType\n"
            "  property bool modeMatches: channel.mode == Mode.KEYBOARD\n"
            "  property bool numberMatches: Number(channel.mode) === Mode.KEYBOARD\n"
            "  property bool clickMatches: channel.clickType == ClickType.SCROLLDOWN\n"
            "}"));
        QVERIFY(object);
        QCOMPARE(object->property("mode").toInt(), mode);
        QCOMPARE(object->property("numberMatches").toBool(), mode == ModeClass::KEYBOARD);
        QCOMPARE(object->property("clickType").toInt(), clickType);
        QCOMPARE(object->property("modeMatches").toBool(), mode == ModeClass::KEYBOARD);
        QCOMPARE(
            object->property("clickMatches").toBool(), clickType == ClickTypeClass::SCROLLDOWN);
    }

    void writesEnumerations()
    {
        ConfigurationChannel channel;
        QSignalSpy modeSpy(&channel, &ConfigurationChannel::modeChanged);
        QSignalSpy clickSpy(&channel, &ConfigurationChannel::clickTypeChanged);
        QVERIFY(modeSpy.isValid());

        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("channel"), &channel);
        QScopedPointer<QObject> object(load(engine,
            "QtObject {\n"
            "  Component.onCompleted: {\n"
            "    channel.mode = Mode.KEYBOARD\n"
            "    channel.clickType = ClickType.SCROLLUP\n"
            "  }\n"
            "}"));
        QVERIFY(object);
        QCOMPARE(channel.mode(), ModeClass::KEYBOARD);
        QCOMPARE(channel.clickType(), ClickTypeClass::SCROLLUP);
        QCOMPARE(modeSpy.count(), 1);
        QCOMPARE(modeSpy.at(0).at(0).toInt(), int(ModeClass::KEYBOARD));
        QCOMPARE(clickSpy.count(), 1);
        QCOMPARE(clickSpy.at(0).at(0).toInt(), int(ClickTypeClass::SCROLLUP));
    }

    void enumerationScopes()
    {
        QQmlEngine engine;
        QScopedPointer<QObject> object(load(engine,
            "QtObject {\n"
            "  property int keyboard: Mode.KEYBOARD\n"
            "  property int scrollDown: ClickType.SCROLLDOWN\n"
            "}"));
        QVERIFY(object);
        QCOMPARE(object->property("keyboard").toInt(), 1);
        QCOMPARE(object->property("scrollDown").toInt(), 6);
    }

    void predicatesFollowWrites()
    {
        ConfigurationChannel channel;
        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("channel"), &channel);
        QScopedPointer<QObject> object(load(engine,
            "QtObject {\n"
            "  function pick() { channel.clickType = ClickType.MIDDLE; return "
            "channel.isClickMiddle() }\n"
            "}"));
        QVERIFY(object);
        QVariant result;
        QVERIFY(QMetaObject::invokeMethod(object.data(), "pick", Q_RETURN_ARG(QVariant, result)));
        QVERIFY(result.toBool());
    }

    void languagesInScene()
    {
        ConfigurationApplication application;
        for (const char* code : { "fr", "de" }) {
            Language language;
            language.setCode(QString::fromLatin1(code));
            language.setName(QLocale::languageToString(QLocale(language.getCode()).language()));
            application.languageList().append(language);
        }
        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("configuration"), &application);
        QScopedPointer<QObject> object(load(engine,
            "QtObject {\n"
            "  property int count: configuration.languageQmlList.length\n"
            "  property string second: configuration.languageQmlList[1].code\n"
            "  property var names: configuration.getLanguageList()\n"
            "}"));
        QVERIFY(object);
        QCOMPARE(object->property("count").toInt(), 2);
        QCOMPARE(object->property("second").toString(), QStringLiteral("de"));
        QCOMPARE(object->property("names").toStringList(),
            (QStringList { QStringLiteral("French"), QStringLiteral("German") }));
        // The elements handed to the scene stay owned by the list.
        QCOMPARE(application.languageList().size(), 2);
    }

    void creatable_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("link") << QByteArray("import com.korvane 1.0\nMouseCom { }");
        QTest::newRow("stopwatch") << QByteArray("import com.korvane 1.0\nElapsedTimer { }");
        QTest::newRow("interface")
            << QByteArray("import com.korvane 1.0\nApplicationInterface { }");
        QTest::newRow("language") << QByteArray("import com.tarnel 1.0\nLanguage { }");
        QTest::newRow("path tool") << QByteArray(
            "import com.korvane 1.0\nQtObject { property string temp: PathTool.getTempPath() }");
    }

    void creatable()
    {
        QFETCH(QByteArray, body);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\n" + body, QUrl());
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
    }

    void contextReachesTheLiveDocument()
    {
        korvane::core::ApplicationInterface appInterface;
        appInterface.setInputInjector(std::make_unique<korvane::core::RecordingInputInjector>());
        QQmlEngine engine;
        korvane::shell::setSceneContext(engine.rootContext(), appInterface);
        korvane::shell::setSystrayEnabled(engine.rootContext(), false);
        QScopedPointer<QObject> object(load(engine,
            "QtObject {\n"
            "  property bool tray: systrayEnabled ? true : false\n"
            "  Component.onCompleted: {\n"
            "    configurationLeftChannel.mode = Mode.KEYBOARD\n"
            "    configurationSwitch.inputRightChannel = \"R\"\n"
            "    configuration.language = \"fr\"\n"
            "    logManager.debugLog(\"from the scene\")\n"
            "  }\n"
            "}"));
        QVERIFY(object);
        QCOMPARE(object->property("tray").toBool(), false);
        const auto& document = appInterface.get_configuration();
        QCOMPARE(document.get_configurationSwitch().leftChannel().mode(), ModeClass::KEYBOARD);
        QCOMPARE(document.get_configurationSwitch().inputRightChannel(), QStringLiteral("R"));
        QCOMPARE(document.get_configurationApplication().language(), QStringLiteral("fr"));
        QVERIFY(document.toJson().contains("\"mode\": \"KEYBOARD\""));
    }

    void uncreatable_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason");
        QTest::newRow("channel") << QByteArray("ConfigurationChannel { }")
                                 << "ConfigurationChannel (from module core) may not be created "
                                    "directly.";
        QTest::newRow("application")
            << QByteArray("ConfigurationApplication { }")
            << "ConfigurationApplication (from module core) may not be created directly.";
        QTest::newRow("mode") << QByteArray("Mode { }") << "Not creatable as it is an enum type";
        QTest::newRow("click type")
            << QByteArray("ClickType { }") << "Not creatable as it is an enum type";
        QTest::newRow("switch") << QByteArray("ConfigurationSwitch { }")
                                << "ConfigurationSwitch (from module core) may not be created "
                                   "directly.";
    }

    void uncreatable()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nimport com.korvane 1.0\n" + body, QUrl());
        QTest::ignoreMessage(QtWarningMsg, "QQmlComponent: Component is not ready");
        QScopedPointer<QObject> object(component.create());
        QVERIFY(!object);
        QVERIFY2(component.errorString().contains(reason), qPrintable(component.errorString()));
    }
};

QTEST_MAIN(TestSceneRegistration)
#include "tst_sceneregistration.moc"
