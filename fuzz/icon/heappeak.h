// The most heap a piece of code holds at once beyond what was live when it started, counted
// through the sanitizer's allocation hooks, so it sees Qt's and libpng's allocations too.
#pragma once

#include <cstddef>

namespace freefall::fuzz {

// Installs the hooks; call once, before any HeapPeak is made.
bool installHeapPeakHooks();

class HeapPeak
{
public:
    HeapPeak(); // starts counting from what is live now
    std::size_t extraBytes() const;

private:
    long long baseline_;
};

} // namespace freefall::fuzz
