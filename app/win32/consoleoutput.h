// An output stream buffer for a standard handle: UTF-16 to a console, UTF-8 with CR LF line
// ends to a file or pipe, and a failed write reported as the stream's failure.
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

namespace freefall {

class ConsoleOutput final : public std::streambuf
{
public:
    explicit ConsoleOutput(HANDLE handle) : handle_(handle) {}
    ~ConsoleOutput() override { sync(); }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char *text, std::streamsize count) override;
    // Writes what has been collected; -1 when the handle did not take all of it.
    int sync() override;

private:
    bool writeToConsole(const std::string &utf8);
    bool writeToFile(const std::string &utf8);

    HANDLE handle_;
    std::string pending_;
};

} // namespace freefall
