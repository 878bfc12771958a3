#include "core/switch/comparedline.h"

namespace korvane::core {

QString comparedLine(const QString& line)
{
    QString form = line.toUpper();
    while (form.endsWith(QLatin1Char('\n')) || form.endsWith(QLatin1Char('\r')))
        form.chop(1);
    return form;
}

QString comparedReleaseLine(const QString& press, const QString& release)
{
    const QString line = comparedLine(release);
    return line == comparedLine(press) ? QString() : line;
}

} // namespace korvane::core
