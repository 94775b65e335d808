// How far a zlib stream inflates, found without keeping what it inflates to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace freefall {

// Whether stream inflates to at most maxBytes before it ends, breaks off or runs out of input.
// Stops as soon as it passes maxBytes, so the cost is bounded by maxBytes whatever the stream.
bool inflatesToAtMost(std::span<const std::uint8_t> stream, std::size_t maxBytes);

} // namespace freefall
