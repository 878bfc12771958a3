#include "core/platform/inputbackend.h"

namespace korvane::core {

InputBackend::Session InputBackend::Session::current()
{
    return { qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
        qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("XDG_CURRENT_DESKTOP") };
}

bool InputBackend::Session::isWayland() const
{
    return !waylandDisplay.isEmpty()
        || sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
}

bool InputBackend::parse(const QString& text, Kind* kind)
{
    for (Kind candidate : { Auto, XTest, Uinput }) {
        if (text.trimmed().compare(name(candidate), Qt::CaseInsensitive) == 0) {
            *kind = candidate;
            return true;
        }
    }
    return false;
}

QString InputBackend::name(Kind kind)
{
    switch (kind) {
    case XTest:
        return QStringLiteral("xtest");
    case Uinput:
        return QStringLiteral("uinput");
    case Auto:
        break;
    }
    return QStringLiteral("auto");
}

InputBackend::Kind InputBackend::choose(Kind requested, const Session& session)
{
    if (requested != Auto)
        return requested;
    return session.isX11() ? XTest : Uinput;
}

} // namespace korvane::core
