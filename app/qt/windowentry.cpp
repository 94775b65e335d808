// The window module's entry: everything else in the module stays hidden inside it.
#include "app/qt/windowentry.h"

#include "app/qt/windowmain.h"

extern "C" __attribute__((visibility("default"))) int freefall_run_window(int argc, char *argv[],
                                                                          void (*windowShown)())
{
    return freefall::runWindow(argc, argv, windowShown);
}
