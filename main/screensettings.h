#pragma once

#include <QByteArray>
#include <QString>

namespace korvane::shell {

// "screen.ini": the display scale and orientation, read before the application
// object exists because Qt reads QT_SCALE_FACTOR when the GUI starts.
class ScreenSettings {
public:
    static constexpr qint64 cst_max_size = 64 * 1024;

    static QString path();

    // Sets QT_SCALE_FACTOR and requests the display rotation when the file exists.
    static void apply(const QString& path);

    // All or nothing, like the configuration; `reason` receives the system's
    // words on failure.
    static bool write(
        const QString& path, double scale, const QString& orientation, QString* reason = nullptr);
    static QByteArray content(double scale, const QString& orientation);
};

} // namespace korvane::shell
