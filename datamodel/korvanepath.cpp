#include "datamodel/korvanepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvane::datamodel {

namespace {

const QLatin1String cst_home_folder(".korvane");
const QLatin1String cst_picture_folder("korvane");
const QLatin1String cst_temp_folder("korvane_tmp");

QString picturesLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

} // namespace

void KorvanePath::makePath()
{
    if (!QDir(getHomePath()).exists())
        QDir(QDir::homePath()).mkdir(cst_home_folder);

    // Without a pictures location the path would start at the file-system
    // root; creating a folder there is never what the user wants.
    if (!picturesLocation().isEmpty() && !QDir(getPicturePath()).exists())
        QDir().mkpath(getPicturePath());

    if (!QDir(getTempPath()).exists())
        QDir(QDir::tempPath()).mkdir(cst_temp_folder);
}

QString KorvanePath::getHomePath()
{
    return QDir::homePath() + QDir::separator() + cst_home_folder;
}

QString KorvanePath::getInstallRoot()
{
    return installRootFor(QCoreApplication::applicationDirPath());
}

QString KorvanePath::installRootFor(const QString& programFolder)
{
    // Either folder marks the build tree's shape, so a build or plain install
    // that lost one of them still reads the other from where it always did.
    const QString beside = programFolder + QLatin1String("/..");
    const QDir parent(beside);
    if (QFileInfo(parent.filePath(QStringLiteral("conf"))).isDir()
        || QFileInfo(parent.filePath(QStringLiteral("resources"))).isDir())
        return beside;
    return beside + QLatin1String("/share/korvane");
}

QString KorvanePath::getDataPath()
{
    return getInstallRoot() + QLatin1String("/data");
}

QString KorvanePath::getTranslationPath()
{
    return getInstallRoot() + QLatin1String("/resources/translations");
}

QString KorvanePath::getPicturePath()
{
    return picturesLocation() + QDir::separator() + cst_picture_folder;
}

QString KorvanePath::getTempPath()
{
    return QDir::tempPath() + QDir::separator() + cst_temp_folder;
}

} // namespace korvane::datamodel
