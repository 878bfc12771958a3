#include "main/displaysession.h"

namespace korvane::shell {

// A Windows session always has its desktop.
bool DisplaySession::isHeadless(const QProcessEnvironment&)
{
    return false;
}

bool DisplaySession::prepare()
{
    return false;
}

} // namespace korvane::shell
