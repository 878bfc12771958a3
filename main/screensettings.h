#pragma once

#include <QString>

namespace korvane::shell {

// "screen.ini": the display scale and orientation, read before the application
// object exists because Qt reads QT_SCALE_FACTOR when the GUI starts.
class ScreenSettings {
public:
    static QString path();

    // Sets QT_SCALE_FACTOR and requests the display rotation when the file exists.
    static void apply(const QString& path);

    static void write(const QString& path, double scale, const QString& orientation);
};

} // namespace korvane::shell
