#include "core/platform/inputbackend.h"

namespace korvane::core {

// Windows has one way in for every program.
InputBackend::Selection InputBackend::open(Kind, const Session&, const char*, const char*)
{
    Selection selection;
    selection.injector = InputInjector::createNative();
    selection.log = QStringLiteral("Input back end: SendInput");
    return selection;
}

} // namespace korvane::core
