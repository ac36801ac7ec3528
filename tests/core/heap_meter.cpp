// The counting operator new and delete behind heap_meter.h. Sizes come from the allocator
// itself (malloc_usable_size), so that a delete without its size is counted exactly too.
// Only the plain forms are replaced: the library's array and nothrow forms call them, and
// aligned blocks are too rare in the readers to matter.
#include "heap_meter.h"

#include <cstdlib>
#include <new>

#include <malloc.h>

#ifdef _WIN32
#define malloc_usable_size _msize
#endif

std::atomic<std::size_t> g_heapLive{0};
std::atomic<std::size_t> g_heapPeak{0};

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t live = g_heapLive += ::malloc_usable_size(block);
    for (std::size_t peak = g_heapPeak;
         live > peak && !g_heapPeak.compare_exchange_weak(peak, live);) {
    }
    return block;
}

void operator delete(void* block) noexcept {
    if (block != nullptr) {
        g_heapLive -= ::malloc_usable_size(block);
        std::free(block);
    }
}

void operator delete(void* block, std::size_t) noexcept {
    ::operator delete(block);
}
