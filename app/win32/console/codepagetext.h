// Lines of standard input as text in a Windows code page: the ANSI code page of the user's
// locale for files and pipes, UTF-8 for what HandleInput read from a console.
#pragma once

#include "app/cli/linedecoder.h"

#include <windows.h>

namespace freefall {

class CodePageText final : public LineDecoder
{
public:
    explicit CodePageText(UINT codePage) : codePage_(codePage) {}

    void decode(std::string_view bytes, std::u16string &text) const override;

private:
    UINT codePage_;
};

} // namespace freefall
