#pragma once

#include "common/korvane_common_export.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class QQmlEngine;
class QJSEngine;

namespace korvane::common {

// Path and file helpers for the scene, registered as the "PathTool" singleton.
// Owns a private temporary folder for the lifetime of the instance.
class KORVANE_COMMON_EXPORT PathTool : public QObject {
    Q_OBJECT
public:
    explicit PathTool(QObject* parent = nullptr);
    ~PathTool() override;

    Q_INVOKABLE QString getFileName(QUrl url) const;
    Q_INVOKABLE QString getFileName(QString path) const;
    Q_INVOKABLE QString getAbsolutePath(QUrl url) const;
    Q_INVOKABLE QString getAbsolutePath(QString path) const;
    Q_INVOKABLE bool pathExists(QString path) const;
    Q_INVOKABLE bool fileExists(QString fileName) const;
    Q_INVOKABLE QString getTempPath() const;
    Q_INVOKABLE QString getTempImagePath() const;
    Q_INVOKABLE QString getCurrentPath(QString key) const;
    Q_INVOKABLE QString getCurrentPath() const;
    Q_INVOKABLE void setCurrentPath(QString path, QString key);
    Q_INVOKABLE void setCurrentPath(QString path);
    Q_INVOKABLE QString getLocalFile(QUrl url) const;
    Q_INVOKABLE QUrl getURL(QString filePath) const;
    Q_INVOKABLE QString removeAccents(QString s);

    // Singleton provider for qmlRegisterSingletonType: the engine that
    // receives the instance owns it.
    static QObject* qmlInstance(QQmlEngine* engine, QJSEngine* scriptEngine);

private:
    static PathTool* _p_this;

    QString m_tempPath;
    bool m_ownsTempFolder = false;
    QString m_diacriticLetters;
    QStringList m_replacements;
};

} // namespace korvane::common
