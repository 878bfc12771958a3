#include "main/screensettings.h"

#include "core/platform/displayrotation.h"
#include "datamodel/korvanepath.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace korvane::shell {

QString ScreenSettings::path()
{
    return datamodel::KorvanePath::getHomePath() + QDir::separator() + QStringLiteral("screen.ini");
}

void ScreenSettings::apply(const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    QSettings settings(path, QSettings::IniFormat);
    QString scale = QStringLiteral("1.0");
    if (settings.contains(QStringLiteral("scale")))
        scale = settings.value(QStringLiteral("scale"), QStringLiteral("1.0")).toString();
    // A factor that is not a positive number would leave the window unusable
    // (zero-sized or unreadable); keep Qt's own scale then.
    bool isNumber = false;
    const double factor = scale.toDouble(&isNumber);
    if (isNumber && factor > 0.0 && factor <= 10.0)
        qputenv("QT_SCALE_FACTOR", scale.toLocal8Bit());

    QString orientation = QStringLiteral("ORIENTATION_PREFERENCE_PORTRAIT");
    if (settings.contains(QStringLiteral("orientation")))
        orientation = settings.value(QStringLiteral("orientation")).toString();
    core::DisplayRotation::apply(orientation);
}

void ScreenSettings::write(const QString& path, double scale, const QString& orientation)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("scale"), scale);
    settings.setValue(QStringLiteral("orientation"), orientation);
}

} // namespace korvane::shell
