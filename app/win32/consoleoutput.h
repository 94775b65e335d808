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

// The command line's standard output, handed over in one piece and checked to arrive, as
// writeStandardOutput does on Linux: returns status when all of it was written, otherwise says
// why on err in one line and returns ExitNotWritten.
int writeStandardOutput(HANDLE handle, std::string_view text, int status, std::ostream &err);

// An output stream buffer over a handle, for standard error: collects the text and writes it on
// flush.
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
