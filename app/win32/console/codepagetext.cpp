// Bytes that are not valid in the code page leave kUndecodable at the start of the text, so
// that the line is refused as the window could never have held it.
#include "app/win32/console/codepagetext.h"

#include "app/cli/typedtext.h"

#include <algorithm>

namespace freefall {

void CodePageText::decode(std::string_view bytes, std::u16string &text) const
{
    // Every ANSI code page and UTF-8 keep ASCII as it is, and most lines of a table are ASCII.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char byte) { return static_cast<unsigned char>(byte) < 0x80; })) {
        text.assign(bytes.begin(), bytes.end());
        return;
    }
    const int size = int(bytes.size());
    text.clear();
    int length =
        MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length == 0) {
        // Invalid bytes, or a code page that cannot say so: decoded as Windows would show them.
        if (GetLastError() == ERROR_NO_UNICODE_TRANSLATION)
            text += kUndecodable;
        length = MultiByteToWideChar(codePage_, 0, bytes.data(), size, nullptr, 0);
    }
    const std::size_t start = text.size();
    text.resize(start + std::size_t(length));
    MultiByteToWideChar(codePage_, 0, bytes.data(), size,
                        reinterpret_cast<wchar_t *>(text.data() + start), length);
}

} // namespace freefall
