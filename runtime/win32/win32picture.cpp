// The chosen image is handed alone to the platform's icon decoding, which takes both bitmap and
// PNG images; its hot spot is the middle of the image.
#include "win32picture.h"

#include "boundedfile.h"
#include "iconchoice.h"
#include "runtimeerror.h"

#include <windows.h>

namespace freefall {

namespace {

constexpr DWORD kIconFormatVersion = 0x00030000;

} // namespace

std::shared_ptr<const Win32Picture> Win32Picture::load(std::u16string_view path)
{
    std::vector<std::uint8_t> file = readBoundedFile(path, kMaxPictureFileBytes);
    const IconChoice image = choosePointerImage(file);
    HICON icon =
        CreateIconFromResourceEx(file.data() + image.offset, DWORD(image.size), TRUE,
                                 kIconFormatVersion, image.width, image.height, LR_DEFAULTCOLOR);
    if (!icon)
        throw RuntimeError(RuntimeError::Kind::InvalidPicture);
    return std::make_shared<const Win32Picture>(UniqueIcon(icon));
}

} // namespace freefall
