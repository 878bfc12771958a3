#include "core/platform/autostart.h"

namespace korvane::core {

const QString Autostart::cst_entryName = QStringLiteral("korvane");

QString Autostart::windowsRunValue(const QString& programPath)
{
    QString path = programPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QLatin1Char('"') + path + QLatin1Char('"');
}

QString Autostart::desktopExecValue(const QString& programPath)
{
    // The argument is always quoted, with the characters that stay special
    // inside quotes escaped; "%" would start a field code.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');

    // The general escapes of a string value are undone before the quoting
    // is read, so they are applied last.
    QString value;
    for (const QChar c : qAsConst(quoted)) {
        switch (c.unicode()) {
        case '\\':
            value += QLatin1String("\\\\");
            break;
        case '\n':
            value += QLatin1String("\\n");
            break;
        case '\t':
            value += QLatin1String("\\t");
            break;
        case '\r':
            value += QLatin1String("\\r");
            break;
        default:
            value += c;
        }
    }
    return value;
}

QByteArray Autostart::desktopEntry(const QString& programPath)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(cst_entryName, desktopExecValue(programPath))
        .toUtf8();
}

} // namespace korvane::core
