#include "main/displaysession.h"

namespace korvane::shell {

bool DisplaySession::isHeadless(const QProcessEnvironment& environment)
{
    const auto unset
        = [&environment](const char* name) { return environment.value(name).isEmpty(); };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
}

bool DisplaySession::prepare()
{
    // A restart finds the platform it chose itself the first time.
    static bool chosen = false;
    if (chosen)
        return true;
    if (!isHeadless(QProcessEnvironment::systemEnvironment()))
        return false;
    chosen = true;
    // Qt Quick needs OpenGL except in its software back end, and the
    // offscreen platform has none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    return true;
}

} // namespace korvane::shell
