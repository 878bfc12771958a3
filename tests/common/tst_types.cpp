#include "common/exception.h"
#include "common/loglevel.h"
#include "common/timeutils.h"
#include "common/translator.h"
#include "common/types.h"

#include <QTest>
#include <QTranslator>

#include <memory>

using korvane::Translator;
using korvane::Types;
using korvane::common::Exception;
using korvane::common::LogLevel;
using korvane::common::TimeUtils;

namespace {
const QString cstTable[] = { QStringLiteral("NONE"), QStringLiteral("KEYBOARD"),
    QStringLiteral("MOUSE"), QStringLiteral("KEYBOARD") };
} // namespace

class TestTypes : public QObject {
    Q_OBJECT

private slots:
    void getValues_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("all") << 4 << QStringList { "NONE", "KEYBOARD", "MOUSE", "KEYBOARD" };
        QTest::newRow("first two") << 2 << QStringList { "NONE", "KEYBOARD" };
        QTest::newRow("zero") << 0 << QStringList {};
        QTest::newRow("negative") << -3 << QStringList {};
    }
    void getValues()
    {
        QFETCH(int, count);
        QFETCH(QStringList, values);
        QCOMPARE(Types::GetValues(cstTable, count), values);
    }

    void positionOf_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("exact") << 4 << "MOUSE" << 2;
        QTest::newRow("lower case") << 4 << "mouse" << 2;
        QTest::newRow("mixed case") << 4 << "KeyBoard" << 1;
        QTest::newRow("first of duplicates") << 4 << "keyboard" << 1;
        QTest::newRow("no match") << 4 << "JOYSTICK" << 4;
        QTest::newRow("beyond count") << 2 << "MOUSE" << 2;
        QTest::newRow("empty text") << 4 << "" << 4;
        QTest::newRow("count zero") << 0 << "NONE" << 0;
    }
    void positionOf()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(Types::PositionOf(cstTable, count, text), position);
    }

    void translatorContext()
    {
        QCOMPARE(Translator::staticMetaObject.className(), "korvane::Translator");
        QCOMPARE(Translator::tr("not in any catalogue"), QStringLiteral("not in any catalogue"));
    }

    // Library texts are found in a catalogue under the one shared context,
    // and only there.
    void translatedThroughContext()
    {
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(KORVANE_TEST_CATALOGUE)));
        QVERIFY(QCoreApplication::installTranslator(&catalogue));
        QCOMPARE(Translator::tr("Warning"), QStringLiteral("Avertissement"));
        QCOMPARE(
            LogLevel::getDisplayName(LogLevel::LEVEL_WARNING), QStringLiteral("Avertissement"));
        QCOMPARE(LogLevel::getDisplayName(LogLevel::LEVEL_ERROR), QStringLiteral("Error"));
        QCOMPARE(TimeUtils::toString(86400000 + 120000), QStringLiteral("1 jour 02 mn"));
        QCOMPARE(TimeUtils::toDateTimeString(86400000), QStringLiteral("1 jour 00:00:00"));
        QCoreApplication::removeTranslator(&catalogue);
        QCOMPARE(Translator::tr("Warning"), QStringLiteral("Warning"));
    }

    void exceptionMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("syntax error") << "offset 12 - unterminated object";
        QTest::newRow("accents") << QString::fromUtf8("décalage 3 - fin");
        QTest::newRow("empty") << "";
    }
    void exceptionMessage()
    {
        QFETCH(QString, message);
        try {
            Exception(message).raise();
            QFAIL("raise() returned");
        } catch (const Exception& e) {
            QCOMPARE(e.message(), message);
            QCOMPARE(e.description(), message);
            QCOMPARE(QString::fromUtf8(static_cast<const std::exception&>(e).what()),
                QStringLiteral("Unknown exception"));
        }

        const Exception fromUtf8(message.toUtf8().constData());
        QCOMPARE(fromUtf8.description(), message);
        std::unique_ptr<Exception> copy(fromUtf8.clone());
        QCOMPARE(copy->message(), message);
        Exception assigned;
        QCOMPARE(assigned.message(), QString());
        assigned = fromUtf8;
        QCOMPARE(assigned.description(), message);
    }

    void caughtAsStandardException()
    {
        try {
            throw Exception("offset 1 - bad");
        } catch (const std::exception& e) {
            QCOMPARE(e.what(), "Unknown exception");
        }
    }
};

QTEST_GUILESS_MAIN(TestTypes)
#include "tst_types.moc"
