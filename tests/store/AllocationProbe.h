#pragma once
// Records the largest single heap request made while a probe is active, by
// standing in for malloc, calloc and realloc in the test executable. Not
// available under AddressSanitizer, which owns the allocator.

#include <cstddef>

namespace test {

class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(AllocationProbe const&) = delete;
    AllocationProbe& operator=(AllocationProbe const&) = delete;

    // Bytes of the largest request since construction.
    std::size_t largest() const;

    static bool available();
};

}  // namespace test
