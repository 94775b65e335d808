// The bytes of an input line as text, in the encoding of the user's locale; given by each
// platform, made once and used for every line.
#pragma once

#include <string>
#include <string_view>

namespace freefall {

class LineDecoder
{
public:
    virtual ~LineDecoder() = default;

    // Replaces text with the characters of bytes. Bytes that are not valid text in the
    // encoding leave kUndecodable (typedtext.h) in it.
    virtual void decode(std::string_view bytes, std::u16string &text) const = 0;
};

} // namespace freefall
