#pragma once

namespace korvane::shell {

// What the entry function does once a pass has returned.
enum class NextPass {
    // The process ends with the pass's exit code.
    None,
    // Another pass in this image of the process.
    InThisImage,
    // The program starts afresh in this process (platform::replaceProcessImage),
    // which takes over the single-instance guard; a pass in this image when
    // that fails.
    InNewImage,
};

// One run of the program from the application object to the write-back.
// Returns the exit code.
int runPass(int& argc, char** argv, NextPass& next);

} // namespace korvane::shell
