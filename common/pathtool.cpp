#include "common/pathtool.h"

#include "common/privatetempfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtDebug>

namespace korvane::common {

PathTool* PathTool::_p_this = nullptr;

namespace {

const QString cstPathKey = QStringLiteral("path");
const QString cstTempFolderName = QStringLiteral("korvane");

} // namespace

PathTool::PathTool(QObject* parent)
    : QObject(parent)
{
    const QString base = QDir::tempPath();
    m_tempPath = PrivateTempFolder::acquire(base, cstTempFolderName);
    m_ownsTempFolder = !m_tempPath.isEmpty();
    if (!m_ownsTempFolder) {
        // Nothing private could be made: keep the usual name so callers get a
        // path, but never delete what we did not create.
        m_tempPath = QDir(base).absoluteFilePath(cstTempFolderName);
        qWarning().noquote() << "No private temporary folder could be created in" << base;
    }
}

PathTool::~PathTool()
{
    if (m_ownsTempFolder)
        PrivateTempFolder::remove(m_tempPath);
    if (_p_this == this)
        _p_this = nullptr;
}

QString PathTool::getFileName(QUrl url) const
{
    return url.fileName(QUrl::FullyDecoded);
}

QString PathTool::getFileName(QString path) const
{
    return QFileInfo(path).fileName();
}

QString PathTool::getAbsolutePath(QUrl url) const
{
    return QFileInfo(url.toLocalFile()).absoluteFilePath();
}

QString PathTool::getAbsolutePath(QString path) const
{
    if (path.contains(QStringLiteral("file:")))
        return getAbsolutePath(QUrl(path, QUrl::TolerantMode));
    return QFileInfo(path).absoluteFilePath();
}

bool PathTool::pathExists(QString path) const
{
    return QFileInfo(path).isDir();
}

bool PathTool::fileExists(QString fileName) const
{
    return QFile::exists(fileName);
}

QString PathTool::getTempPath() const
{
    return m_tempPath;
}

QString PathTool::getTempImagePath() const
{
    return m_tempPath + QDir::separator()
        + QStringLiteral("%1.png").arg(QDateTime::currentMSecsSinceEpoch());
}

QString PathTool::getCurrentPath(QString key) const
{
    return QSettings().value(key).toString();
}

QString PathTool::getCurrentPath() const
{
    return getCurrentPath(cstPathKey);
}

void PathTool::setCurrentPath(QString path, QString key)
{
    // Only the last component is cut off: the same name higher up the path
    // (a file "/home/ann/ann") must not be removed with it.
    const QString name = QFileInfo(path).fileName();
    QString folder = path;
    if (!name.isEmpty() && folder.endsWith(name))
        folder.chop(name.size());
    QSettings().setValue(key, folder);
}

void PathTool::setCurrentPath(QString path)
{
    setCurrentPath(path, cstPathKey);
}

QString PathTool::getLocalFile(QUrl url) const
{
    return url.toString(QUrl::PreferLocalFile);
}

QUrl PathTool::getURL(QString filePath) const
{
    return QUrl::fromLocalFile(filePath);
}

QString PathTool::removeAccents(QString s)
{
    if (m_diacriticLetters.isEmpty()) {
        m_diacriticLetters = QString::fromUtf8(
            "ŠŒŽšœžŸ¥µÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝßàáâãäåæçèéêëìíîïðñòóôõöøùúûüýÿ");
        m_replacements = QStringList { QStringLiteral("S"), QStringLiteral("OE"),
            QStringLiteral("Z"), QStringLiteral("s"), QStringLiteral("oe"), QStringLiteral("z"),
            QStringLiteral("Y"), QStringLiteral("Y"), QStringLiteral("u"), QStringLiteral("A"),
            QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("A"),
            QStringLiteral("A"), QStringLiteral("AE"), QStringLiteral("C"), QStringLiteral("E"),
            QStringLiteral("E"), QStringLiteral("E"), QStringLiteral("E"), QStringLiteral("I"),
            QStringLiteral("I"), QStringLiteral("I"), QStringLiteral("I"), QStringLiteral("D"),
            QStringLiteral("N"), QStringLiteral("O"), QStringLiteral("O"), QStringLiteral("O"),
            QStringLiteral("O"), QStringLiteral("O"), QStringLiteral("O"), QStringLiteral("U"),
            QStringLiteral("U"), QStringLiteral("U"), QStringLiteral("U"), QStringLiteral("Y"),
            QStringLiteral("s"), QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a"),
            QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("ae"),
            QStringLiteral("c"), QStringLiteral("e"), QStringLiteral("e"), QStringLiteral("e"),
            QStringLiteral("e"), QStringLiteral("i"), QStringLiteral("i"), QStringLiteral("i"),
            QStringLiteral("i"), QStringLiteral("o"), QStringLiteral("n"), QStringLiteral("o"),
            QStringLiteral("o"), QStringLiteral("o"), QStringLiteral("o"), QStringLiteral("o"),
            QStringLiteral("o"), QStringLiteral("u"), QStringLiteral("u"), QStringLiteral("u"),
            QStringLiteral("u"), QStringLiteral("y"), QStringLiteral("y") };
        Q_ASSERT(m_diacriticLetters.size() == m_replacements.size());
    }
    QString result;
    result.reserve(s.size());
    for (const QChar c : qAsConst(s)) {
        const int position = m_diacriticLetters.indexOf(c);
        if (position < 0)
            result.append(c);
        else
            result.append(m_replacements.at(position));
    }
    return result;
}

QObject* PathTool::qmlInstance(QQmlEngine*, QJSEngine*)
{
    if (!_p_this)
        _p_this = new PathTool();
    return _p_this;
}

} // namespace korvane::common
