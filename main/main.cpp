#include "core/application.h"

int main(int argc, char* argv[])
{
    korvane::core::Application app(argc, argv);
    return 0;
}
