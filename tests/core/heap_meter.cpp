// The counting operator new and delete behind heap_meter.h. Sizes come from the allocator
// itself (malloc_usable_size), so that a delete without its size is counted exactly too.
#include "heap_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {

std::atomic<std::size_t> g_live{0};
std::atomic<std::size_t> g_peak{0};

void* Counted(void* block) {
    if (block == nullptr) {
        return nullptr;
    }
    const std::size_t size = ::malloc_usable_size(block);
    const std::size_t live = g_live.fetch_add(size) + size;
    std::size_t peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void* Allocate(std::size_t size) {
    void* block = Counted(std::malloc(size == 0 ? 1 : size));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void* AllocateAligned(std::size_t size, std::align_val_t align) {
    const auto alignment = static_cast<std::size_t>(align);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    void* block = Counted(std::aligned_alloc(alignment, rounded == 0 ? alignment : rounded));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void Release(void* block) noexcept {
    if (block != nullptr) {
        g_live.fetch_sub(::malloc_usable_size(block));
        std::free(block);
    }
}

} // namespace

namespace heap_meter {

std::size_t Live() {
    return g_live.load();
}

std::size_t Peak() {
    return g_peak.load();
}

void ResetPeak() {
    g_peak.store(g_live.load());
}

} // namespace heap_meter

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new(std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    Release(block);
}
