#include "main/shutdownsignals.h"

namespace korvane::shell {

// On Windows the end of the session arrives as commitDataRequest, which the
// start-up code handles for every platform.
struct ShutdownSignals::Private { };

void ShutdownSignals::install() { }

void ShutdownSignals::holdForNextImage() { }

ShutdownSignals::ShutdownSignals(QObject* parent)
    : QObject(parent)
    , d(new Private)
{
}

ShutdownSignals::~ShutdownSignals()
{
    delete d;
}

} // namespace korvane::shell
