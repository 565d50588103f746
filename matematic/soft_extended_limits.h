#pragma once
// The software extended type's limits, as the x87's long double has them.

#include <cstdint>
#include <limits>

#include "matematic/soft_extended.h"

template <>
class std::numeric_limits<strs::SoftExtended> {
public:
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr int digits = 64;
    static constexpr strs::SoftExtended infinity() {
        return strs::SoftExtended::FromFields(strs::Infinity<strs::kExtendedFormat>(false));
    }
    static constexpr strs::SoftExtended quiet_NaN() {
        return strs::SoftExtended::FromFields(false, strs::kExtendedFormat.specialExponent, 0xC000000000000000ull);
    }
    static constexpr strs::SoftExtended max() {
        return strs::SoftExtended::FromFields(false, strs::kExtendedFormat.specialExponent - 1, ~std::uint64_t{0});
    }
    static constexpr strs::SoftExtended min() { return strs::SoftExtended::FromFields(false, 1, std::uint64_t{1} << 63); }
    static constexpr strs::SoftExtended denorm_min() { return strs::SoftExtended::FromFields(false, 0, 1); }
    static constexpr strs::SoftExtended lowest() { return -max(); }
};
