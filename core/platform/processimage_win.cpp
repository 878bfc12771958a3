#include "core/platform/processimage.h"

namespace korvane::core::platform {

// A new image on Windows is a new process with a new id, which would end the
// run for whoever started and waits for this one: restarts stay in-process.
bool canReplaceProcessImage()
{
    return false;
}

void replaceProcessImage(char* const*) { }

bool keepOpenInNextImage(qintptr)
{
    return false;
}

} // namespace korvane::core::platform
