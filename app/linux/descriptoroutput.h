// Standard output written straight to its file descriptor: a failed write leaves the stream
// failed and its reason in errno.
#pragma once

#include <memory>
#include <streambuf>

namespace freefall {

class DescriptorOutput final : public std::streambuf
{
public:
    explicit DescriptorOutput(int descriptor);

    // Whether what is written reaches a reader at once: a terminal, a pipe or a socket, rather
    // than a file.
    static bool reachesReaderAtOnce(int descriptor);

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char *text, std::streamsize count) override;
    int sync() override;

private:
    bool writeAll(const char *bytes, std::size_t count);
    bool writePending();

    int descriptor_;
    // Whether everything written so far ends with a whole line.
    bool atLineStart_ = true;
    // Left uninitialised: zeroing it would cost a single calculation more than its output.
    std::unique_ptr<char[]> buffer_;
};

} // namespace freefall
