#pragma once
// A set of flag bits addressed by mask. Exactly the size of T and trivially
// copyable, because records holding it are stored as raw memory images.

#include <type_traits>

namespace gen {

template<class T>
class GBits {
    static_assert(std::is_unsigned_v<T>);

public:
    constexpr GBits() = default;
    constexpr GBits(T value) : bits(value) {}

    constexpr T get() const { return bits; }
    constexpr void set(T value) { bits = value; }

    // True when any bit of `mask` is set.
    constexpr bool is_set(T mask) const { return (bits & mask) != 0; }
    constexpr void set_bits(T mask, bool on) { bits = on ? (bits | mask) : (bits & ~mask); }

    constexpr bool is_zero() const { return bits == 0; }
    constexpr void set_zero() { bits = 0; }

    constexpr bool operator==(GBits const&) const = default;

    T bits = 0;
};

static_assert(sizeof(GBits<unsigned int>) == sizeof(unsigned int));
static_assert(std::is_trivially_copyable_v<GBits<unsigned int>>);

}  // namespace gen
