// Program start on Linux: the command-line mode when there are arguments, otherwise the window.
#include "commandline.h"
#include "qtregionalsettings.h"
#include "windowmain.h"

#include <QString>

#include <iostream>
#include <vector>

int main(int argc, char *argv[])
{
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]).toStdU16String());
    const auto regional = [] {
        return std::make_unique<const freefall::QtRegionalSettings>(
            freefall::QtRegionalSettings::fromEnvironment());
    };
    if (const auto status = freefall::runCommandLine(arguments, regional, std::cout, std::cerr))
        return *status;
    return freefall::runWindow(argc, argv);
}
