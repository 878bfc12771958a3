#pragma once

#include "core/korvane_core_export.h"

#include <QByteArray>
#include <QString>

// Byte-level pieces of the single-instance guard: the block name, the 16-byte
// shared block and the handshake a starting instance sends to the running one.
// Instances built separately must agree on every byte here, so these are kept
// free of any state and are tested on their own.
namespace korvane::core::singleinstance {

constexpr int cst_block_size = 16;
constexpr int cst_name_length = 44;
// name + type byte + instance number
constexpr int cst_handshake_head = cst_name_length + 1 + 4;
// The checksum text is one or two digits in base 256.
constexpr int cst_handshake_max = cst_handshake_head + 2;
// Largest message one connection may carry; more closes the connection.
constexpr qint64 cst_max_message = 64 * 1024;

constexpr char cst_type_new = 'N';
constexpr char cst_type_secondary = 'S';
constexpr char cst_type_reconnect = 'R';

// What enters the block name. An empty field adds nothing; the caller leaves a
// field empty when the options exclude it.
struct NameParts {
    QString organizationName;
    QString organizationDomain;
    QString applicationVersion;
    QString executablePath; // lower-cased here
    QString userName;
};

KORVANE_CORE_EXPORT QString blockName(const NameParts& parts);

struct BlockState {
    bool primaryRunning = false;
    quint32 secondaryCount = 0;
    qint64 primaryPid = 0;
};

// `data` must hold cst_block_size bytes.
KORVANE_CORE_EXPORT BlockState readBlock(const void* data);
// Writes the flag, the count and the pid; the padding bytes 1-3 are left alone.
KORVANE_CORE_EXPORT void writeBlock(void* data, const BlockState& state);

// CRC-16 (X.25) of `data` as base-256 digit text, most significant first.
KORVANE_CORE_EXPORT QByteArray checksumText(const QByteArray& data);

KORVANE_CORE_EXPORT QByteArray handshake(const QString& name, char type, quint32 instance);

struct HandshakeResult {
    enum Status { Incomplete, Accepted, Rejected };
    Status status = Incomplete;
    char type = 0;
    quint32 instance = 0;
    // Bytes taken by the handshake; whatever follows is message.
    int length = 0;
};

// Reads a handshake from the bytes received so far. Incomplete means the
// bytes are a valid beginning and more are needed.
KORVANE_CORE_EXPORT HandshakeResult parseHandshake(const QByteArray& received, const QString& name);

} // namespace korvane::core::singleinstance
