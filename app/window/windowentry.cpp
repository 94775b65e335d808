// The window module's entry: everything else in the module stays hidden inside it.
#include "windowentry.h"

#include "windowmain.h"

extern "C" __attribute__((visibility("default"))) int freefall_run_window(int argc, char *argv[])
{
    return freefall::runWindow(argc, argv);
}
