// Writes the program's icon files into a directory: freefall.ico for the window and the
// executables, and PNGs of its two designed sizes and of the larger sizes software centres ask
// for, for the desktop's icon theme.
#include "resources/iconmaker/arrowpicture.h"
#include "resources/iconmaker/icofile.h"
#include "resources/iconmaker/pngfile.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

void writeFile(const std::filesystem::path &path, const iconmaker::Bytes &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: freefall_iconmaker <output directory>\n";
        return 2;
    }
    try {
        const std::filesystem::path dir(argv[1]);
        const auto large = iconmaker::drawArrow(32);
        const auto small = iconmaker::drawArrow(16);
        // The two designed images first, as they always stood; then, largest first, the sizes
        // Windows asks for beyond 100 percent: the title bar's 20 and 24, the taskbar's 40 and
        // 48, 64 and Explorer's 256.
        std::vector<iconmaker::IndexedImage> images{large, small};
        for (const int side : {256, 64, 48, 40, 24, 20})
            images.push_back(iconmaker::drawArrow(side));
        writeFile(dir / "freefall.ico", iconmaker::encodeIco(images));
        writeFile(dir / "freefall-32.png", iconmaker::encodePng(large));
        writeFile(dir / "freefall-16.png", iconmaker::encodePng(small));
        for (const int side : {48, 64, 128, 256})
            writeFile(dir / ("freefall-" + std::to_string(side) + ".png"),
                      iconmaker::encodePng(iconmaker::drawArrow(side)));
    } catch (const std::exception &e) {
        std::cerr << "freefall_iconmaker: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
