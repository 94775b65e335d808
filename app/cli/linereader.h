// Lines of standard input for the batch form, in constant memory whatever their length.
#pragma once

#include "app/cli/byteinput.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace freefall {

class LineReader
{
public:
    // A line keeps at most this many bytes; a longer one is far too long for any box.
    static constexpr std::size_t kMaxLineBytes = 1024;

    struct Line
    {
        std::string_view bytes; // without the line end; valid until the next call
        bool cut;               // the line was longer than kMaxLineBytes and holds their first
    };

    // beforeWaiting, when given, runs each time the reader is about to wait for more input;
    // when it returns false, the input ends there.
    explicit LineReader(ByteInput &input, std::function<bool()> beforeWaiting = {},
                        std::size_t bufferSize = 64 * 1024);

    // The next line, ended by LF or CR LF, or by the end of the input; none after the last.
    // Throws std::system_error when the input cannot be read.
    std::optional<Line> next();

private:
    bool fill();

    ByteInput &input_;
    std::function<bool()> beforeWaiting_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    // The first bytes of a line too long to keep whole, while the rest of it is passed over.
    std::string cutLine_;
    bool cutting_ = false;
};

} // namespace freefall
