// Program start: the command-line mode when there are arguments, otherwise the window.
#include "commandline.h"
#include "standardoutput.h"
#include "typedtext.h"
#include "windowmain.h"

#include <QString>
#include <QStringList>

#include <iostream>
#include <sstream>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << freefall::decodeArgument(argv[i]);
    std::ostringstream out;
    if (const auto status = freefall::runCommandLine(arguments, out, std::cerr))
        return freefall::writeStandardOutput(out.str(), *status, std::cerr);
    return freefall::runWindow(argc, argv);
}
