#include "core/applicationinterface.h"
#include "main/pass.h"
#include "main/shutdownsignals.h"

int main(int argc, char* argv[])
{
    korvane::shell::ShutdownSignals::install();
    int exitCode = 1;
    bool finished = false;
    do {
        exitCode = korvane::shell::runPass(argc, argv, finished);
    } while (!finished && exitCode == korvane::core::ApplicationInterface::cst_reboot_code);
    return exitCode;
}
