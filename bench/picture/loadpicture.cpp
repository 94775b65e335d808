// freefall_load_picture --write DIR: writes the hostile icon files into DIR.
// freefall_load_picture FILE: loads FILE as the pointer keywords do and prints the load's own
// time in milliseconds and its outcome, for a caller that takes the process's peak memory.
#include "bench/picture/hostileicons.h"
#include "runtime/qt/qtpicture.h"
#include "runtime/runtimeerror.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0)
        return freefall::bench::writeHostileIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: freefall_load_picture --write DIR | FILE\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        const auto picture = freefall::QtPicture::load(QString::fromLocal8Bit(argv[1]));
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%.1f ms: loaded %dx%d\n", ms, picture->image().width(),
                    picture->image().height());
    } catch (const freefall::RuntimeError &error) {
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%.1f ms: refused (%s)\n", ms, error.what());
    }
    return 0;
}
