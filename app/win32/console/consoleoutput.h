// Text of the command line written to a standard handle as Windows programs write text: UTF-16
// to a console, whatever its code page; UTF-8 with CR LF line ends to a file or a pipe.
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>
#include <string_view>

namespace freefall {

// Writes UTF-8 text to the handle; false when the handle did not take all of it (see
// GetLastError).
bool writeToHandle(HANDLE handle, std::string_view utf8);

// Whether what is written to the handle reaches a reader at once: a console or a pipe, rather
// than a file.
bool reachesReaderAtOnce(HANDLE handle);

// An output stream buffer over a handle, for standard output and error: collects the text and
// writes it on flush. A failed write fails the stream and leaves its reason in errno, where the
// command line looks for it.
class HandleOutput final : public std::streambuf
{
public:
    explicit HandleOutput(HANDLE handle) : handle_(handle) {}
    ~HandleOutput() override { sync(); }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char *text, std::streamsize count) override;
    int sync() override;

private:
    HANDLE handle_;
    std::string pending_;
};

} // namespace freefall
