// Standard input of the console companion, for the batch form: the lines typed into a console,
// handed on as UTF-8, or the bytes of a file or a pipe as they come.
#pragma once

#include "app/cli/byteinput.h"

#include <windows.h>

#include <string>

namespace freefall {

class HandleInput final : public ByteInput
{
public:
    explicit HandleInput(HANDLE handle);

    // A console is read as UTF-16 whatever its code page, so its text comes as UTF-8.
    bool isConsole() const { return console_; }

    std::size_t read(char *buffer, std::size_t size) override;

private:
    std::size_t readConsole(char *buffer, std::size_t size);

    HANDLE handle_;
    bool console_;
    bool ended_ = false;
    std::string pending_; // console text read but not yet handed on
};

} // namespace freefall
