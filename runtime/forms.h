// The operations of the forms runtime that the window's handlers use: control properties,
// focus, the pointer, pictures and the message box. Each toolkit's adapter and the tests'
// in-memory controls implement them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace freefall {

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// Its 8-bit channels.
constexpr int red(Colour colour)
{
    return int(colour & 0xFF);
}

constexpr int green(Colour colour)
{
    return int((colour >> 8) & 0xFF);
}

constexpr int blue(Colour colour)
{
    return int((colour >> 16) & 0xFF);
}

namespace colours {
inline constexpr Colour Red = 0x000000FF;
inline constexpr Colour Yellow = 0x0000FFFF;
inline constexpr Colour White = 0x00FFFFFF;
inline constexpr Colour Black = 0x00000000;
} // namespace colours

class TextBox
{
public:
    virtual ~TextBox() = default;
    virtual std::u16string text() const = 0;
    // Keeps only the first characters up to the box's maximum length, without error, and
    // raises the box's Change event nested inside the write when the text changes.
    virtual void setText(std::u16string_view text) = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual void setLocked(bool locked) = 0;
    virtual void setTabStop(bool tabStop) = 0;
    virtual void setFocus() = 0;
};

class OptionButton
{
public:
    virtual ~OptionButton() = default;
    virtual void setForeColor(Colour colour) = 0;
};

// A loaded picture; what it holds is the toolkit's affair.
class Picture
{
public:
    virtual ~Picture() = default;
};
using PicturePtr = std::shared_ptr<const Picture>;

enum class MousePointer
{
    Default = 0,
    Custom = 99
};

// The window's mouse pointer, and the runtime's picture loading and message box beside it.
class FormServices
{
public:
    virtual ~FormServices() = default;
    virtual void setMousePointer(MousePointer pointer) = 0;
    virtual void setMouseIcon(PicturePtr picture) = 0;
    // Throws RuntimeError when the file cannot be loaded.
    virtual PicturePtr loadPicture(std::u16string_view path) = 0;
    // Modal; buttons value 0 is an OK button only.
    virtual void msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) = 0;
};

} // namespace freefall
