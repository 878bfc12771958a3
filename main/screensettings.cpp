#include "main/screensettings.h"

#include "common/atomicfilewriter.h"
#include "common/boundedfilereader.h"
#include "core/platform/displayrotation.h"
#include "datamodel/korvanepath.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

namespace korvane::shell {

QString ScreenSettings::path()
{
    return datamodel::KorvanePath::getHomePath() + QDir::separator() + QStringLiteral("screen.ini");
}

void ScreenSettings::apply(const QString& path)
{
    // QSettings would block on a FIFO and read a device without end: only a
    // small regular file is handed to it.
    if (common::BoundedFileReader::read(path, cst_max_size, nullptr)
        != common::BoundedFileReader::Status::Read)
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

QByteArray ScreenSettings::content(double scale, const QString& orientation)
{
    // The text QSettings itself writes for these two keys, so that QSettings
    // reads it back alike. An orientation QSettings would have to escape is
    // none the display knows, and requests no rotation either way: it is
    // written empty.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_]*$"));
    const QString stored = plain.match(orientation).hasMatch() ? orientation : QString();
    return QStringLiteral("[General]\norientation=%1\nscale=%2\n")
        .arg(stored, QString::number(scale, 'g', QLocale::FloatingPointShortest))
        .toUtf8();
}

bool ScreenSettings::write(
    const QString& path, double scale, const QString& orientation, QString* reason)
{
    // Not through QSettings: it reports no write error, and Qt 5 puts an empty
    // file in place of the old one when the disk is full.
    return common::AtomicFileWriter::write(path, content(scale, orientation), reason);
}

} // namespace korvane::shell
