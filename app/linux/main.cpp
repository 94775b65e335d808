// Program start on Linux: the window when there are no arguments or only Qt's own options,
// otherwise the command-line mode, which needs nothing of Qt but QtCore.
#include "app/cli/commandline.h"
#include "app/cli/streamsink.h"
#include "app/linux/descriptorinput.h"
#include "app/linux/descriptoroutput.h"
#include "app/linux/localetext.h"
#include "app/linux/qtoptions.h"
#include "app/linux/stopsignals.h"
#include "app/linux/windowmodule.h"
#include "runtime/qt/regional/qtregionalsettings.h"

#include <csignal>
#include <iostream>
#include <memory>
#include <span>
#include <unistd.h>
#include <vector>

int main(int argc, char *argv[])
{
    const std::span<char *const> given(argv + 1, std::size_t(argc > 0 ? argc - 1 : 0));
    if (given.empty() || freefall::areQtOptions(given))
        return freefall::openWindow(argc, argv);

    // A reader that has gone is a failed write, reported with its own exit status.
    std::signal(SIGPIPE, SIG_IGN);
    const freefall::LocaleText localeText;
    std::vector<std::u16string> arguments;
    for (const char *argument : given)
        arguments.push_back(localeText.decode(argument));
    // One calculation goes through QLocale alone: checking the direct path against it would
    // cost more than the direct path saves.
    const auto regional = [](freefall::RegionalUse use) {
        using Path = freefall::QtRegionalSettings::Path;
        return std::make_unique<const freefall::QtRegionalSettings>(
            freefall::QtRegionalSettings::fromEnvironment(
                use == freefall::RegionalUse::ManyCalculations ? Path::Direct : Path::QLocaleOnly));
    };
    freefall::DescriptorOutput out(STDOUT_FILENO);
    freefall::StreamSink err(std::cerr);
    freefall::DescriptorInput inBytes(STDIN_FILENO);
    freefall::StandardInput input{inBytes, localeText,
                                  freefall::DescriptorOutput::reachesReaderAtOnce(STDOUT_FILENO)};
    const int status = freefall::runCommandLine(arguments, regional, input, out, err)
                           .value_or(freefall::ExitUsage);
    // A signal caught after the last line: the program still ends by it.
    if (freefall::stopSignal() != 0)
        freefall::endByStopSignal();
    return status;
}
