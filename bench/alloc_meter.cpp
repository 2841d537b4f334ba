// Global operator new and delete that keep a running and a peak count of the
// bytes live on the heap (as malloc sizes them); single-threaded use only.
#include "alloc_meter.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

std::size_t live = 0;
std::size_t peak = 0;

}  // namespace

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    live += malloc_usable_size(block);
    peak = std::max(peak, live);
    return block;
}

void operator delete(void* block) noexcept {
    if (block == nullptr) return;
    live -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace quor::bench {

std::size_t PeakExtraBytes(const std::function<void()>& call) {
    const std::size_t before = live;
    peak = live;
    call();
    return peak - before;
}

}  // namespace quor::bench
