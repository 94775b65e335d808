// The buffer holds whole lines between reads; a line still open at its end is moved to its
// front before the next read, and one longer than kMaxLineBytes is kept only by its start.
#include "app/cli/linereader.h"

#include <algorithm>
#include <cstring>

namespace freefall {

namespace {

std::string_view withoutCarriageReturn(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

LineReader::LineReader(ByteInput &input, std::function<bool()> beforeWaiting,
                       std::size_t bufferSize)
    : input_(input), beforeWaiting_(std::move(beforeWaiting)),
      buffer_(std::max(bufferSize, kMaxLineBytes + 1))
{
}

std::optional<LineReader::Line> LineReader::next()
{
    for (;;) {
        const char *start = buffer_.data() + begin_;
        const std::size_t pending = end_ - begin_;
        if (const void *found = std::memchr(start, '\n', pending)) {
            const auto length = std::size_t(static_cast<const char *>(found) - start);
            begin_ += length + 1;
            if (cutting_) {
                cutting_ = false;
                return Line{cutLine_, true};
            }
            return Line{withoutCarriageReturn({start, length}), false};
        }
        if (!cutting_ && pending > kMaxLineBytes) {
            cutLine_.assign(start, kMaxLineBytes);
            cutting_ = true;
        }
        if (cutting_) {
            begin_ = end_ = 0;
        } else if (begin_ > 0) {
            std::memmove(buffer_.data(), start, pending);
            begin_ = 0;
            end_ = pending;
        }
        if (!fill()) {
            // The last line has no line end.
            if (cutting_) {
                cutting_ = false;
                return Line{cutLine_, true};
            }
            if (end_ > begin_) {
                const std::string_view last(buffer_.data() + begin_, end_ - begin_);
                begin_ = end_;
                return Line{withoutCarriageReturn(last), false};
            }
            return std::nullopt;
        }
    }
}

// Reads more after what the buffer holds; false at the end of the input.
bool LineReader::fill()
{
    if (ended_ || (beforeWaiting_ && !beforeWaiting_())) {
        ended_ = true;
        return false;
    }
    const std::size_t count = input_.read(buffer_.data() + end_, buffer_.size() - end_);
    if (count == 0) {
        ended_ = true;
        return false;
    }
    end_ += count;
    return true;
}

} // namespace freefall
