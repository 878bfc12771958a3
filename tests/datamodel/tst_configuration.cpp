// The configuration document: reading with its fallbacks and overlay rules,
// writing every key, the byte-exact default file, syntax errors, and the
// value semantics and change signals of the sections.
#include "common/exception.h"
#include "datamodel/configuration.h"

#include <QFile>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace korvane::datamodel;

namespace {

// What a default Configuration writes, byte for byte, in the indented format.
const char* const cst_default_document = R"({
    "configuration": {
        "application": {
            "language": "en",
            "orientation": "ORIENTATION_PREFERENCE_PORTRAIT",
            "runStartup": true,
            "scale": 1,
            "theme": "LIGHT"
        },
        "switch": {
            "input_left": "",
            "input_right": "",
            "left_channel": {
                "click_type": "LEFT",
                "enabled": false,
                "key": 32,
                "mode": "MOUSE",
                "modifier": 0,
                "native": "0"
            },
            "right_channel": {
                "click_type": "LEFT",
                "enabled": false,
                "key": 32,
                "mode": "MOUSE",
                "modifier": 0,
                "native": "0"
            },
            "serial_name": "COM5"
        }
    }
}
)";

// A channel whose every field differs from both the defaults and the fallbacks,
// so a row shows exactly which field it changed.
QJsonObject busyChannel()
{
    return QJsonObject { { "enabled", true }, { "mode", "KEYBOARD" }, { "click_type", "RIGHT" },
        { "key", 65 }, { "modifier", 33554432 }, { "native", "30" }, { "ignore_repeats_ms", 200 },
        { "hold_ms", 400 }, { "latch", true }, { "acceptance_ms", 100 } };
}

QJsonObject parse(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(text, &error).object();
    if (error.error != QJsonParseError::NoError)
        qFatal("bad test document: %s", text.constData());
    return object;
}

// Sets the value at "a/b/c" inside object.
void setPath(QJsonObject& object, const QStringList& path, const QJsonValue& value)
{
    if (path.size() == 1) {
        object.insert(path.first(), value);
        return;
    }
    QJsonObject child = object.value(path.first()).toObject();
    setPath(child, path.mid(1), value);
    object.insert(path.first(), child);
}

QJsonObject defaultWritten()
{
    return Configuration().write();
}

QByteArray document(const QJsonObject& configuration)
{
    return QJsonDocument(QJsonObject { { "configuration", configuration } }).toJson();
}

} // namespace

class TestConfiguration : public QObject {
    Q_OBJECT

private:
    // A row reads `input` (the "configuration" object) into a default document;
    // the written result must equal the default with `changes` applied.
    static void row(const char* name, const QJsonObject& input, const QJsonObject& changes)
    {
        QTest::newRow(name) << document(input) << changes;
    }

    static void applicationRow(
        const char* name, const char* key, const QJsonValue& input, const QJsonValue& expected)
    {
        QJsonObject section { { "theme", "DARK" } };
        if (!input.isUndefined())
            section.insert(key, input);
        QJsonObject changes { { "application/theme", "DARK" } };
        if (!expected.isUndefined())
            changes.insert(QStringLiteral("application/") + key, expected);
        row(name, QJsonObject { { "application", section } }, changes);
    }

    static void channelRow(
        const char* name, const char* key, const QJsonValue& input, const QJsonValue& expected)
    {
        QJsonObject channel = busyChannel();
        if (input.isUndefined())
            channel.remove(key);
        else
            channel.insert(key, input);
        QJsonObject changes { { "switch/serial_name", "COM7" } };
        const QJsonObject busy = busyChannel();
        for (auto it = busy.begin(); it != busy.end(); ++it)
            changes.insert("switch/left_channel/" + it.key(), it.value());
        changes.insert(QStringLiteral("switch/left_channel/") + key, expected);
        row(name,
            QJsonObject { { "switch",
                QJsonObject { { "serial_name", "COM7" }, { "left_channel", channel } } } },
            changes);
    }

private slots:
    void defaultDocumentIsExact()
    {
        const Configuration configuration;
        QCOMPARE(configuration.toJson(QJsonDocument::Indented), QByteArray(cst_default_document));
    }

    void shippedDefaultFileIsTheDefaultDocument()
    {
        QFile file(QStringLiteral(KORVANE_SHIPPED_CONFIGURATION));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QCOMPARE(file.readAll(), QByteArray(cst_default_document));
    }

    void compactFormat()
    {
        const QByteArray compact = Configuration().toJson(QJsonDocument::Compact);
        QVERIFY(!compact.contains('\n'));
        QCOMPARE(parse(compact), parse(cst_default_document));
    }

    void readingTable_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QJsonObject>("changes");
        const QJsonValue absent(QJsonValue::Undefined);

        row("empty configuration object changes nothing", QJsonObject {}, QJsonObject {});
        row("unknown section is ignored", QJsonObject { { "extra", QJsonObject { { "a", 1 } } } },
            QJsonObject {});

        // Application section: theme is read whenever the section is present.
        row("empty application: theme falls back to NONE",
            QJsonObject { { "application", QJsonObject {} } },
            QJsonObject { { "application/theme", "NONE" } });
        row("application not an object: read as empty", QJsonObject { { "application", "dark" } },
            QJsonObject { { "application/theme", "NONE" } });
        row("theme in small letters",
            QJsonObject { { "application", QJsonObject { { "theme", "dark" } } } },
            QJsonObject { { "application/theme", "DARK" } });
        row("theme unknown text",
            QJsonObject { { "application", QJsonObject { { "theme", "PURPLE" } } } },
            QJsonObject { { "application/theme", "NONE" } });
        row("theme as a number", QJsonObject { { "application", QJsonObject { { "theme", 2 } } } },
            QJsonObject { { "application/theme", "NONE" } });

        applicationRow("scale number", "scale", 1.5, 1.5);
        applicationRow("scale as text", "scale", "1.5", 0);
        applicationRow("scale null", "scale", QJsonValue::Null, 0);
        applicationRow("scale absent keeps value", "scale", absent, absent);
        applicationRow("orientation text", "orientation", "ORIENTATION_PREFERENCE_LANDSCAPE",
            "ORIENTATION_PREFERENCE_LANDSCAPE");
        applicationRow("orientation as a number", "orientation", 5, "");
        applicationRow("orientation absent keeps value", "orientation", absent, absent);
        applicationRow("language text", "language", "fr", "fr");
        applicationRow("language as a boolean", "language", true, "");
        applicationRow("language absent keeps value", "language", absent, absent);
        applicationRow("runStartup false", "runStartup", false, false);
        applicationRow("runStartup as text", "runStartup", "true", false);
        applicationRow("runStartup as a number", "runStartup", 1, false);
        applicationRow("runStartup absent keeps value", "runStartup", absent, absent);

        // Switch section: the port name is read whenever the section is present.
        row("empty switch empties the port name only", QJsonObject { { "switch", QJsonObject {} } },
            QJsonObject { { "switch/serial_name", "" } });
        row("serial_name text",
            QJsonObject { { "switch", QJsonObject { { "serial_name", "/dev/ttyUSB0" } } } },
            QJsonObject { { "switch/serial_name", "/dev/ttyUSB0" } });
        row("serial_name as a number",
            QJsonObject { { "switch", QJsonObject { { "serial_name", 5 } } } },
            QJsonObject { { "switch/serial_name", "" } });
        row("input texts",
            QJsonObject { { "switch",
                QJsonObject {
                    { "serial_name", "COM5" }, { "input_left", "L" }, { "input_right", "R" } } } },
            QJsonObject { { "switch/input_left", "L" }, { "switch/input_right", "R" } });
        row("input texts of other types",
            QJsonObject { { "switch",
                QJsonObject { { "serial_name", "COM5" }, { "input_left", 1 },
                    { "input_right", QJsonArray { "R" } } } } },
            QJsonObject { { "switch/input_left", "" }, { "switch/input_right", "" } });

        const QJsonObject emptied { { "switch/serial_name", "COM5" },
            { "switch/right_channel/enabled", false }, { "switch/right_channel/mode", "NONE" },
            { "switch/right_channel/click_type", "EMPTY" }, { "switch/right_channel/key", 0 },
            { "switch/right_channel/modifier", 0 }, { "switch/right_channel/native", "0" } };
        row("empty channel object takes every fallback",
            QJsonObject { { "switch",
                QJsonObject { { "serial_name", "COM5" }, { "right_channel", QJsonObject {} } } } },
            emptied);
        row("channel not an object is read as empty",
            QJsonObject {
                { "switch", QJsonObject { { "serial_name", "COM5" }, { "right_channel", 3 } } } },
            emptied);

        // Channel keys: every key is read whenever the channel is present.
        channelRow("all channel keys", "enabled", true, true);
        channelRow("enabled as text", "enabled", "true", false);
        channelRow("enabled as a number", "enabled", 1, false);
        channelRow("enabled absent", "enabled", absent, false);
        channelRow("mode in small letters", "mode", "mouse", "MOUSE");
        channelRow("mode in mixed case", "mode", "KeyBoard", "KEYBOARD");
        channelRow("mode as a number", "mode", 2, "NONE");
        channelRow("mode unknown text", "mode", "MICE", "NONE");
        channelRow("mode absent", "mode", absent, "NONE");
        channelRow("click_type in small letters", "click_type", "scrolldown", "SCROLLDOWN");
        channelRow("click_type as a number", "click_type", 1, "EMPTY");
        channelRow("click_type absent", "click_type", absent, "EMPTY");
        channelRow("key negative", "key", -5, -5);
        channelRow("key with a fraction", "key", 65.5, 0);
        channelRow("key as text", "key", "65", 0);
        channelRow("key beyond 32 bits", "key", 4294967296.0, 0);
        channelRow("key absent", "key", absent, 0);
        channelRow("modifier with a fraction", "modifier", 1.5, 0);
        channelRow("modifier null", "modifier", QJsonValue::Null, 0);
        channelRow("modifier absent", "modifier", absent, 0);
        channelRow("native as decimal text", "native", "57", "57");
        channelRow("native largest", "native", "4294967295", "4294967295");
        channelRow("native as a number", "native", 57, "0");
        channelRow("native negative text", "native", "-1", "0");
        channelRow("native beyond 32 bits", "native", "4294967296", "0");
        channelRow("native not a number", "native", "abc", "0");
        channelRow("native empty text", "native", "", "0");
        channelRow("native absent", "native", absent, "0");

        // Timing keys: absent, off or not a number → off and not written;
        // numbers are rounded and brought into 0..5000.
        channelRow("ignore_repeats_ms number", "ignore_repeats_ms", 300, 300);
        channelRow("ignore_repeats_ms absent", "ignore_repeats_ms", absent, absent);
        channelRow("ignore_repeats_ms zero", "ignore_repeats_ms", 0, absent);
        channelRow("ignore_repeats_ms negative", "ignore_repeats_ms", -20, absent);
        channelRow("ignore_repeats_ms above range", "ignore_repeats_ms", 5001, 5000);
        channelRow("ignore_repeats_ms huge", "ignore_repeats_ms", 1e300, 5000);
        channelRow("ignore_repeats_ms with a fraction", "ignore_repeats_ms", 250.6, 251);
        channelRow("ignore_repeats_ms as text", "ignore_repeats_ms", "300", absent);
        channelRow("ignore_repeats_ms null", "ignore_repeats_ms", QJsonValue::Null, absent);
        channelRow("hold_ms number", "hold_ms", 5000, 5000);
        channelRow("hold_ms above range", "hold_ms", 60000, 5000);
        channelRow("hold_ms as a boolean", "hold_ms", true, absent);
        channelRow("hold_ms as an object", "hold_ms", QJsonObject { { "ms", 5 } }, absent);
        channelRow("latch on", "latch", true, true);
        channelRow("latch off", "latch", false, absent);
        channelRow("latch as a number", "latch", 1, absent);
        channelRow("latch as text", "latch", "true", absent);
        channelRow("acceptance_ms number", "acceptance_ms", 1, 1);
        channelRow("acceptance_ms negative", "acceptance_ms", -1, absent);
        channelRow("acceptance_ms as an array", "acceptance_ms", QJsonArray { 100 }, absent);

        // Second action keys: written only when they differ from the default
        // (no trigger; 800 and 400 ms; a right click); thresholds clamped,
        // other types read as the default or, for a present action, nothing.
        channelRow("second_trigger long press", "second_trigger", "LONG_PRESS", "LONG_PRESS");
        channelRow(
            "second_trigger in small letters", "second_trigger", "double_press", "DOUBLE_PRESS");
        channelRow("second_trigger none", "second_trigger", "NONE", absent);
        channelRow("second_trigger unknown", "second_trigger", "TRIPLE_PRESS", absent);
        channelRow("second_trigger as a number", "second_trigger", 1, absent);
        channelRow("long_press_ms number", "long_press_ms", 1200, 1200);
        channelRow("long_press_ms default", "long_press_ms", 800, absent);
        channelRow("long_press_ms below range", "long_press_ms", 10, 300);
        channelRow("long_press_ms above range", "long_press_ms", 9000, 5000);
        channelRow("long_press_ms as text", "long_press_ms", "1200", absent);
        channelRow("double_press_ms number", "double_press_ms", 250.4, 250);
        channelRow("double_press_ms below range", "double_press_ms", -5, 150);
        channelRow("double_press_ms above range", "double_press_ms", 2000, 1000);
        channelRow("double_press_ms as a boolean", "double_press_ms", true, absent);
        channelRow("second_mode pause", "second_mode", "PAUSE", "PAUSE");
        channelRow("second_mode in small letters", "second_mode", "keyboard", "KEYBOARD");
        channelRow("second_mode default", "second_mode", "MOUSE", absent);
        channelRow("second_mode unknown", "second_mode", "JUMP", "NONE");
        channelRow("second_mode as a number", "second_mode", 3, "NONE");
        channelRow("second_click_type double", "second_click_type", "DOUBLE", "DOUBLE");
        channelRow("second_click_type default", "second_click_type", "right", absent);
        channelRow("second_click_type as a number", "second_click_type", 2, "EMPTY");
        channelRow("second_key number", "second_key", 66, 66);
        channelRow("second_key default", "second_key", 32, absent);
        channelRow("second_key as text", "second_key", "66", 0);
        channelRow("second_modifier number", "second_modifier", 33554432, 33554432);
        channelRow("second_modifier with a fraction", "second_modifier", 1.5, absent);
        applicationRow("sound_cues on", "sound_cues", true, true);
        applicationRow("sound_cues off", "sound_cues", false, absent);
        applicationRow("sound_cues as text", "sound_cues", "true", absent);
        applicationRow("sound_cues as a number", "sound_cues", 1, absent);
        row("release lines",
            QJsonObject { { "switch",
                QJsonObject { { "serial_name", "COM5" }, { "release_left", "l" },
                    { "release_right", "r\n" } } } },
            QJsonObject { { "switch/release_left", "l" }, { "switch/release_right", "r\n" } });
        row("release lines of other types are unset",
            QJsonObject { { "switch",
                QJsonObject { { "serial_name", "COM5" }, { "release_left", 7 },
                    { "release_right", QJsonValue::Null } } } },
            QJsonObject { { "switch/serial_name", "COM5" } });
    }

    void readingTable()
    {
        QFETCH(QByteArray, input);
        QFETCH(QJsonObject, changes);

        QJsonObject expected = defaultWritten();
        for (auto it = changes.begin(); it != changes.end(); ++it)
            setPath(expected, it.key().split('/'), it.value());

        Configuration configuration;
        QVERIFY(configuration.fromJson(input));
        const QJsonObject written = configuration.write();
        if (written != expected) {
            qWarning().noquote() << "written:" << QJsonDocument(written).toJson();
            qWarning().noquote() << "expected:" << QJsonDocument(expected).toJson();
        }
        QCOMPARE(written, expected);
    }

    void readingSetsFieldsWithoutSignals()
    {
        Configuration configuration;
        ConfigurationChannel& left = configuration.get_configurationSwitch().leftChannel();
        QSignalSpy keySpy(&left, &ConfigurationChannel::keyChanged);
        QSignalSpy themeSpy(
            &configuration.get_configurationApplication(), &ConfigurationApplication::themeChanged);
        QSignalSpy portSpy(
            &configuration.get_configurationSwitch(), &ConfigurationSwitch::serialNameChanged);
        QVERIFY(configuration.fromJson(
            document(QJsonObject { { "application", QJsonObject { { "theme", "DARK" } } },
                { "switch", QJsonObject { { "left_channel", busyChannel() } } } })));
        QCOMPARE(left.key(), 65);
        QCOMPARE(left.mode(), ModeClass::KEYBOARD);
        QCOMPARE(left.modifiers(), 33554432);
        QCOMPARE(left.nativeScanCode(), 30u);
        QVERIFY(configuration.get_configurationApplication().isDark());
        QCOMPARE(keySpy.count(), 0);
        QCOMPARE(themeSpy.count(), 0);
        QCOMPARE(portSpy.count(), 0);
    }

    void topLevelShapes_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("array at top level") << QByteArray("[1, 2]");
        QTest::newRow("no configuration key")
            << QByteArray(R"({"application": {"theme": "DARK"}})");
        QTest::newRow("configuration not an object") << QByteArray(R"({"configuration": [1]})");
        QTest::newRow("configuration null") << QByteArray(R"({"configuration": null})");
    }

    void topLevelShapes()
    {
        QFETCH(QByteArray, input);
        Configuration configuration;
        QVERIFY(configuration.fromJson(input));
        QCOMPARE(configuration.write(), defaultWritten());
    }

    void overlayOfTwoDocuments()
    {
        QFile file(QStringLiteral(KORVANE_SHIPPED_CONFIGURATION));
        QVERIFY(file.open(QIODevice::ReadOnly));
        Configuration configuration;
        QVERIFY(configuration.fromJson(file.readAll()));

        // A user copy that sets some keys and leaves others out.
        QVERIFY(configuration.fromJson(R"({"configuration": {
            "application": {"language": "fr", "scale": 1.5},
            "switch": {
                "serial_name": "/dev/ttyACM0",
                "input_left": "L",
                "right_channel": {"enabled": true, "mode": "KEYBOARD", "key": 65}
            }}})"));

        const ConfigurationApplication& application = configuration.get_configurationApplication();
        QCOMPARE(application.language(), QStringLiteral("fr"));
        QCOMPARE(application.scale(), 1.5);
        // Present application section without a theme: NONE, not the default's LIGHT.
        QCOMPARE(application.theme(), Theme::NONE);
        QCOMPARE(application.orientation(), QStringLiteral("ORIENTATION_PREFERENCE_PORTRAIT"));
        QCOMPARE(application.runStartup(), true);

        const ConfigurationSwitch& device = configuration.get_configurationSwitch();
        QCOMPARE(device.serialName(), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(device.inputLeftChannel(), QStringLiteral("L"));
        QCOMPARE(device.inputRightChannel(), QString());
        // The absent left channel keeps the default's values...
        QCOMPARE(device.leftChannel(), ConfigurationChannel());
        // ...the present right channel replaces all six fields.
        QCOMPARE(device.rightChannel().enabled(), true);
        QCOMPARE(device.rightChannel().mode(), ModeClass::KEYBOARD);
        QCOMPARE(device.rightChannel().clickType(), ClickTypeClass::EMPTY);
        QCOMPARE(device.rightChannel().key(), 65);
        QCOMPARE(device.rightChannel().modifiers(), 0);

        // A third document without a switch section leaves the switch alone.
        QVERIFY(configuration.fromJson(R"({"configuration": {"application": {"theme": "DARK"}}})"));
        QCOMPARE(device.serialName(), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(application.language(), QStringLiteral("fr"));
        QCOMPARE(application.theme(), Theme::DARK);
    }

    void writeThenReadIsIdentity()
    {
        Configuration source;
        ConfigurationApplication& application = source.get_configurationApplication();
        application.set_theme(Theme::DARK);
        application.set_scale(1.25);
        application.set_orientation(QStringLiteral("ORIENTATION_PREFERENCE_LANDSCAPE"));
        application.set_language(QStringLiteral("fr"));
        application.set_runStartup(false);
        ConfigurationSwitch& device = source.get_configurationSwitch();
        device.set_serialName(QStringLiteral("/dev/pts/3"));
        device.set_inputLeftChannel(QStringLiteral("A"));
        device.set_inputRightChannel(QStringLiteral("B"));
        device.leftChannel().set_clickType(ClickTypeClass::DOUBLE);
        device.rightChannel().set_nativeScanCode(4294967295u);
        device.rightChannel().set_modifiers(-1);

        Configuration copy;
        QVERIFY(copy.fromJson(source.toJson(QJsonDocument::Indented)));
        QCOMPARE(copy.toJson(QJsonDocument::Indented), source.toJson(QJsonDocument::Indented));
        QCOMPARE(copy.get_configurationSwitch(), source.get_configurationSwitch());
    }

    // A user's file without the sound and second action keys comes back
    // exactly as it was read.
    void fileWithoutNewKeysRoundTrips()
    {
        QJsonObject configuration = parse(cst_default_document).value("configuration").toObject();
        setPath(configuration, { "application", "theme" }, "DARK");
        setPath(configuration, { "switch", "input_left" }, "L");
        setPath(configuration, { "switch", "release_left" }, "U");
        setPath(configuration, { "switch", "left_channel" }, busyChannel());
        const QByteArray bytes = document(configuration);
        Configuration copy;
        QVERIFY(copy.fromJson(bytes));
        QCOMPARE(copy.toJson(QJsonDocument::Indented), bytes);
    }

    void syntaxErrorThrows_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("offset");
        QTest::newRow("truncated") << QByteArray(R"({"configuration": {)") << 19;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("garbage after the object") << QByteArray("{} x") << 3;
        QTest::newRow("missing comma") << QByteArray(R"({"a": 1 "b": 2})") << 9;
        QTest::newRow("bare value") << QByteArray("42") << 1;
    }

    void syntaxErrorThrows()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, offset);

        Configuration configuration;
        QVERIFY(configuration.fromJson(R"({"configuration": {"switch": {"serial_name": "X"}}})"));
        const QByteArray before = configuration.toJson(QJsonDocument::Indented);

        QJsonParseError error;
        QJsonDocument::fromJson(input, &error);
        QVERIFY(error.error != QJsonParseError::NoError);

        bool thrown = false;
        try {
            configuration.fromJson(input);
        } catch (const korvane::common::Exception& exception) {
            thrown = true;
            QCOMPARE(exception.description(),
                QStringLiteral("offset %1 - %2").arg(error.offset).arg(error.errorString()));
            QVERIFY(exception.description().startsWith(QStringLiteral("offset %1 - ").arg(offset)));
        }
        QVERIFY(thrown);
        QCOMPARE(configuration.toJson(QJsonDocument::Indented), before);
    }

    // ---- value semantics and signals of the sections ----

    void channelCopyAndEquality()
    {
        QObject parent;
        ConfigurationChannel source(&parent);
        source.read(busyChannel());
        const ConfigurationChannel copy(source);
        QVERIFY(copy.parent() == nullptr);
        QVERIFY(copy == source);
        QVERIFY(!(copy != source));

        ConfigurationChannel target;
        QSignalSpy keySpy(&target, &ConfigurationChannel::keyChanged);
        QSignalSpy modeSpy(&target, &ConfigurationChannel::modeChanged);
        target = source;
        QVERIFY(target == source);
        QCOMPARE(keySpy.count(), 0);
        QCOMPARE(modeSpy.count(), 0);

        target.set_nativeScanCode(31);
        QVERIFY(target != source);
    }

    void channelSetters_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("emitted");
        QTest::newRow("enabled same") << QByteArray("enabled") << QVariant(false) << 0;
        QTest::newRow("enabled other") << QByteArray("enabled") << QVariant(true) << 1;
        QTest::newRow("key same") << QByteArray("key") << QVariant(32) << 0;
        QTest::newRow("key other") << QByteArray("key") << QVariant(65) << 1;
        QTest::newRow("modifiers same") << QByteArray("modifiers") << QVariant(0) << 0;
        QTest::newRow("modifiers other") << QByteArray("modifiers") << QVariant(67108864) << 1;
        QTest::newRow("nativeScanCode same") << QByteArray("nativeScanCode") << QVariant(0u) << 0;
        QTest::newRow("nativeScanCode other") << QByteArray("nativeScanCode") << QVariant(57u) << 1;
        QTest::newRow("ignoreRepeatsMs other")
            << QByteArray("ignoreRepeatsMs") << QVariant(300) << 1;
        QTest::newRow("holdMs same") << QByteArray("holdMs") << QVariant(0) << 0;
        QTest::newRow("holdMs other") << QByteArray("holdMs") << QVariant(5000) << 1;
        QTest::newRow("latch other") << QByteArray("latch") << QVariant(true) << 1;
        QTest::newRow("acceptanceMs other") << QByteArray("acceptanceMs") << QVariant(1) << 1;
        QTest::newRow("secondTrigger other")
            << QByteArray("secondTrigger") << QVariant::fromValue(SecondTriggerClass::LONG_PRESS)
            << 1;
        QTest::newRow("longPressMs same") << QByteArray("longPressMs") << QVariant(800) << 0;
        QTest::newRow("longPressMs other") << QByteArray("longPressMs") << QVariant(1500) << 1;
        QTest::newRow("doublePressMs other") << QByteArray("doublePressMs") << QVariant(300) << 1;
        QTest::newRow("secondMode other")
            << QByteArray("secondMode") << QVariant::fromValue(SecondModeClass::PAUSE) << 1;
        QTest::newRow("secondClickType same")
            << QByteArray("secondClickType") << QVariant::fromValue(ClickTypeClass::RIGHT) << 0;
        QTest::newRow("secondKey other") << QByteArray("secondKey") << QVariant(66) << 1;
        QTest::newRow("secondModifiers other")
            << QByteArray("secondModifiers") << QVariant(33554432) << 1;
        QTest::newRow("mode same")
            << QByteArray("mode") << QVariant::fromValue(ModeClass::MOUSE) << 0;
        QTest::newRow("mode other")
            << QByteArray("mode") << QVariant::fromValue(ModeClass::KEYBOARD) << 1;
        QTest::newRow("clickType same")
            << QByteArray("clickType") << QVariant::fromValue(ClickTypeClass::LEFT) << 0;
        QTest::newRow("clickType other")
            << QByteArray("clickType") << QVariant::fromValue(ClickTypeClass::SCROLLUP) << 1;
    }

    void channelSetters()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        QFETCH(int, emitted);
        ConfigurationChannel channel;
        const QMetaProperty meta
            = channel.metaObject()->property(channel.metaObject()->indexOfProperty(property));
        QVERIFY(meta.hasNotifySignal());
        QSignalSpy spy(&channel, meta.notifySignal());
        QVERIFY(meta.write(&channel, value));
        QCOMPARE(spy.count(), emitted);
        QCOMPARE(meta.read(&channel).toInt(), value.toInt());
        if (emitted)
            QCOMPARE(spy.at(0).at(0).toInt(), value.toInt());
        // The same value a second time never signals.
        QVERIFY(meta.write(&channel, value));
        QCOMPARE(spy.count(), emitted);
    }

    void channelPredicates()
    {
        ConfigurationChannel channel;
        QVERIFY(channel.isModeMouse());
        QVERIFY(!channel.isModeKeyboard());
        QVERIFY(channel.isClickLeft());
        channel.set_mode(ModeClass::NONE);
        QVERIFY(!channel.isModeMouse() && !channel.isModeKeyboard());
        const QList<bool (ConfigurationChannel::*)() const> predicates {
            &ConfigurationChannel::isClickLeft, &ConfigurationChannel::isClickRight,
            &ConfigurationChannel::isClickMiddle, &ConfigurationChannel::isDoubleClick,
            &ConfigurationChannel::isScrollUp, &ConfigurationChannel::isScrollDown
        };
        for (int type = ClickTypeClass::EMPTY; type <= ClickTypeClass::SCROLLDOWN; ++type) {
            channel.set_clickType(static_cast<ClickType>(type));
            for (int i = 0; i < predicates.size(); ++i)
                QCOMPARE((channel.*predicates.at(i))(), type == i + 1);
        }
    }

    void switchValueSemantics()
    {
        ConfigurationSwitch source;
        source.set_serialName(QStringLiteral("/dev/ttyUSB1"));
        source.set_inputLeftChannel(QStringLiteral("1"));
        source.set_releaseRightChannel(QStringLiteral("2 up"));
        source.leftChannel().set_key(70);
        source.leftChannel().set_holdMs(300);

        const ConfigurationSwitch copy(source);
        QVERIFY(copy.parent() == nullptr);
        QVERIFY(copy == source);

        ConfigurationSwitch target;
        ConfigurationChannel* liveLeft = &target.leftChannel();
        QSignalSpy portSpy(&target, &ConfigurationSwitch::serialNameChanged);
        QSignalSpy leftSpy(&target, &ConfigurationSwitch::leftChannelChanged);
        target = source;
        QVERIFY(target == source);
        // The scene's pointer to the channel stays valid and sees the new values.
        QCOMPARE(liveLeft, &target.leftChannel());
        QCOMPARE(liveLeft->key(), 70);
        QCOMPARE(liveLeft->holdMs(), 300);
        QCOMPARE(target.releaseRightChannel(), QStringLiteral("2 up"));
        QCOMPARE(portSpy.count(), 0);
        QCOMPARE(leftSpy.count(), 0);

        target.rightChannel().set_enabled(true);
        QVERIFY(target != source);
    }

    void switchChannelSetter()
    {
        ConfigurationSwitch device;
        QSignalSpy spy(&device, &ConfigurationSwitch::rightChannelChanged);
        ConfigurationChannel channel;
        device.set_rightChannel(channel);
        QCOMPARE(spy.count(), 0);
        channel.set_mode(ModeClass::KEYBOARD);
        device.set_rightChannel(channel);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<ConfigurationChannel>(), channel);
        QCOMPARE(device.rightChannel(), channel);

        // Through the property system, the way the scene would write it.
        channel.set_key(13);
        QVERIFY(device.setProperty("rightChannel", QVariant::fromValue(channel)));
        QCOMPARE(device.rightChannel().key(), 13);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(device.property("rightChannel").value<ConfigurationChannel>(), channel);
    }

    void switchStringSetters()
    {
        ConfigurationSwitch device;
        QSignalSpy spy(&device, &ConfigurationSwitch::serialNameChanged);
        device.set_serialName(QStringLiteral("COM5"));
        QCOMPARE(spy.count(), 0);
        device.set_serialName(QStringLiteral("COM6"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("COM6"));
    }

    void scaleComparesExactly_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("emitted");
        QTest::newRow("same") << 1.0 << 0;
        QTest::newRow("next representable") << std::nextafter(1.0, 2.0) << 1;
        QTest::newRow("two") << 2.0 << 1;
    }

    void scaleComparesExactly()
    {
        QFETCH(double, value);
        QFETCH(int, emitted);
        ConfigurationApplication application;
        QSignalSpy spy(&application, &ConfigurationApplication::scaleChanged);
        application.set_scale(value);
        QCOMPARE(spy.count(), emitted);
        QCOMPARE(application.scale(), value);
    }

    void scaleNaNNeverEqual()
    {
        ConfigurationApplication application;
        QSignalSpy spy(&application, &ConfigurationApplication::scaleChanged);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        application.set_scale(nan);
        application.set_scale(nan);
        QCOMPARE(spy.count(), 2);
        QVERIFY(std::isnan(application.scale()));
    }

    void setTheme_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("theme");
        QTest::newRow("DARK") << "DARK" << int(Theme::DARK);
        QTest::newRow("NONE") << "NONE" << int(Theme::NONE);
        QTest::newRow("small letters ignored") << "dark" << int(Theme::LIGHT);
        QTest::newRow("unknown ignored") << "BLUE" << int(Theme::LIGHT);
        QTest::newRow("empty ignored") << "" << int(Theme::LIGHT);
    }

    void setTheme()
    {
        QFETCH(QString, text);
        QFETCH(int, theme);
        ConfigurationApplication application;
        QSignalSpy spy(&application, &ConfigurationApplication::themeChanged);
        QVERIFY(QMetaObject::invokeMethod(&application, "setTheme", Q_ARG(QString, text)));
        QCOMPARE(int(application.theme()), theme);
        QCOMPARE(application.isDark(), theme == Theme::DARK);
        QCOMPARE(application.isLight(), theme == Theme::LIGHT);
        QCOMPARE(spy.count(), 0);
    }

    void applicationSetters()
    {
        ConfigurationApplication application;
        QSignalSpy themeSpy(&application, &ConfigurationApplication::themeChanged);
        QSignalSpy languageSpy(&application, &ConfigurationApplication::languageChanged);
        QSignalSpy runSpy(&application, &ConfigurationApplication::runStartupChanged);
        application.set_theme(Theme::LIGHT);
        application.set_language(QStringLiteral("en"));
        application.set_runStartup(true);
        QCOMPARE(themeSpy.count() + languageSpy.count() + runSpy.count(), 0);
        application.set_theme(Theme::DARK);
        application.set_language(QStringLiteral("fr"));
        application.set_runStartup(false);
        QCOMPARE(themeSpy.count(), 1);
        QCOMPARE(languageSpy.at(0).at(0).toString(), QStringLiteral("fr"));
        QCOMPARE(runSpy.at(0).at(0).toBool(), false);
    }

    void applicationAssignmentKeepsLanguageList()
    {
        ConfigurationApplication target;
        Language french;
        french.setCode(QStringLiteral("fr"));
        french.setName(QStringLiteral("French"));
        target.languageList().append(french);

        ConfigurationApplication source;
        source.set_language(QStringLiteral("fr"));
        source.set_scale(2.0);
        QSignalSpy spy(&target, &ConfigurationApplication::languageChanged);
        target = source;
        QCOMPARE(target.language(), QStringLiteral("fr"));
        QCOMPARE(target.scale(), 2.0);
        QCOMPARE(target.languageList().size(), 1);
        QCOMPARE(target.getLanguageList(), QStringList { QStringLiteral("French") });
        QCOMPARE(spy.count(), 0);
    }

    void languageListProperty()
    {
        ConfigurationApplication application;
        QSignalSpy spy(&application, &ConfigurationApplication::languageListChanged);
        LanguageList list;
        application.set_languageList(list);
        QCOMPARE(spy.count(), 0);
        Language german;
        german.setCode(QStringLiteral("de"));
        german.setName(QStringLiteral("German"));
        list.append(german);
        application.set_languageList(list);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<LanguageList>(), list);
        QCOMPARE(application.getLanguageList(), QStringList { QStringLiteral("German") });

        QQmlListProperty<Language> qmlList = application.languageQmlList();
        QCOMPARE(qmlList.count(&qmlList), 1);
        QCOMPARE(qmlList.at(&qmlList, 0)->getCode(), QStringLiteral("de"));
        QVERIFY(qmlList.append == nullptr);
        QVERIFY(qmlList.clear == nullptr);
    }

    void configurationAssignment()
    {
        Configuration target;
        ConfigurationChannel* live = &target.get_configurationSwitch().leftChannel();
        Configuration source;
        source.get_configurationSwitch().leftChannel().set_key(99);
        source.get_configurationApplication().set_language(QStringLiteral("fr"));
        target = source;
        QCOMPARE(live->key(), 99);
        QCOMPARE(target.get_configurationApplication().language(), QStringLiteral("fr"));

        Configuration moved;
        moved.get_configurationSwitch().set_serialName(QStringLiteral("COM9"));
        target = std::move(moved);
        QCOMPARE(target.get_configurationSwitch().serialName(), QStringLiteral("COM9"));
        QCOMPARE(live->key(), 32);

        Configuration other;
        ConfigurationSwitch replacement;
        replacement.set_inputRightChannel(QStringLiteral("R"));
        other.set_configurationSwitch(replacement);
        QCOMPARE(other.get_configurationSwitch(), replacement);
    }
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
