#pragma once
// The software extended type against the x87 unit: each operation on operands from
// extended_operands.h, with the x87 at 64-bit precision and round to nearest, the
// results compared field by field (NaNs included). x86 only.

#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "matematic/extended_bits.h"
#include "matematic/soft_extended.h"
#include "matematic/x87.h"
#include "support/differences.h"
#include "support/extended_operands.h"

namespace strs::operands {

using Hardware = long double;
static_assert(sizeof(Hardware) >= 10 && LDBL_MANT_DIG == 64, "the x87 type is needed to compare with");

inline Hardware HardwareFrom(const ExtendedBits& b) {
    Hardware x = 0;
    std::memcpy(&x, &b.mantissa, 8);
    const auto signAndExponent = static_cast<std::uint16_t>((b.negative ? 0x8000u : 0u) | b.biasedExponent);
    std::memcpy(reinterpret_cast<unsigned char*>(&x) + 8, &signAndExponent, 2);
    return x;
}

inline ExtendedBits FieldsOf(Hardware x) {
    ExtendedBits b;
    std::uint16_t signAndExponent;
    std::memcpy(&b.mantissa, &x, 8);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
    b.negative = (signAndExponent & 0x8000u) != 0;
    b.biasedExponent = signAndExponent & 0x7FFF;
    return b;
}

inline ExtendedBits FieldsOf(SoftExtended x) { return {x.negative(), x.biasedExponent(), x.mantissa()}; }

inline SoftExtended SoftFrom(const ExtendedBits& b) { return SoftExtended::FromFields(b.negative, b.biasedExponent, b.mantissa); }

// The results as 64-bit words to compare: the fields, a double's bits, or a truth value.
struct Outcome {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};
inline Outcome Of(const ExtendedBits& b) {
    return {static_cast<std::uint64_t>(b.biasedExponent) | (b.negative ? 0x8000u : 0u), b.mantissa};
}
inline Outcome OfDouble(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    return {0, bits};
}

struct Operation {
    const char* name;
    Outcome (*hardware)(Hardware, Hardware);
    Outcome (*software)(SoftExtended, SoftExtended);
};

// a converted to the integer types of 32 and 64 bits, out of range too (the x87's integer
// indefinite), and to bool, folded into one outcome. (For the narrower types the compiler
// stores 16 or 32 bits from the x87 as it sees fit.)
template <class T>
Outcome Integers(T a) {
    const auto fold = [](std::uint64_t h, std::uint64_t v) { return (h ^ v) * 0x9E3779B97F4A7C15ull; };
    std::uint64_t h = static_cast<bool>(a) ? 1 : 0;
    h = fold(h, static_cast<std::uint32_t>(static_cast<std::int32_t>(a)));
    h = fold(h, static_cast<std::uint32_t>(a));
    h = fold(h, static_cast<std::uint64_t>(static_cast<std::int64_t>(a)));
    return {h, static_cast<std::uint64_t>(a)};
}

// The x87's results with the labs' control word, whatever the caller had.
inline Hardware Barrier(Hardware x) {
    asm volatile("" : "+m"(x));  // keeps the compiler from folding or reordering across precision
    return x;
}

inline const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {"a + b", [](Hardware a, Hardware b) { return Of(FieldsOf(Barrier(a + b))); },
         [](SoftExtended a, SoftExtended b) { return Of(FieldsOf(a + b)); }},
        {"a - b", [](Hardware a, Hardware b) { return Of(FieldsOf(Barrier(a - b))); },
         [](SoftExtended a, SoftExtended b) { return Of(FieldsOf(a - b)); }},
        {"a * b", [](Hardware a, Hardware b) { return Of(FieldsOf(Barrier(a * b))); },
         [](SoftExtended a, SoftExtended b) { return Of(FieldsOf(a * b)); }},
        {"a / b", [](Hardware a, Hardware b) { return Of(FieldsOf(Barrier(a / b))); },
         [](SoftExtended a, SoftExtended b) { return Of(FieldsOf(a / b)); }},
        {"sqrt a", [](Hardware a, Hardware) { return Of(FieldsOf(Barrier(X87Sqrt(a)))); },
         [](SoftExtended a, SoftExtended) { return Of(FieldsOf(SoftSqrt(a))); }},
        {"round a", [](Hardware a, Hardware) { return Of(FieldsOf(Barrier(X87RoundHalfEven(a)))); },
         [](SoftExtended a, SoftExtended) { return Of(FieldsOf(SoftRoundHalfEven(a))); }},
        {"double(a)", [](Hardware a, Hardware) { return OfDouble(static_cast<double>(Barrier(a))); },
         [](SoftExtended a, SoftExtended) { return OfDouble(static_cast<double>(a)); }},
        {"a from a double", [](Hardware a, Hardware) {
             double d;
             const std::uint64_t bits = FieldsOf(a).mantissa;
             std::memcpy(&d, &bits, 8);
             return Of(FieldsOf(Barrier(static_cast<Hardware>(d))));
         },
         [](SoftExtended a, SoftExtended) {
             double d;
             const std::uint64_t bits = a.mantissa();
             std::memcpy(&d, &bits, 8);
             return Of(FieldsOf(SoftExtended(d)));
         }},
        {"a < b, a == b, a <= b", [](Hardware a, Hardware b) {
             return Outcome{0, (a < b ? 1u : 0u) | (a == b ? 2u : 0u) | (a <= b ? 4u : 0u) | (a > b ? 8u : 0u)};
         },
         [](SoftExtended a, SoftExtended b) {
             return Outcome{0, (a < b ? 1u : 0u) | (a == b ? 2u : 0u) | (a <= b ? 4u : 0u) | (a > b ? 8u : 0u)};
         }},
        {"integer(a), bool(a)", [](Hardware a, Hardware) { return Integers(Barrier(a)); },
         [](SoftExtended a, SoftExtended) { return Integers(a); }},
    };
    return operations;
}

// Runs count cases of one operation; returns the number of differences, describing the
// first few in report.
inline long CountDifferences(const Operation& op, long count, std::uint64_t seed, std::string& report) {
    return testing::CountDifferences(count, seed, report, [&op](Random& random) -> std::optional<std::string> {
        const ExtendedBits a = Operand(random, {false, kExtendedFormat.exponentBias, std::uint64_t{1} << 63});
        const ExtendedBits b = Operand(random, a);
        const Outcome hardware = op.hardware(HardwareFrom(a), HardwareFrom(b));
        const Outcome software = op.software(SoftFrom(a), SoftFrom(b));
        if (hardware == software) {
            return std::nullopt;
        }
        char text[256];
        std::snprintf(text, sizeof text,
                      "%s: a = %d:%04x:%016llx, b = %d:%04x:%016llx: x87 %04llx:%016llx, software %04llx:%016llx\n",
                      op.name, a.negative, a.biasedExponent, static_cast<unsigned long long>(a.mantissa), b.negative,
                      b.biasedExponent, static_cast<unsigned long long>(b.mantissa),
                      static_cast<unsigned long long>(hardware.high), static_cast<unsigned long long>(hardware.low),
                      static_cast<unsigned long long>(software.high), static_cast<unsigned long long>(software.low));
        return text;
    });
}

}  // namespace strs::operands
