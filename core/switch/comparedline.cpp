#include "core/switch/comparedline.h"

namespace korvane::core {

QString comparedLine(const QString& line)
{
    QString form = line.toUpper();
    while (form.endsWith(QLatin1Char('\n')) || form.endsWith(QLatin1Char('\r')))
        form.chop(1);
    return form;
}

} // namespace korvane::core
