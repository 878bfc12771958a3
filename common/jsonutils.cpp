#include "common/jsonutils.h"

namespace korvane::common {

namespace {

const QString cstDateTimeFormat = QStringLiteral("dd/MM/yyyyThh:mm:ss.zzz");
const QString cstTimeFormat = QStringLiteral("hh:mm:ss.zzz");
const QString cstData = QStringLiteral("data");
const QString cstFlags = QStringLiteral("flags");
const QChar cstSeparator = QLatin1Char(';');

struct AlignmentName {
    const char* name;
    int bits;
};

// Composite names are listed after their parts and written in addition to them.
constexpr AlignmentName cstAlignmentNames[] = {
    { "AlignLeft", 0x1 },
    { "AlignLeading", 0x1 },
    { "AlignRight", 0x2 },
    { "AlignTrailing", 0x2 },
    { "AlignHCenter", 0x4 },
    { "AlignJustify", 0x8 },
    { "AlignAbsolute", 0x10 },
    { "AlignHorizontal_Mask", 0x1f },
    { "AlignTop", 0x20 },
    { "AlignBottom", 0x40 },
    { "AlignVCenter", 0x80 },
    { "AlignBaseline", 0x100 },
    { "AlignVertical_Mask", 0x1e0 },
    { "AlignCenter", 0x84 },
};

template <typename Container> QJsonArray toArray(const Container& values)
{
    QJsonArray array;
    for (const auto& value : values)
        array.append(value);
    return array;
}

template <typename Container> Container boolsFrom(const QJsonArray& array)
{
    Container values;
    values.reserve(array.size());
    for (const QJsonValue& value : array)
        values.append(value.toBool(false));
    return values;
}

template <typename Container> Container intsFrom(const QJsonArray& array)
{
    Container values;
    values.reserve(array.size());
    for (const QJsonValue& value : array)
        values.append(value.toInt(0));
    return values;
}

} // namespace

QJsonValue JsonUtils::writeInt(int value)
{
    return QJsonValue(QString::number(value));
}

int JsonUtils::readInt(const QJsonValue& value)
{
    const QString text = value.toString();
    if (value.isString() && !text.isEmpty()) {
        bool ok = false;
        const int result = text.toInt(&ok, 10);
        return ok ? result : -1;
    }
    return value.toInt(0);
}

QJsonValue JsonUtils::writeUID(qint64 value)
{
    return QJsonValue(QString::number(value));
}

qint64 JsonUtils::readUID(const QJsonValue& value)
{
    const QString text = value.toString();
    if (value.isString() && !text.isEmpty()) {
        bool ok = false;
        const qint64 result = text.toLongLong(&ok, 10);
        return ok ? result : -1;
    }
    return static_cast<qint64>(value.toInt(0));
}

QJsonValue JsonUtils::writeULong(unsigned int value)
{
    return QJsonValue(QString::number(value));
}

unsigned int JsonUtils::readULong(const QJsonValue& value)
{
    if (!value.isString())
        return 0;
    bool ok = false;
    const unsigned int result = value.toString().toUInt(&ok, 10);
    return ok ? result : 0;
}

void JsonUtils::writeLongLong(QJsonObject& object, const QString& key, qint64 value)
{
    object[key] = QString::number(value);
}

qint64 JsonUtils::readLongLong(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    const QString text = value.toString();
    if (value.isString() && !text.isEmpty()) {
        bool ok = false;
        const qint64 result = text.toLongLong(&ok, 10);
        return ok ? result : 0;
    }
    return static_cast<qint64>(value.toInt(0));
}

void JsonUtils::writeULongLong(QJsonObject& object, const QString& key, quint64 value)
{
    object[key] = QString::number(value);
}

quint64 JsonUtils::readULongLong(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    const QString text = value.toString();
    if (value.isString() && !text.isEmpty()) {
        bool ok = false;
        const quint64 result = text.toULongLong(&ok, 10);
        return ok ? result : 0;
    }
    return static_cast<quint64>(static_cast<qint64>(value.toInt(0)));
}

QJsonObject JsonUtils::writePoint(const QPoint& point)
{
    QJsonObject object;
    object[QStringLiteral("x")] = point.x();
    object[QStringLiteral("y")] = point.y();
    return object;
}

QPoint JsonUtils::readPoint(const QJsonObject& object)
{
    return QPoint(
        object.value(QStringLiteral("x")).toInt(0), object.value(QStringLiteral("y")).toInt(0));
}

namespace {
// QRect and QRectF share one shape in the document.
template <typename Rect> QJsonObject writeRectShape(const Rect& rect)
{
    QJsonObject object;
    object[QStringLiteral("left")] = rect.left();
    object[QStringLiteral("top")] = rect.top();
    object[QStringLiteral("width")] = rect.width();
    object[QStringLiteral("height")] = rect.height();
    return object;
}
} // namespace

QJsonObject JsonUtils::writeRect(const QRect& rect)
{
    return writeRectShape(rect);
}

QRect JsonUtils::readRect(const QJsonObject& object)
{
    return QRect(object.value(QStringLiteral("left")).toInt(0),
        object.value(QStringLiteral("top")).toInt(0),
        object.value(QStringLiteral("width")).toInt(0),
        object.value(QStringLiteral("height")).toInt(0));
}

QJsonObject JsonUtils::writeRectF(const QRectF& rect)
{
    return writeRectShape(rect);
}

QRectF JsonUtils::readRectF(const QJsonObject& object)
{
    return QRectF(object.value(QStringLiteral("left")).toDouble(0.0),
        object.value(QStringLiteral("top")).toDouble(0.0),
        object.value(QStringLiteral("width")).toDouble(0.0),
        object.value(QStringLiteral("height")).toDouble(0.0));
}

QJsonObject JsonUtils::writeColor(const QColor& color)
{
    QJsonObject object;
    object[QStringLiteral("r")] = color.red();
    object[QStringLiteral("g")] = color.green();
    object[QStringLiteral("b")] = color.blue();
    object[QStringLiteral("a")] = color.alpha();
    return object;
}

QColor JsonUtils::readColor(const QJsonObject& object)
{
    return QColor(object.value(QStringLiteral("r")).toInt(0),
        object.value(QStringLiteral("g")).toInt(0), object.value(QStringLiteral("b")).toInt(0),
        object.value(QStringLiteral("a")).toInt(0));
}

QJsonObject JsonUtils::writeDateTime(const QDateTime& dateTime)
{
    QJsonObject object;
    object[cstData] = dateTime.toString(cstDateTimeFormat);
    return object;
}

QDateTime JsonUtils::readDateTime(const QJsonObject& object)
{
    QDateTime result = QDateTime::fromString(object.value(cstData).toString(), cstDateTimeFormat);
    result.setTimeSpec(Qt::UTC);
    return result;
}

QJsonObject JsonUtils::writeTime(const QTime& time)
{
    QJsonObject object;
    object[cstData] = time.toString(cstTimeFormat);
    return object;
}

QTime JsonUtils::readTime(const QJsonObject& object)
{
    return QTime::fromString(object.value(cstData).toString(), cstTimeFormat);
}

QJsonObject JsonUtils::writeQByteArray(const QByteArray& bytes, bool compress)
{
    QJsonObject object;
    const QByteArray stored = compress ? qCompress(bytes) : bytes;
    object[cstData] = QString::fromLatin1(stored.toBase64());
    return object;
}

QByteArray JsonUtils::readQByteArray(const QJsonObject& object, bool compressed)
{
    const QByteArray bytes = QByteArray::fromBase64(object.value(cstData).toString().toLatin1());
    if (!compressed || bytes.isEmpty())
        return bytes;
    // qUncompress allocates what the stored size header says before it looks
    // at the data: a few bytes of a damaged file could ask for gigabytes.
    if (bytes.size() < 4)
        return QByteArray();
    const quint32 size = (quint32(quint8(bytes[0])) << 24) | (quint32(quint8(bytes[1])) << 16)
        | (quint32(quint8(bytes[2])) << 8) | quint32(quint8(bytes[3]));
    if (size > cst_max_uncompressed_size)
        return QByteArray();
    return qUncompress(bytes);
}

QJsonObject JsonUtils::writeAlignment(Qt::Alignment alignment)
{
    const int flags = static_cast<int>(alignment);
    QStringList names;
    for (const AlignmentName& entry : cstAlignmentNames) {
        if ((flags & entry.bits) == entry.bits)
            names.append(QLatin1String(entry.name));
    }
    QJsonObject object;
    object[cstFlags] = names.join(cstSeparator);
    return object;
}

Qt::Alignment JsonUtils::readAlignment(const QJsonObject& object)
{
    int flags = 0;
    const QStringList parts = object.value(cstFlags).toString().split(cstSeparator);
    for (const QString& part : parts) {
        for (const AlignmentName& entry : cstAlignmentNames) {
            if (part == QLatin1String(entry.name)) {
                flags |= entry.bits;
                break;
            }
        }
    }
    return Qt::Alignment(flags);
}

QJsonArray JsonUtils::writeArrayBool(const QList<bool>& values)
{
    return toArray(values);
}

QList<bool> JsonUtils::readArrayBool(const QJsonArray& array)
{
    return boolsFrom<QList<bool>>(array);
}

QJsonArray JsonUtils::writeArrayInt(const QList<int>& values)
{
    return toArray(values);
}

QList<int> JsonUtils::readArrayInt(const QJsonArray& array)
{
    return intsFrom<QList<int>>(array);
}

QJsonArray JsonUtils::writeVectorBool(const QVector<bool>& values)
{
    return toArray(values);
}

QVector<bool> JsonUtils::readVectorBool(const QJsonArray& array)
{
    return boolsFrom<QVector<bool>>(array);
}

QJsonArray JsonUtils::writeVectorInt(const QVector<int>& values)
{
    return toArray(values);
}

QVector<int> JsonUtils::readVectorInt(const QJsonArray& array)
{
    return intsFrom<QVector<int>>(array);
}

QJsonArray JsonUtils::writeArrayPoint(const QList<QPoint>& points)
{
    QJsonArray array;
    for (const QPoint& point : points)
        array.append(QStringLiteral("%1;%2").arg(point.x()).arg(point.y()));
    return array;
}

QList<QPoint> JsonUtils::readArrayPoint(const QJsonArray& array)
{
    QList<QPoint> points;
    points.reserve(array.size());
    for (const QJsonValue& value : array) {
        const QStringList parts = value.toString().split(cstSeparator);
        if (parts.size() < 2)
            continue;
        // A part that is not a number reads as 0 (toInt's failure value).
        points.append(QPoint(parts.at(0).toInt(nullptr, 10), parts.at(1).toInt(nullptr, 10)));
    }
    return points;
}

QJsonArray JsonUtils::writeStringList(const QStringList& values)
{
    return toArray(values);
}

QStringList JsonUtils::readStringList(const QJsonArray& array)
{
    QStringList values;
    values.reserve(array.size());
    for (const QJsonValue& value : array)
        values.append(value.toString());
    return values;
}

void JsonUtils::writeListDouble(
    QJsonObject& object, const QString& key, const QList<double>& values)
{
    object[key] = toArray(values);
}

QList<double> JsonUtils::readListDouble(const QJsonObject& object, const QString& key)
{
    const QJsonArray array = object.value(key).toArray();
    QList<double> values;
    values.reserve(array.size());
    for (const QJsonValue& value : array)
        values.append(value.toDouble(0.0));
    return values;
}

void JsonUtils::writeListFloat(QJsonObject& object, const QString& key, const QList<float>& values)
{
    QJsonArray array;
    for (float value : values)
        array.append(static_cast<double>(value));
    object[key] = array;
}

QList<float> JsonUtils::readListFloat(const QJsonObject& object, const QString& key)
{
    const QJsonArray array = object.value(key).toArray();
    QList<float> values;
    values.reserve(array.size());
    for (const QJsonValue& value : array)
        values.append(static_cast<float>(value.toDouble(0.0)));
    return values;
}

} // namespace korvane::common
