// Until the window exists, the program without arguments shows how to use the command line.
#include "windowmain.h"

#include "commandline.h"

#include <iostream>

namespace freefall {

int runWindow(int, char *[])
{
    std::cout << usageText();
    return ExitUsage;
}

} // namespace freefall
