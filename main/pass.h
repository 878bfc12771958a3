#pragma once

namespace korvane::shell {

// One run of the program from the application object to the write-back.
// Returns the exit code; `finished` is set when the process must end whatever
// the code (another instance already runs).
int runPass(int& argc, char** argv, bool& finished);

} // namespace korvane::shell
