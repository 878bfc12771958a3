#include "core/platform/processimage.h"
#include "main/pass.h"
#include "main/shutdownsignals.h"

#include <vector>

int main(int argc, char* argv[])
{
    using korvane::shell::NextPass;
    korvane::shell::ShutdownSignals::install();
    // Qt takes its own options out of argv; a new image gets them all again.
    const std::vector<char*> arguments(argv, argv + argc + 1);
    int exitCode = 1;
    NextPass next = NextPass::None;
    do {
        exitCode = korvane::shell::runPass(argc, argv, next);
        if (next == NextPass::InNewImage) {
            korvane::shell::ShutdownSignals::holdForNextImage();
            korvane::core::platform::replaceProcessImage(arguments.data());
            korvane::shell::ShutdownSignals::install();
        }
    } while (next != NextPass::None);
    return exitCode;
}
