// Program start on Linux: the command-line mode when there are arguments, otherwise the window.
#include "commandline.h"
#include "localetext.h"
#include "qtregionalsettings.h"
#include "standardoutput.h"
#include "windowmain.h"

#include <QString>

#include <iostream>
#include <sstream>
#include <vector>

int main(int argc, char *argv[])
{
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(freefall::decodeArgument(argv[i]));
    const auto regional = [] {
        return std::make_unique<const freefall::QtRegionalSettings>(
            freefall::QtRegionalSettings::fromEnvironment());
    };
    std::ostringstream out;
    if (const auto status = freefall::runCommandLine(arguments, regional, out, std::cerr))
        return freefall::writeStandardOutput(out.str(), *status, std::cerr);
    return freefall::runWindow(argc, argv);
}
