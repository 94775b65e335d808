// A standard stream as a byte sink, for programs and tests that write through iostreams.
#pragma once

#include "app/cli/bytesink.h"

#include <ostream>

namespace freefall {

class StreamSink final : public ByteSink
{
public:
    explicit StreamSink(std::ostream &stream) : stream_(stream) {}

    bool write(std::string_view bytes) override
    {
        stream_.write(bytes.data(), std::streamsize(bytes.size()));
        return bool(stream_);
    }

    bool flush() override
    {
        stream_.flush();
        return bool(stream_);
    }

private:
    std::ostream &stream_;
};

} // namespace freefall
