// Greedy word wrap measured with GetTextExtentPoint32 in the label's font, on a memory DC like
// the screen: it needs no window, which under Wine would cost a trip to the server.
#include "app/win32/captionwrap.h"

#include <vector>

namespace freefall {

namespace {

std::vector<std::wstring_view> words(std::wstring_view caption)
{
    std::vector<std::wstring_view> found;
    std::size_t start = 0;
    while (start < caption.size()) {
        const std::size_t end = std::min(caption.find(L' ', start), caption.size());
        if (end > start)
            found.push_back(caption.substr(start, end - start));
        start = end + 1;
    }
    return found;
}

} // namespace

std::wstring wrapCaption(std::wstring_view caption, HFONT font, int width)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const auto extent = [dc](const std::wstring &text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        return int(size.cx);
    };
    std::wstring wrapped;
    std::wstring line;
    for (std::wstring_view word : words(caption)) {
        std::wstring longer = line.empty() ? std::wstring(word) : line + L' ' + std::wstring(word);
        if (!line.empty() && extent(longer) > width) {
            wrapped += line + L"\r\n";
            longer = std::wstring(word);
        }
        line = std::move(longer);
    }
    wrapped += line;
    SelectObject(dc, old);
    DeleteDC(dc);
    return wrapped;
}

} // namespace freefall
