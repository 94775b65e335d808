// The module is looked for at the same place relative to the program in the build tree and
// under any install prefix: FREEFALL_WINDOW_MODULE, from the program's own directory. The
// dynamic loader trusts what it maps, so the module is looked over first: only a regular file
// is opened, and only one whose loadable contents are those built with the program is loaded,
// through the same descriptor.
#include "app/linux/windowmodule.h"

#include "app/cli/commandline.h"
#include "app/linux/windowmodulesum.h"
#include "app/linux/windowstartguard.h"
#include "app/qt/windowentry.h"
#include "runtime/posix/regularfile.h"
#include "runtime/posix/sharedobject.h"

#include <dlfcn.h>

#include <cstring>
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

// Why the module cannot be loaded, or empty when it can.
std::string moduleProblem(const std::string &module, const OpenedRegularFile &file)
{
    switch (file.status) {
    case OpenedRegularFile::Status::CannotOpen:
        return module + ": cannot open shared object file: " + std::strerror(file.error);
    case OpenedRegularFile::Status::NotRegular:
        return module + " is not a regular file";
    case OpenedRegularFile::Status::Opened:
        break;
    }
    const LoadableContents contents =
        readLoadableContents(file.file.get(), std::uint64_t(file.info.st_size));
    switch (contents.status) {
    case LoadableContents::Status::NotSharedObject:
        return module + " is not a shared object for this machine";
    case LoadableContents::Status::CutShort:
        return module + " is cut short: it has " + std::to_string(file.info.st_size) +
               " bytes of the " + std::to_string(contents.neededBytes) + " its headers describe";
    case LoadableContents::Status::ReadFailed:
        return module + " cannot be read";
    case LoadableContents::Status::Read:
        break;
    }
    if (contents.checksum != kWindowModuleChecksum)
        return module + " is damaged or from another build: its contents are not those built "
                        "with this program";
    return {};
}

} // namespace

int openWindow(int argc, char *argv[])
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return cannotOpen("the program's own path is unknown: " + error.message());
    const std::string module = (program.parent_path() / FREEFALL_WINDOW_MODULE).string();
    const OpenedRegularFile file = openRegularFile(module.c_str());
    if (const std::string problem = moduleProblem(module, file); !problem.empty())
        return cannotOpen(problem);

    WindowStartGuard guard(module);
    // Loaded by its descriptor, so it is the file checked above whatever the name now points
    // to; never unloaded, since the window runs until the program ends.
    const std::string checked = "/proc/self/fd/" + std::to_string(file.file.get());
    void *handle = dlopen(checked.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle) {
        std::string why = dlerror();
        if (const std::size_t at = why.find(checked); at != std::string::npos)
            why.replace(at, checked.size(), module);
        return cannotOpen(why);
    }
    const auto run = reinterpret_cast<RunWindowFunction>(dlsym(handle, kRunWindowSymbol));
    if (!run)
        return cannotOpen(module + " is not the window module of this program");
    guard.moduleLoaded();
    return run(argc, argv, &WindowStartGuard::windowShown);
}

} // namespace freefall
