// Standard input read straight from its file descriptor, for the batch form, which is stopped
// on a whole line by SIGINT, SIGTERM or SIGHUP from the first read on (stopsignals.h).
#pragma once

#include "app/cli/byteinput.h"

namespace freefall {

class DescriptorInput final : public ByteInput
{
public:
    explicit DescriptorInput(int descriptor) : descriptor_(descriptor) {}

    std::size_t read(char *buffer, std::size_t size) override;

private:
    int descriptor_;
};

} // namespace freefall
