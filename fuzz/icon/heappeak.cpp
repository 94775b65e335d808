// Live bytes rise by each allocation's size and fall by the size the allocator reports for each
// block freed; the peak is reset when a HeapPeak starts.
#include "fuzz/icon/heappeak.h"

#include <sanitizer/allocator_interface.h>

#include <atomic>

namespace freefall::fuzz {

namespace {

std::atomic<long long> live{0};
std::atomic<long long> peak{0};

void onMalloc(const volatile void *, std::size_t size)
{
    const long long now = live += static_cast<long long>(size);
    long long highest = peak.load();
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
}

void onFree(const volatile void *block)
{
    live -= static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void *>(block)));
}

} // namespace

bool installHeapPeakHooks()
{
    return __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree) != 0;
}

HeapPeak::HeapPeak() : baseline_(live.load())
{
    peak = baseline_;
}

std::size_t HeapPeak::extraBytes() const
{
    return static_cast<std::size_t>(peak.load() - baseline_);
}

} // namespace freefall::fuzz
