// The enumeration holders: key texts, text <-> value, JSON forms, display
// names and icons.
#include "datamodel/clicktypeclass.h"
#include "datamodel/modeclass.h"
#include "datamodel/role.h"
#include "datamodel/screenmode.h"
#include "datamodel/secondmodeclass.h"
#include "datamodel/secondtriggerclass.h"
#include "datamodel/theme.h"

#include <QMetaEnum>
#include <QtTest>

using namespace korvane::datamodel;

namespace {

// One holder's operations behind a common face, so that one table covers all.
struct Holder {
    QStringList (*values)();
    int (*get)(const QString&);
    QString (*toString)(int);
    QJsonValue (*toJson)(int);
    int (*fromJson)(const QJsonValue&, bool*);
};

template <typename H> Holder holder()
{
    return Holder { &H::getValues, [](const QString& text) { return int(H::get(text)); },
        [](int value) { return H::toString(static_cast<typename H::Type>(value)); },
        [](int value) { return H::toJson(static_cast<typename H::Type>(value)); },
        [](const QJsonValue& value, bool* ok) { return int(H::fromJson(value, ok)); } };
}

Holder holderNamed(const QString& name)
{
    if (name == QLatin1String("Mode"))
        return holder<ModeClass>();
    if (name == QLatin1String("ClickType"))
        return holder<ClickTypeClass>();
    if (name == QLatin1String("Theme"))
        return holder<Theme>();
    if (name == QLatin1String("Role"))
        return holder<Role>();
    if (name == QLatin1String("SecondTrigger"))
        return holder<SecondTriggerClass>();
    if (name == QLatin1String("SecondMode"))
        return holder<SecondModeClass>();
    return holder<ScreenMode>();
}

} // namespace

class TestEnumerations : public QObject {
    Q_OBJECT

private slots:
    void keyTexts_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Mode") << "Mode" << QStringList { "NONE", "KEYBOARD", "MOUSE" };
        QTest::newRow("ClickType") << "ClickType"
                                   << QStringList { "EMPTY", "LEFT", "RIGHT", "MIDDLE", "DOUBLE",
                                          "SCROLLUP", "SCROLLDOWN" };
        QTest::newRow("Theme") << "Theme" << QStringList { "NONE", "LIGHT", "DARK" };
        QTest::newRow("Role") << "Role"
                              << QStringList { "NONE", "DEMO", "GUEST", "USER", "ADMIN", "VESPER" };
        QTest::newRow("ScreenMode") << "ScreenMode" << QStringList { "NONE", "RGB", "BGR" };
        QTest::newRow("SecondTrigger")
            << "SecondTrigger" << QStringList { "NONE", "LONG_PRESS", "DOUBLE_PRESS" };
        QTest::newRow("SecondMode")
            << "SecondMode" << QStringList { "NONE", "KEYBOARD", "MOUSE", "PAUSE" };
    }

    void keyTexts()
    {
        QFETCH(QString, holder);
        QFETCH(QStringList, texts);
        const Holder h = holderNamed(holder);
        QCOMPARE(h.values(), texts);
        for (int value = 0; value < texts.size(); ++value) {
            QCOMPARE(h.toString(value), texts.at(value));
            QCOMPARE(h.toJson(value), QJsonValue(texts.at(value)));
            QCOMPARE(h.get(texts.at(value)), value);
            QCOMPARE(h.get(texts.at(value).toLower()), value);
            bool ok = false;
            QCOMPARE(h.fromJson(QJsonValue(texts.at(value).toLower()), &ok), value);
            QVERIFY(ok);
        }
        // Outside the table: no text, and get() answers with the table size.
        QCOMPARE(h.toString(texts.size()), QString());
        QCOMPARE(h.toString(-1), QString());
        QCOMPARE(h.toJson(texts.size()), QJsonValue(QString()));
        QCOMPARE(h.toJson(-1), QJsonValue(QString()));
        QCOMPARE(h.get(QStringLiteral("NOT A KEY")), texts.size());
        QCOMPARE(h.get(QString()), texts.size());
    }

    void get_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("click type mixed case") << "ClickType"
                                               << "ScrollDown" << 6;
        QTest::newRow("click type not a key") << "ClickType"
                                              << "WHEEL" << 7;
        QTest::newRow("click type with blank") << "ClickType"
                                               << " LEFT" << 7;
        QTest::newRow("mode keyboard") << "Mode"
                                       << "keyboard" << 1;
        QTest::newRow("mode empty") << "Mode"
                                    << "" << 3;
        QTest::newRow("role vesper") << "Role"
                                     << "Vesper" << 5;
        QTest::newRow("screen bgr") << "ScreenMode"
                                    << "bgr" << 2;
    }

    void get()
    {
        QFETCH(QString, holder);
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(holderNamed(holder).get(text), value);
    }

    void fromJson_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QJsonValue>("json");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("ok");
        QTest::newRow("mouse any case") << "Mode" << QJsonValue("mOuSe") << 2 << true;
        QTest::newRow("mode number") << "Mode" << QJsonValue(2) << 0 << false;
        QTest::newRow("mode null") << "Mode" << QJsonValue(QJsonValue::Null) << 0 << false;
        QTest::newRow("mode missing") << "Mode" << QJsonValue(QJsonValue::Undefined) << 0 << false;
        QTest::newRow("mode object")
            << "Mode" << QJsonValue(QJsonObject { { "a", 1 } }) << 0 << false;
        QTest::newRow("mode unknown") << "Mode" << QJsonValue("MICE") << 0 << false;
        QTest::newRow("mode empty text") << "Mode" << QJsonValue("") << 0 << false;
        QTest::newRow("click scrollup") << "ClickType" << QJsonValue("scrollup") << 5 << true;
        QTest::newRow("click bool") << "ClickType" << QJsonValue(true) << 0 << false;
        QTest::newRow("theme dark") << "Theme" << QJsonValue("Dark") << 2 << true;
        QTest::newRow("theme unknown") << "Theme" << QJsonValue("BLUE") << 0 << false;
        QTest::newRow("role admin") << "Role" << QJsonValue("admin") << 4 << true;
        QTest::newRow("screen rgb") << "ScreenMode" << QJsonValue("RGB") << 1 << true;
        // Case-insensitive comparison folds the long s to "s"; it must still
        // never yield a value outside the enumeration.
        QTest::newRow("mode folded letter") << "Mode"
                                            << QJsonValue(QString::fromUtf8("MOU\xC5\xBF"
                                                                            "E"))
                                            << 0 << false;
    }

    void fromJson()
    {
        QFETCH(QString, holder);
        QFETCH(QJsonValue, json);
        QFETCH(int, value);
        QFETCH(bool, ok);
        const Holder h = holderNamed(holder);
        bool reported = !ok;
        QCOMPARE(h.fromJson(json, &reported), value);
        QCOMPARE(reported, ok);
        // The flag is optional.
        QCOMPARE(h.fromJson(json, nullptr), value);
    }

    void themeToJson() { QCOMPARE(Theme::toJson(Theme::DARK), QJsonValue(QStringLiteral("DARK"))); }

    void gadgetEnumerators_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::newRow("Mode") << "Mode";
        QTest::newRow("ClickType") << "ClickType";
    }

    void gadgetEnumerators()
    {
        // The scene names values by the enumerators: they must equal the key texts.
        QFETCH(QString, holder);
        const QMetaObject& meta = holder == QLatin1String("Mode")
            ? ModeClass::staticMetaObject
            : ClickTypeClass::staticMetaObject;
        const QMetaEnum enumerator = meta.enumerator(meta.indexOfEnumerator("Type"));
        QVERIFY(enumerator.isValid());
        QVERIFY(!enumerator.isFlag());
        QVERIFY(!enumerator.isScoped());
        const QStringList texts = holderNamed(holder).values();
        QCOMPARE(enumerator.keyCount(), texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            QCOMPARE(QString::fromLatin1(enumerator.key(i)), texts.at(i));
            QCOMPARE(enumerator.value(i), i);
        }
    }

    void roleDisplay_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("icon");
        QTest::newRow("none") << 0 << "None"
                              << "/images/user/why_us_male-48.svg";
        QTest::newRow("demo") << 1 << "Demo"
                              << "/images/user/why_us_male-48.svg";
        QTest::newRow("guest") << 2 << "Guest"
                               << "/images/user/about_us_male-48.svg";
        QTest::newRow("user") << 3 << "User"
                              << "/images/user/gender_neutral_user-48.svg";
        QTest::newRow("admin") << 4 << "Admin"
                               << "/images/user/administrator_male-48.svg";
        QTest::newRow("vesper") << 5 << "Vesper"
                                << "/images/user/administrator_male-48.svg";
        QTest::newRow("outside") << 6 << ""
                                 << "";
        QTest::newRow("negative") << -1 << ""
                                  << "";
    }

    void roleDisplay()
    {
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, icon);
        QCOMPARE(Role::getDisplayName(static_cast<Role::Type>(role)), name);
        QCOMPARE(Role::getIcon(static_cast<Role::Type>(role)), icon);
    }

    void screenModeDisplay_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << 0 << "None";
        QTest::newRow("rgb") << 1 << "RGB";
        QTest::newRow("bgr") << 2 << "BGR";
        QTest::newRow("outside") << 3 << "";
    }

    void screenModeDisplay()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QCOMPARE(ScreenMode::getDisplayName(static_cast<ScreenMode::Type>(mode)), name);
    }
};

QTEST_GUILESS_MAIN(TestEnumerations)
#include "tst_enumerations.moc"
