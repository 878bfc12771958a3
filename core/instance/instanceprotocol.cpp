#include "core/instance/instanceprotocol.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <cstring>

namespace korvane::core::singleinstance {

QString blockName(const NameParts& parts)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("SingleApplication", 17);
    hash.addData("mivrel", 6);
    hash.addData(parts.organizationName.toUtf8());
    hash.addData(parts.organizationDomain.toUtf8());
    hash.addData(parts.applicationVersion.toUtf8());
    hash.addData(parts.executablePath.toLower().toUtf8());
    hash.addData(parts.userName.toUtf8());
    return QString::fromLatin1(hash.result().toBase64().replace('/', '_'));
}

BlockState readBlock(const void* data)
{
    const auto* bytes = static_cast<const uchar*>(data);
    BlockState state;
    state.primaryRunning = bytes[0] != 0;
    state.secondaryCount = qFromLittleEndian<quint32>(bytes + 4);
    state.primaryPid = qFromLittleEndian<qint64>(bytes + 8);
    return state;
}

void writeBlock(void* data, const BlockState& state)
{
    auto* bytes = static_cast<uchar*>(data);
    bytes[0] = state.primaryRunning ? 1 : 0;
    qToLittleEndian<quint32>(state.secondaryCount, bytes + 4);
    qToLittleEndian<qint64>(state.primaryPid, bytes + 8);
}

QByteArray checksumText(const QByteArray& data)
{
    // Base 256 is outside what QByteArray::number documents, but its digit
    // mapping (d + '0' below ten, d + 'a' - 10 above) is what every instance
    // of this program has always sent, so it is the wire format.
    const quint16 crc = qChecksum(data.constData(), static_cast<uint>(data.size()));
    return QByteArray::number(crc, 256);
}

QByteArray handshake(const QString& name, char type, quint32 instance)
{
    QByteArray bytes = name.toLatin1();
    bytes.append(type);
    uchar number[4];
    qToLittleEndian<quint32>(instance, number);
    bytes.append(reinterpret_cast<const char*>(number), 4);
    bytes.append(checksumText(bytes));
    return bytes;
}

HandshakeResult parseHandshake(const QByteArray& received, const QString& name)
{
    HandshakeResult result;
    const QByteArray expectedName = name.toLatin1();
    const int nameLength = expectedName.size();

    const int namePart = qMin(received.size(), nameLength);
    if (std::memcmp(received.constData(), expectedName.constData(), namePart) != 0) {
        result.status = HandshakeResult::Rejected;
        return result;
    }
    if (received.size() <= nameLength)
        return result;

    const char type = received.at(nameLength);
    if (type != cst_type_new && type != cst_type_secondary && type != cst_type_reconnect) {
        result.status = HandshakeResult::Rejected;
        return result;
    }
    const int head = nameLength + 1 + 4;
    if (received.size() < head)
        return result;

    const QByteArray expected = checksumText(received.left(head));
    if (received.size() < head + expected.size()) {
        // A wrong leading digit can already be told apart.
        if (received.size() > head && received.at(head) != expected.at(0))
            result.status = HandshakeResult::Rejected;
        return result;
    }
    if (received.mid(head, expected.size()) != expected) {
        result.status = HandshakeResult::Rejected;
        return result;
    }
    result.status = HandshakeResult::Accepted;
    result.type = type;
    result.instance = qFromLittleEndian<quint32>(received.constData() + nameLength + 1);
    result.length = head + expected.size();
    return result;
}

} // namespace korvane::core::singleinstance
