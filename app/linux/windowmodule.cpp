// The module is looked for at the same place relative to the program in the build tree and
// under any install prefix: FREEFALL_WINDOW_MODULE, from the program's own directory.
#include "app/linux/windowmodule.h"

#include "app/cli/commandline.h"
#include "app/qt/windowentry.h"

#include <dlfcn.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

namespace freefall {

namespace {

int cannotOpen(const std::string &why)
{
    std::cerr << "freefall: cannot open the window: " + why + '\n';
    return ExitUsage;
}

} // namespace

int openWindow(int argc, char *argv[])
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return cannotOpen("the program's own path is unknown: " + error.message());
    const std::string module = (program.parent_path() / FREEFALL_WINDOW_MODULE).string();
    // Never unloaded: the window runs until the program ends.
    void *handle = dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle)
        return cannotOpen(dlerror());
    const auto run = reinterpret_cast<RunWindowFunction>(dlsym(handle, kRunWindowSymbol));
    if (!run)
        return cannotOpen(module + " is not the window module of this program");
    return run(argc, argv);
}

} // namespace freefall
