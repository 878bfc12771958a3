#pragma once

#include "common/korvane_common_export.h"

#include <QColor>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QStringList>
#include <QTime>
#include <QVector>

namespace korvane::common {

// Fixed JSON shapes for Qt value types, so every document stores them alike.
// Single integers are written as decimal strings: the JSON number type would
// lose the width or the sign. Reading never fails: each shape has a fallback.
class KORVANE_COMMON_EXPORT JsonUtils {
public:
    static QJsonValue writeInt(int value);
    static int readInt(const QJsonValue& value);

    static QJsonValue writeUID(qint64 value);
    static qint64 readUID(const QJsonValue& value);

    static QJsonValue writeULong(unsigned int value);
    static unsigned int readULong(const QJsonValue& value);

    static void writeLongLong(QJsonObject& object, const QString& key, qint64 value);
    static qint64 readLongLong(const QJsonObject& object, const QString& key);

    static void writeULongLong(QJsonObject& object, const QString& key, quint64 value);
    static quint64 readULongLong(const QJsonObject& object, const QString& key);

    static QJsonObject writePoint(const QPoint& point);
    static QPoint readPoint(const QJsonObject& object);

    static QJsonObject writeRect(const QRect& rect);
    static QRect readRect(const QJsonObject& object);

    static QJsonObject writeRectF(const QRectF& rect);
    static QRectF readRectF(const QJsonObject& object);

    static QJsonObject writeColor(const QColor& color);
    static QColor readColor(const QJsonObject& object);

    static QJsonObject writeDateTime(const QDateTime& dateTime);
    static QDateTime readDateTime(const QJsonObject& object);

    static QJsonObject writeTime(const QTime& time);
    static QTime readTime(const QJsonObject& object);

    // Compressed bytes whose stored size exceeds this read as empty.
    static constexpr quint32 cst_max_uncompressed_size = 16 * 1024 * 1024;
    static QJsonObject writeQByteArray(const QByteArray& bytes, bool compress = false);
    static QByteArray readQByteArray(const QJsonObject& object, bool compressed = false);

    static QJsonObject writeAlignment(Qt::Alignment alignment);
    static Qt::Alignment readAlignment(const QJsonObject& object);

    static QJsonArray writeArrayBool(const QList<bool>& values);
    static QList<bool> readArrayBool(const QJsonArray& array);

    static QJsonArray writeArrayInt(const QList<int>& values);
    static QList<int> readArrayInt(const QJsonArray& array);

    static QJsonArray writeVectorBool(const QVector<bool>& values);
    static QVector<bool> readVectorBool(const QJsonArray& array);

    static QJsonArray writeVectorInt(const QVector<int>& values);
    static QVector<int> readVectorInt(const QJsonArray& array);

    static QJsonArray writeArrayPoint(const QList<QPoint>& points);
    static QList<QPoint> readArrayPoint(const QJsonArray& array);

    static QJsonArray writeStringList(const QStringList& values);
    static QStringList readStringList(const QJsonArray& array);

    static void writeListDouble(
        QJsonObject& object, const QString& key, const QList<double>& values);
    static QList<double> readListDouble(const QJsonObject& object, const QString& key);

    static void writeListFloat(QJsonObject& object, const QString& key, const QList<float>& values);
    static QList<float> readListFloat(const QJsonObject& object, const QString& key);

private:
    JsonUtils() = default;
};

} // namespace korvane::common
