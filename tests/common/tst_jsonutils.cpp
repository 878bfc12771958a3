#include "common/jsonutils.h"

#include <QJsonDocument>
#include <QTest>

using korvane::common::JsonUtils;

class TestJsonUtils : public QObject {
    Q_OBJECT

private slots:
    void readULong_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<uint>("expected");
        QTest::newRow("string") << QJsonValue("57") << 57u;
        QTest::newRow("zero") << QJsonValue("0") << 0u;
        QTest::newRow("largest") << QJsonValue("4294967295") << 4294967295u;
        QTest::newRow("number is not read") << QJsonValue(57) << 0u;
        QTest::newRow("above 32 bits") << QJsonValue("4294967296") << 0u;
        QTest::newRow("negative") << QJsonValue("-1") << 0u;
        QTest::newRow("letters") << QJsonValue("57a") << 0u;
        QTest::newRow("hexadecimal") << QJsonValue("0x39") << 0u;
        QTest::newRow("empty") << QJsonValue("") << 0u;
        QTest::newRow("null") << QJsonValue() << 0u;
        QTest::newRow("bool") << QJsonValue(true) << 0u;
    }
    void readULong()
    {
        QFETCH(QJsonValue, value);
        QFETCH(uint, expected);
        QCOMPARE(JsonUtils::readULong(value), expected);
    }

    void writeULong_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0u << "0";
        QTest::newRow("scan code") << 30u << "30";
        QTest::newRow("largest") << 4294967295u << "4294967295";
    }
    void writeULong()
    {
        QFETCH(uint, value);
        QFETCH(QString, text);
        const QJsonValue written = JsonUtils::writeULong(value);
        QVERIFY(written.isString());
        QCOMPARE(written.toString(), text);
        QCOMPARE(JsonUtils::readULong(written), value);
    }

    void readInt_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("string") << QJsonValue("12") << 12;
        QTest::newRow("negative string") << QJsonValue("-12") << -12;
        QTest::newRow("number") << QJsonValue(12) << 12;
        QTest::newRow("letter after digits") << QJsonValue("12a") << -1;
        QTest::newRow("above int") << QJsonValue("2147483648") << -1;
        QTest::newRow("empty string") << QJsonValue("") << 0;
        QTest::newRow("fraction") << QJsonValue(1.5) << 0;
        QTest::newRow("null") << QJsonValue() << 0;
        QTest::newRow("array") << QJsonValue(QJsonArray { 1 }) << 0;
    }
    void readInt()
    {
        QFETCH(QJsonValue, value);
        QFETCH(int, expected);
        QCOMPARE(JsonUtils::readInt(value), expected);
    }

    void readUID_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("64-bit string") << QJsonValue("9007199254740993") << 9007199254740993LL;
        QTest::newRow("smallest") << JsonUtils::writeUID(std::numeric_limits<qint64>::min())
                                  << std::numeric_limits<qint64>::min();
        QTest::newRow("negative number") << QJsonValue(-5) << qint64(-5);
        QTest::newRow("unparsable") << QJsonValue("abc") << qint64(-1);
        QTest::newRow("empty") << QJsonValue("") << qint64(0);
        QTest::newRow("fraction") << QJsonValue(2.5) << qint64(0);
    }
    void readUID()
    {
        QFETCH(QJsonValue, value);
        QFETCH(qint64, expected);
        QCOMPARE(JsonUtils::readUID(value), expected);
    }

    void longLong_data()
    {
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<qint64>("signedValue");
        QTest::addColumn<quint64>("unsignedValue");
        QTest::newRow("string") << QJsonValue("123") << qint64(123) << quint64(123);
        QTest::newRow("above 53 bits")
            << QJsonValue("18014398509481985") << qint64(18014398509481985LL)
            << quint64(18014398509481985ULL);
        QTest::newRow("largest unsigned") << QJsonValue("18446744073709551615") << qint64(0)
                                          << std::numeric_limits<quint64>::max();
        QTest::newRow("unparsable") << QJsonValue("1e3") << qint64(0) << quint64(0);
        QTest::newRow("number") << QJsonValue(42) << qint64(42) << quint64(42);
        QTest::newRow("negative number sign-extended")
            << QJsonValue(-1) << qint64(-1) << std::numeric_limits<quint64>::max();
        QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << qint64(0) << quint64(0);
    }
    void longLong()
    {
        QFETCH(QJsonValue, stored);
        QFETCH(qint64, signedValue);
        QFETCH(quint64, unsignedValue);
        QJsonObject object;
        if (!stored.isUndefined())
            object["k"] = stored;
        QCOMPARE(JsonUtils::readLongLong(object, "k"), signedValue);
        QCOMPARE(JsonUtils::readULongLong(object, "k"), unsignedValue);
    }

    void longLongRoundTrip()
    {
        QJsonObject object;
        JsonUtils::writeLongLong(object, "s", std::numeric_limits<qint64>::min());
        JsonUtils::writeULongLong(object, "u", std::numeric_limits<quint64>::max());
        QCOMPARE(object["s"], QJsonValue("-9223372036854775808"));
        QCOMPARE(object["u"], QJsonValue("18446744073709551615"));
        QCOMPARE(JsonUtils::readLongLong(object, "s"), std::numeric_limits<qint64>::min());
        QCOMPARE(JsonUtils::readULongLong(object, "u"), std::numeric_limits<quint64>::max());
        QCOMPARE(JsonUtils::writeInt(-7), QJsonValue("-7"));
        QCOMPARE(JsonUtils::readInt(JsonUtils::writeInt(std::numeric_limits<int>::min())),
            std::numeric_limits<int>::min());
    }

    void geometry()
    {
        const QJsonObject point = JsonUtils::writePoint(QPoint(3, -4));
        QCOMPARE(point, (QJsonObject { { "x", 3 }, { "y", -4 } }));
        QCOMPARE(JsonUtils::readPoint(point), QPoint(3, -4));
        QCOMPARE(JsonUtils::readPoint(QJsonObject { { "x", "3" } }), QPoint(0, 0));

        const QRect rect(10, 20, 30, 40);
        const QJsonObject rectObject = JsonUtils::writeRect(rect);
        QCOMPARE(rectObject,
            (QJsonObject { { "left", 10 }, { "top", 20 }, { "width", 30 }, { "height", 40 } }));
        QCOMPARE(JsonUtils::readRect(rectObject), rect);
        QCOMPARE(JsonUtils::readRect(QJsonObject { { "width", 5 } }), QRect(0, 0, 5, 0));

        const QRectF rectF(0.5, 1.25, 2.5, 3.75);
        QCOMPARE(JsonUtils::readRectF(JsonUtils::writeRectF(rectF)), rectF);
        QCOMPARE(JsonUtils::readRectF(QJsonObject { { "left", "x" } }), QRectF());
    }

    void color_data()
    {
        QTest::addColumn<QJsonObject>("object");
        QTest::addColumn<QColor>("color");
        QTest::newRow("only red") << QJsonObject { { "r", 255 } } << QColor(255, 0, 0, 0);
        QTest::newRow("full") << QJsonObject { { "r", 1 }, { "g", 2 }, { "b", 3 }, { "a", 4 } }
                              << QColor(1, 2, 3, 4);
        QTest::newRow("strings are not numbers")
            << QJsonObject { { "r", "9" }, { "a", 255 } } << QColor(0, 0, 0, 255);
    }
    void color()
    {
        QFETCH(QJsonObject, object);
        QFETCH(QColor, color);
        QCOMPARE(JsonUtils::readColor(object), color);
        QCOMPARE(JsonUtils::readColor(JsonUtils::writeColor(color)), color);
    }

    void dateTime()
    {
        const QDateTime when(QDate(2024, 3, 5), QTime(9, 7, 1, 42), Qt::UTC);
        const QJsonObject object = JsonUtils::writeDateTime(when);
        QCOMPARE(object["data"], QJsonValue("05/03/2024T09:07:01.042"));
        const QDateTime read = JsonUtils::readDateTime(object);
        QCOMPARE(read, when);
        QCOMPARE(read.timeSpec(), Qt::UTC);
        QVERIFY(!JsonUtils::readDateTime(QJsonObject { { "data", "yesterday" } }).isValid());
        QVERIFY(!JsonUtils::readDateTime(QJsonObject {}).isValid());

        const QTime time(23, 59, 58, 7);
        QCOMPARE(JsonUtils::writeTime(time)["data"], QJsonValue("23:59:58.007"));
        QCOMPARE(JsonUtils::readTime(JsonUtils::writeTime(time)), time);
        QVERIFY(!JsonUtils::readTime(QJsonObject { { "data", 5 } }).isValid());
    }

    void byteArray_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("compress");
        QTest::newRow("plain") << QByteArray("\x00\x01\xff text", 8) << false;
        QTest::newRow("compressed") << QByteArray(1000, 'z') << true;
        QTest::newRow("empty compressed") << QByteArray() << true;
    }
    void byteArray()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, compress);
        const QJsonObject object = JsonUtils::writeQByteArray(bytes, compress);
        const QByteArray stored = QByteArray::fromBase64(object["data"].toString().toLatin1());
        QCOMPARE(stored, compress ? qCompress(bytes) : bytes);
        QCOMPARE(JsonUtils::readQByteArray(object, compress), bytes);
    }

    // What a damaged or hostile file may hold in place of compressed bytes.
    void compressedStored_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("read");
        const QByteArray big = qCompress(QByteArray(100000, 'z'));
        QTest::newRow("well formed") << big << QByteArray(100000, 'z');
        QTest::newRow("size header of 1.7 GB")
            << QByteArray("\x66\x00\x00\x00", 4) + big.mid(4) << QByteArray();
        QTest::newRow("size header just beyond the bound")
            << QByteArray("\x01\x00\x00\x01", 4) + big.mid(4) << QByteArray();
        QTest::newRow("size header only") << QByteArray("\x00\x00\x00\x10", 4) << QByteArray();
        QTest::newRow("shorter than a size header") << QByteArray("\x01", 1) << QByteArray();
        QTest::newRow("not compressed at all")
            << QByteArray("\x00\x00\x00\x05hello", 9) << QByteArray();
    }
    void compressedStored()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, read);
        const QJsonObject object { { "data", QString::fromLatin1(stored.toBase64()) } };
        QCOMPARE(JsonUtils::readQByteArray(object, true), read);
    }

    void alignmentWrite_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("names");
        QTest::newRow("left") << 0x1 << "AlignLeft;AlignLeading";
        QTest::newRow("right") << 0x2 << "AlignRight;AlignTrailing";
        QTest::newRow("center") << 0x84 << "AlignHCenter;AlignVCenter;AlignCenter";
        QTest::newRow("top") << 0x20 << "AlignTop";
        QTest::newRow("none") << 0 << "";
        QTest::newRow("horizontal mask")
            << 0x1f
            << "AlignLeft;AlignLeading;AlignRight;AlignTrailing;AlignHCenter;AlignJustify;"
               "AlignAbsolute;AlignHorizontal_Mask";
    }
    void alignmentWrite()
    {
        QFETCH(int, flags);
        QFETCH(QString, names);
        const QJsonObject object = JsonUtils::writeAlignment(Qt::Alignment(flags));
        QCOMPARE(object["flags"], QJsonValue(names));
        QCOMPARE(static_cast<int>(JsonUtils::readAlignment(object)), flags);
    }

    void alignmentRead_data()
    {
        QTest::addColumn<QJsonObject>("object");
        QTest::addColumn<int>("flags");
        QTest::newRow("lower case ignored")
            << QJsonObject { { "flags", "alignleft;AlignTop" } } << 0x20;
        QTest::newRow("empty parts") << QJsonObject { { "flags", ";;AlignBottom;" } } << 0x40;
        QTest::newRow("blank not trimmed") << QJsonObject { { "flags", " AlignTop" } } << 0;
        QTest::newRow("missing") << QJsonObject {} << 0;
        QTest::newRow("not a string") << QJsonObject { { "flags", 4 } } << 0;
    }
    void alignmentRead()
    {
        QFETCH(QJsonObject, object);
        QFETCH(int, flags);
        QCOMPARE(static_cast<int>(JsonUtils::readAlignment(object)), flags);
    }

    void lists()
    {
        const QList<bool> bools = { true, false, true };
        QCOMPARE(JsonUtils::writeArrayBool(bools), (QJsonArray { true, false, true }));
        QCOMPARE(JsonUtils::readArrayBool(JsonUtils::writeArrayBool(bools)), bools);
        QCOMPARE(JsonUtils::readArrayBool(QJsonArray { 1, "true", true }),
            (QList<bool> { false, false, true }));

        const QList<int> ints = { 3, -1, 7 };
        QCOMPARE(JsonUtils::writeArrayInt(ints), (QJsonArray { 3, -1, 7 }));
        QCOMPARE(JsonUtils::readArrayInt(JsonUtils::writeArrayInt(ints)), ints);
        QCOMPARE(JsonUtils::readArrayInt(QJsonArray { "3", 2.5, 4 }), (QList<int> { 0, 0, 4 }));

        const QVector<bool> vbools = { false, true };
        QCOMPARE(JsonUtils::readVectorBool(JsonUtils::writeVectorBool(vbools)), vbools);
        const QVector<int> vints = { 9, 8 };
        QCOMPARE(JsonUtils::readVectorInt(JsonUtils::writeVectorInt(vints)), vints);
        QCOMPARE(JsonUtils::readVectorInt(QJsonArray { QJsonValue() }), QVector<int> { 0 });

        const QStringList strings = { "a", "", "c" };
        QCOMPARE(JsonUtils::readStringList(JsonUtils::writeStringList(strings)), strings);
        QCOMPARE(
            JsonUtils::readStringList(QJsonArray { "x", 5, true }), (QStringList { "x", "", "" }));
    }

    void points_data()
    {
        QTest::addColumn<QJsonArray>("array");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::newRow("short element skipped")
            << QJsonArray { "3;4", "5" } << QList<QPoint> { QPoint(3, 4) };
        QTest::newRow("bad part is 0")
            << QJsonArray { "x;4", "1;2;9" } << QList<QPoint> { QPoint(0, 4), QPoint(1, 2) };
        QTest::newRow("non-string skipped") << QJsonArray { 34 } << QList<QPoint> {};
        QTest::newRow("negative") << QJsonArray { "-3;-4" } << QList<QPoint> { QPoint(-3, -4) };
    }
    void points()
    {
        QFETCH(QJsonArray, array);
        QFETCH(QList<QPoint>, points);
        QCOMPARE(JsonUtils::readArrayPoint(array), points);
    }

    void pointsRoundTrip()
    {
        const QList<QPoint> points = { QPoint(1, 2), QPoint(-30, 40) };
        QCOMPARE(JsonUtils::writeArrayPoint(points), (QJsonArray { "1;2", "-30;40" }));
        QCOMPARE(JsonUtils::readArrayPoint(JsonUtils::writeArrayPoint(points)), points);
    }

    void floatingLists()
    {
        QJsonObject object;
        const QList<double> doubles = { 0.5, -1.25, 1e10 };
        JsonUtils::writeListDouble(object, "d", doubles);
        QCOMPARE(object["d"], QJsonValue(QJsonArray { 0.5, -1.25, 1e10 }));
        QCOMPARE(JsonUtils::readListDouble(object, "d"), doubles);

        const QList<float> floats = { 0.5f, 3.25f };
        JsonUtils::writeListFloat(object, "f", floats);
        QCOMPARE(JsonUtils::readListFloat(object, "f"), floats);

        QVERIFY(JsonUtils::readListDouble(object, "missing").isEmpty());
        object["bad"] = QJsonArray { "1", 2 };
        QCOMPARE(JsonUtils::readListDouble(object, "bad"), (QList<double> { 0.0, 2.0 }));
        QCOMPARE(JsonUtils::readListFloat(object, "bad"), (QList<float> { 0.0f, 2.0f }));
    }

    // The shapes must survive a trip through JSON text, as in a saved document.
    void throughText()
    {
        QJsonObject object;
        object["scan"] = JsonUtils::writeULong(4294967295u);
        object["uid"] = JsonUtils::writeUID(-9007199254740993LL);
        const QJsonObject read = QJsonDocument::fromJson(QJsonDocument(object).toJson()).object();
        QCOMPARE(JsonUtils::readULong(read["scan"]), 4294967295u);
        QCOMPARE(JsonUtils::readUID(read["uid"]), -9007199254740993LL);
    }
};

QTEST_GUILESS_MAIN(TestJsonUtils)
#include "tst_jsonutils.moc"
