#include "core/instance/instanceprotocol.h"

#include <QtEndian>
#include <QtTest>

using namespace korvane::core::singleinstance;

namespace {

// CRC-16/X.25 written out bit by bit, independent of Qt, so a change in the
// library's checksum would show here rather than between two installed builds.
quint16 crcX25(const QByteArray& data)
{
    quint16 crc = 0xFFFF;
    for (const char c : data) {
        crc ^= static_cast<uchar>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<quint16>((crc >> 1) ^ 0x8408)
                            : static_cast<quint16>(crc >> 1);
    }
    return static_cast<quint16>(~crc);
}

// The digit text every instance sends: base 256, most significant first, no
// leading zero digit, d + '0' below ten and (d + 0x57) mod 256 above.
QByteArray digitText(quint16 value)
{
    QByteArray text;
    do {
        const int d = value % 256;
        text.prepend(static_cast<char>(d < 10 ? d + 0x30 : (d + 0x57) % 256));
        value /= 256;
    } while (value);
    return text;
}

const QString cst_name = QStringLiteral("7lzE9YkVlXme_s7PY5yD80tg3b25xz66lzsFwz5kThc=");

// An instance number whose handshake checksum is below 256.
quint32 instanceWithShortChecksum()
{
    for (quint32 i = 0;; ++i)
        if (handshake(cst_name, 'N', i).size() == cst_handshake_head + 1)
            return i;
}

} // namespace

class TestInstanceProtocol : public QObject {
    Q_OBJECT
private slots:
    void blockName_data();
    void blockName();
    void blockLayout();
    void checksumText_data();
    void checksumText();
    void handshakeBytes();
    void parse_data();
    void parse();
};

void TestInstanceProtocol::blockName_data()
{
    QTest::addColumn<QString>("org");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("expected");

    // Expected values computed outside Qt: SHA-256 over the fields in order,
    // Base64, "/" replaced by "_".
    QTest::newRow("nothing but the prefix") << ""
                                            << ""
                                            << ""
                                            << ""
                                            << ""
                                            << "KE3DTQFevPptXNj35S9kP2Hpm6b5Xq9JfWjTkWOu1+g=";
    QTest::newRow("program identity") << "ormidan"
                                      << "korvane.org"
                                      << "1.0.0"
                                      << ""
                                      << ""
                                      << "7lzE9YkVlXme_s7PY5yD80tg3b25xz66lzsFwz5kThc=";
    QTest::newRow("another version") << "ormidan"
                                     << "korvane.org"
                                     << "1.0.1"
                                     << ""
                                     << ""
                                     << "jIckGgkKu1sn3cyL_zBBtDIploFfvjLLcQ1npMFzFk4=";
    QTest::newRow("path is lower-cased") << "ormidan"
                                         << "korvane.org"
                                         << "1.0.0"
                                         << "/OPT/Korvane/bin/korvane"
                                         << ""
                                         << "lMHXKiSbF+yDYHAPrG_qOatYefLcmWaFGLiUnJLM8Qg=";
    QTest::newRow("user last") << "ormidan"
                               << "korvane.org"
                               << "1.0.0"
                               << ""
                               << "root"
                               << "KP95W8FKKqc9+kFsaKdzsQkKNhNUauzuWB9GWPwr_qw=";
    QTest::newRow("utf-8 user, empty domain")
        << "Ormidan"
        << ""
        << "1.0.0"
        << "" << QStringLiteral("\u00e9lodie") << "fvU_VYqNeAx4V8OnD+ETYGDggJZQj7narv1i0UMZK9E=";
}

void TestInstanceProtocol::blockName()
{
    QFETCH(QString, org);
    QFETCH(QString, domain);
    QFETCH(QString, version);
    QFETCH(QString, path);
    QFETCH(QString, user);
    QFETCH(QString, expected);
    const QString name
        = korvane::core::singleinstance::blockName({ org, domain, version, path, user });
    QCOMPARE(name, expected);
    QCOMPARE(name.size(), cst_name_length);
    QVERIFY(!name.contains('/'));
}

void TestInstanceProtocol::blockLayout()
{
    QByteArray block(cst_block_size, '\xAA');
    writeBlock(block.data(), { true, 0x01020304u, -1 });
    // Flag, untouched padding, count and pid little-endian.
    QCOMPARE(block.toHex(), QByteArray("01aaaaaa04030201ffffffffffffffff"));

    writeBlock(block.data(), { false, 7, 0x123456789All });
    QCOMPARE(block.toHex(), QByteArray("00aaaaaa070000009a78563412000000"));
    const BlockState back = readBlock(block.constData());
    QCOMPARE(back.primaryRunning, false);
    QCOMPARE(back.secondaryCount, 7u);
    QCOMPARE(back.primaryPid, 0x123456789All);

    // Any non-zero flag byte written by another build still means running.
    block[0] = 2;
    QVERIFY(readBlock(block.constData()).primaryRunning);
}

void TestInstanceProtocol::checksumText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("check string") << QByteArray("123456789");
    for (quint32 i : { 0u, 1u, 2u, 255u, 65536u, 0xFFFFFFFFu, instanceWithShortChecksum() }) {
        const QByteArray hs = handshake(cst_name, 'N', i);
        QTest::newRow(qPrintable(QStringLiteral("handshake %1").arg(i)))
            << hs.left(cst_handshake_head);
    }
}

void TestInstanceProtocol::checksumText()
{
    QFETCH(QByteArray, data);
    QCOMPARE(korvane::core::singleinstance::checksumText(data), digitText(crcX25(data)));
}

void TestInstanceProtocol::handshakeBytes()
{
    QCOMPARE(crcX25("123456789"), quint16(0x906E));
    QCOMPARE(korvane::core::singleinstance::checksumText("123456789"),
        QByteArray("\xe7\xc5")); // 0x90 + 0x57, 0x6E + 0x57

    const QByteArray hs = handshake(cst_name, 'S', 0x0A0B0C0D);
    QCOMPARE(hs.left(44), cst_name.toLatin1());
    QCOMPARE(hs.at(44), 'S');
    QCOMPARE(hs.mid(45, 4), QByteArray("\x0D\x0C\x0B\x0A", 4));
    QCOMPARE(hs.mid(49), digitText(crcX25(hs.left(49))));

    const quint32 shortOne = instanceWithShortChecksum();
    const QByteArray shortHs = handshake(cst_name, 'N', shortOne);
    QCOMPARE(shortHs.size(), 50);
    QVERIFY(crcX25(shortHs.left(49)) < 256);
}

void TestInstanceProtocol::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<char>("type");
    QTest::addColumn<quint32>("instance");
    QTest::addColumn<QByteArray>("rest");

    const int in = HandshakeResult::Incomplete, ok = HandshakeResult::Accepted,
              no = HandshakeResult::Rejected;
    const QByteArray n = handshake(cst_name, 'N', 0);
    const QByteArray r = handshake(cst_name, 'R', 3);
    const QByteArray s = handshake(cst_name, 'S', 0xFFFFFFFF);
    const QByteArray shortHs = handshake(cst_name, 'N', instanceWithShortChecksum());

    QTest::newRow("new instance") << n << ok << 'N' << 0u << QByteArray();
    QTest::newRow("reconnect with message")
        << r + "a b c" << ok << 'R' << 3u << QByteArray("a b c");
    QTest::newRow("secondary, largest number") << s << ok << 'S' << 0xFFFFFFFFu << QByteArray();
    QTest::newRow("one-byte checksum with message")
        << shortHs + "x" << ok << 'N' << instanceWithShortChecksum() << QByteArray("x");

    QTest::newRow("nothing yet") << QByteArray() << in << '\0' << 0u << QByteArray();
    QTest::newRow("half the name") << n.left(20) << in << '\0' << 0u << QByteArray();
    QTest::newRow("name and type") << n.left(45) << in << '\0' << 0u << QByteArray();
    QTest::newRow("no checksum yet") << n.left(49) << in << '\0' << 0u << QByteArray();
    if (n.size() == 51)
        QTest::newRow("first checksum digit only")
            << n.left(50) << in << '\0' << 0u << QByteArray();

    QByteArray wrongName = n;
    wrongName[10] = wrongName[10] == 'A' ? 'B' : 'A';
    QTest::newRow("wrong name") << wrongName << no << '\0' << 0u << QByteArray();
    QTest::newRow("wrong name, seen early")
        << wrongName.left(11) << no << '\0' << 0u << QByteArray();
    QTest::newRow("other build's name")
        << handshake("jIckGgkKu1sn3cyL_zBBtDIploFfvjLLcQ1npMFzFk4=", 'N', 0) << no << '\0' << 0u
        << QByteArray();
    QByteArray unknownType = n;
    unknownType[44] = 'X';
    QTest::newRow("unknown type") << unknownType << no << '\0' << 0u << QByteArray();
    QByteArray lowerType = n;
    lowerType[44] = 'n';
    QTest::newRow("lower-case type") << lowerType.left(45) << no << '\0' << 0u << QByteArray();
    QByteArray badSum = n;
    badSum[badSum.size() - 1] = static_cast<char>(badSum.at(badSum.size() - 1) + 1);
    QTest::newRow("bad checksum") << badSum << no << '\0' << 0u << QByteArray();
    QByteArray badFirstDigit = n.left(50);
    badFirstDigit[49] = static_cast<char>(badFirstDigit.at(49) + 1);
    QTest::newRow("bad first checksum digit") << badFirstDigit << no << '\0' << 0u << QByteArray();
    QByteArray badInstance = n;
    badInstance[46] = 1; // checksum no longer matches
    QTest::newRow("instance altered") << badInstance << no << '\0' << 0u << QByteArray();
    QTest::newRow("garbage") << QByteArray(60, '\0') << no << '\0' << 0u << QByteArray();
}

void TestInstanceProtocol::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(char, type);
    QFETCH(quint32, instance);
    QFETCH(QByteArray, rest);

    const HandshakeResult result = parseHandshake(bytes, cst_name);
    QCOMPARE(int(result.status), status);
    if (status == HandshakeResult::Accepted) {
        QCOMPARE(result.type, type);
        QCOMPARE(result.instance, instance);
        QCOMPARE(bytes.mid(result.length), rest);
    }
}

QTEST_APPLESS_MAIN(TestInstanceProtocol)
#include "tst_instanceprotocol.moc"
