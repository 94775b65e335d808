// UTF-16 text as UTF-8 bytes, for output streams; a lone surrogate becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace freefall {

std::string toUtf8(std::u16string_view text);

// Appends the UTF-8 encoding of text to out.
void appendUtf8(std::string &out, std::u16string_view text);

} // namespace freefall
