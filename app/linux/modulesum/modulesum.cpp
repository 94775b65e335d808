// Build step: writes the checksum of the window module's loadable contents into a header that
// the program is compiled with, so that the program loads only the module built with it, whole.
// Usage: freefall_modulesum MODULE HEADER
#include "runtime/posix/regularfile.h"
#include "runtime/posix/sharedobject.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::cerr << "usage: freefall_modulesum MODULE HEADER\n";
        return 2;
    }
    const freefall::OpenedRegularFile module = freefall::openRegularFile(argv[1]);
    if (module.status != freefall::OpenedRegularFile::Status::Opened) {
        std::cerr << "freefall_modulesum: cannot open " << argv[1] << '\n';
        return 1;
    }
    const freefall::LoadableContents contents =
        freefall::readLoadableContents(module.file.get(), std::uint64_t(module.info.st_size));
    if (contents.status != freefall::LoadableContents::Status::Read) {
        std::cerr << "freefall_modulesum: " << argv[1] << " is no whole shared object\n";
        return 1;
    }
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "0x%08x", unsigned(contents.checksum));
    std::ostringstream header;
    header << "// Written by freefall_modulesum from the window module built with the program.\n"
              "#pragma once\n\n#include <cstdint>\n\nnamespace freefall {\n\n"
              "inline constexpr std::uint32_t kWindowModuleChecksum = "
           << checksum << "u;\n\n} // namespace freefall\n";
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << header.str();
    out.close();
    if (!out) {
        std::cerr << "freefall_modulesum: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
