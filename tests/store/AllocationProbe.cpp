#include "AllocationProbe.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)
#define SKYVALE_NO_PROBE 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKYVALE_NO_PROBE 1
#endif
#endif

namespace {
std::atomic<bool> active{false};
std::atomic<std::size_t> biggest{0};
}  // namespace

#ifndef SKYVALE_NO_PROBE
namespace {
void note(std::size_t size)
{
    if (active.load(std::memory_order_relaxed)) {
        std::size_t seen = biggest.load(std::memory_order_relaxed);
        while (size > seen && !biggest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
        }
    }
}
}  // namespace

// glibc lets a program replace these; the replacements forward to its own
// allocator, so blocks may be freed by either side.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void __libc_free(void* block);

void* malloc(std::size_t size)
{
    note(size);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size)
{
    note(count * size);
    return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size)
{
    note(size);
    return __libc_realloc(block, size);
}

void free(void* block)
{
    __libc_free(block);
}
}
#endif

namespace test {

AllocationProbe::AllocationProbe()
{
    biggest.store(0);
    active.store(true);
}

AllocationProbe::~AllocationProbe()
{
    active.store(false);
}

std::size_t AllocationProbe::largest() const
{
    return biggest.load();
}

bool AllocationProbe::available()
{
#ifdef SKYVALE_NO_PROBE
    return false;
#else
    return true;
#endif
}

}  // namespace test
