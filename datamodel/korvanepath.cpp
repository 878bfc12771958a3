#include "datamodel/korvanepath.h"

#include <QCoreApplication>
#include <QDir>
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

QString KorvanePath::getDataPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1String("/../data");
}

QString KorvanePath::getTranslationPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1String("/../resources/translations");
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
