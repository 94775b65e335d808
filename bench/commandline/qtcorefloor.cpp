// The least a command-line calculation with Qt can cost: QtCore loaded, one number formatted by
// QLocale, one line printed.
#include <QLocale>

#include <cstdio>

int main()
{
    std::printf("%s\n", QLocale::c().toString(1314.70, 'f', 2).toUtf8().constData());
    return 0;
}
