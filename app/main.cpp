// Program start: the command-line mode when there are arguments, otherwise the window.
#include "commandline.h"
#include "windowmain.h"

#include <QString>
#include <QStringList>

#include <iostream>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto status = freefall::runCommandLine(arguments, std::cout, std::cerr))
        return *status;
    return freefall::runWindow(argc, argv);
}
