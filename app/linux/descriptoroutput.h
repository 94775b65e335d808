// Standard output written straight to its file descriptor: a failed write leaves the sink
// failed and its reason in errno.
#pragma once

#include "app/cli/bytesink.h"

#include <cstddef>
#include <memory>

namespace freefall {

class DescriptorOutput final : public ByteSink
{
public:
    explicit DescriptorOutput(int descriptor);

    // Whether what is written reaches a reader at once: a terminal, a pipe or a socket, rather
    // than a file.
    static bool reachesReaderAtOnce(int descriptor);

    bool write(std::string_view bytes) override;
    bool flush() override;

private:
    bool writeAll(const char *bytes, std::size_t count);
    bool writePending();

    int descriptor_;
    // Whether everything written so far ends with a whole line.
    bool atLineStart_ = true;
    bool failed_ = false;
    // Left uninitialised: zeroing it would cost a single calculation more than its output.
    std::unique_ptr<char[]> buffer_;
    std::size_t pending_ = 0;
};

} // namespace freefall
