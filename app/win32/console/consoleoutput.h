// Text of the command line written to a standard handle as Windows programs write text: UTF-16
// to a console, whatever its code page; UTF-8 with CR LF line ends to a file or a pipe.
#pragma once

#include "app/cli/bytesink.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace freefall {

// Writes UTF-8 text to the handle; false when the handle did not take all of it (see
// GetLastError).
bool writeToHandle(HANDLE handle, std::string_view utf8);

// Whether what is written to the handle reaches a reader at once: a console or a pipe, rather
// than a file.
bool reachesReaderAtOnce(HANDLE handle);

// A byte sink over a handle, for standard output and error: collects the text and writes it on
// flush, or at once for standard error, whose lines belong between those of standard output.
// A failed write leaves its reason in errno, where the command line looks for it.
class HandleOutput final : public ByteSink
{
public:
    enum class Writes
    {
        OnFlush,
        AtOnce
    };

    explicit HandleOutput(HANDLE handle, Writes writes = Writes::OnFlush)
        : handle_(handle), writes_(writes)
    {
    }
    ~HandleOutput() override { flush(); }
    HandleOutput(const HandleOutput &) = delete;
    HandleOutput &operator=(const HandleOutput &) = delete;

    bool write(std::string_view bytes) override;
    bool flush() override;

private:
    HANDLE handle_;
    Writes writes_;
    std::string pending_;
    bool failed_ = false;
};

} // namespace freefall
