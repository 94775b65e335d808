// The run-time errors of the forms runtime, and the trap that a handler arms to end silently on
// one.
#pragma once

#include <exception>

namespace freefall {

class RuntimeError : public std::exception
{
public:
    enum class Kind
    {
        Overflow,       // a number too large for a double, or a result that is not finite
        TooLargeForBox, // a result whose whole-number part does not fit its box
        TypeMismatch,   // text that is not a number where one is required
        // the platform's number formatting failed, or read back its own text as another number
        NumberFunctionsFailed,
        FileNotFound,   // a picture file that does not exist or cannot be opened
        InvalidPicture, // a picture file that cannot be decoded, or is too large to read
    };

    explicit RuntimeError(Kind kind) noexcept : kind_(kind) {}
    Kind kind() const noexcept { return kind_; }
    const char *what() const noexcept override;

private:
    Kind kind_;
};

// Runs a handler under an armed error trap: a run-time error ends it at once and silently,
// leaving everything as it was at that moment.
template <typename Handler> void trapped(Handler &&handler)
{
    try {
        handler();
    } catch (const RuntimeError &) {
    }
}

} // namespace freefall
