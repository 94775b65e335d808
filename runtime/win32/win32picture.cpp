// The chosen image alone is handed to the platform's icon decoding, which takes both bitmap and
// PNG images; a PNG without its ancillary chunks, which decoders inflate into memory. An image
// larger than a pointer is scaled down to one; the hot spot is the middle of the image.
#include "runtime/win32/win32picture.h"

#include "runtime/icondirectory.h"
#include "runtime/pngessentials.h"
#include "runtime/runtimeerror.h"
#include "runtime/win32/picturefile.h"

#include <windows.h>

#include <algorithm>
#include <span>
#include <vector>

namespace freefall {

namespace {

constexpr DWORD kIconFormatVersion = 0x00030000;

// The image's size, or the largest that fits the pointer's square with the same proportions.
SIZE pointerSize(const IconImage &image)
{
    const int longer = std::max(image.width, image.height);
    if (longer <= kPointerSide)
        return SIZE{image.width, image.height};
    return SIZE{std::max(1, image.width * kPointerSide / longer),
                std::max(1, image.height * kPointerSide / longer)};
}

} // namespace

std::shared_ptr<const Win32Picture> Win32Picture::load(std::u16string_view path)
{
    const std::vector<std::uint8_t> file = readPictureFile(path, kMaxPictureFileBytes);
    const IconImage image = choosePointerImage(file);
    std::vector<std::uint8_t> data(file.begin() + std::ptrdiff_t(image.offset),
                                   file.begin() + std::ptrdiff_t(image.offset + image.size));
    if (image.encoding == IconImage::Encoding::Png)
        data = pngEssentials(data);
    const SIZE size = pointerSize(image);
    HICON icon = CreateIconFromResourceEx(data.data(), DWORD(data.size()), TRUE, kIconFormatVersion,
                                          size.cx, size.cy, LR_DEFAULTCOLOR);
    if (!icon)
        throw RuntimeError(RuntimeError::Kind::InvalidPicture);
    return std::make_shared<const Win32Picture>(UniqueIcon(icon));
}

} // namespace freefall
