#include "datamodel/identification.h"

#include <QDateTime>
#include <QMutexLocker>
#include <QUuid>

namespace korvane::datamodel {

qint64 Identification::cst_id = 0;
QMutex Identification::_mutex;

qint64 Identification::makeUniqueId()
{
    QMutexLocker locker(&_mutex);
    return ++cst_id;
}

QString Identification::makeUniqueRef(const QString& first, const QString& second)
{
    const QString text = QStringLiteral("%1_%2_%3")
                             .arg(first)
                             .arg(QDateTime::currentMSecsSinceEpoch())
                             .arg(second);
    // "korvane" is not in UUID form, so the namespace is the null UUID; kept
    // as is so that references stay comparable with those already stored.
    const QUuid nameSpace(QStringLiteral("korvane"));
    return QUuid::createUuidV3(nameSpace, text.toUtf8()).toString();
}

} // namespace korvane::datamodel
