#pragma once

#include "datamodel/korvane_datamodel_export.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

namespace korvane::datamodel {

// One translation catalogue found on disk. Copyable like a value so that the
// language list can hold and hand out copies; copies never emit signals.
class KORVANE_DATAMODEL_EXPORT Language : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString code READ getCode WRITE setCode NOTIFY codeChanged)
    Q_PROPERTY(QString fileName READ getFileName WRITE setFileName NOTIFY fileNameChanged)

public:
    explicit Language(QObject* parent = nullptr);
    Language(const Language& other);
    Language& operator=(const Language& other);
    bool operator==(const Language& other) const;
    bool operator!=(const Language& other) const { return !(*this == other); }

    QString name() const { return m_name; }
    QString getCode() const { return m_code; }
    QString getFileName() const { return m_fileName; }

    void clean();
    void read(const QJsonObject& object);
    QJsonObject write() const;

public slots:
    void setName(QString name);
    void setCode(QString code);
    void setFileName(QString fileName);

signals:
    void nameChanged(QString name);
    void codeChanged(QString code);
    void fileNameChanged(QString fileName);

private:
    QString m_name;
    QString m_code;
    QString m_fileName;
};

} // namespace korvane::datamodel
