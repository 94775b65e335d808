// Where the command line's text goes: standard output or standard error as the platform hands
// bytes on. Plain bytes rather than a stream, so that a program needs no stream library for it.
#pragma once

#include <string_view>

namespace freefall {

class ByteSink
{
public:
    virtual ~ByteSink() = default;

    // Takes bytes; they may wait until flush. False once anything taken could not be handed on:
    // a failure stays, and its reason, where the platform gives one, is left in errno.
    virtual bool write(std::string_view bytes) = 0;

    // Hands on everything taken so far. False as write.
    virtual bool flush() = 0;
};

} // namespace freefall
