#pragma once
// The software type's fast steps (matematic/soft_kernels.h) against the x87 unit: each
// step on operands of every class, alone and two lanes at a time, the results compared
// bit for bit. The operands are doubles of every kind (binades, short mantissas for ties,
// subnormals, zeros, infinities, NaNs with payloads) and the addends made to meet the
// product or quotient where the fast steps must give up or round with care: cancelling
// it, a power of two away from it, at the edges of the addends' window, landing on a
// power of two. x86 only.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "matematic/soft_kernels.h"
#include "support/differences.h"

namespace strs::kernels {

using Random = SplitMix64;

inline double FromBits(std::uint64_t b) { return __builtin_bit_cast(double, b); }
inline std::uint64_t BitsOf(double d) { return __builtin_bit_cast(std::uint64_t, d); }

// A double of any class.
inline double Operand(Random& random) {
    const std::uint64_t sign = random.next() & (std::uint64_t{1} << 63);
    const std::uint64_t fraction = random.next() >> 12;
    const auto field = [](int biased) { return static_cast<std::uint64_t>(biased) << 52; };
    switch (random.below(10)) {
        case 0:  // any finite number
            return FromBits(sign | field(random.below(0x7FF)) | fraction);
        case 1:
        case 2:  // near 1, where the labs compute
            return FromBits(sign | field(1023 - 20 + random.below(40)) | fraction);
        case 3:  // a short mantissa: products, quotients and sums that are exact or ties
            return FromBits(sign | field(1023 - 20 + random.below(40)) | (fraction & (~std::uint64_t{0} << random.below(53))));
        case 4:  // subnormal
            return FromBits(sign | (fraction >> random.below(52)));
        case 5:  // near the ends of the range
            return FromBits(sign | field(random.below(2) == 0 ? 1 + random.below(60) : 0x7FE - random.below(60)) | fraction);
        case 6:  // a power of two
            return FromBits(sign | field(1023 - 30 + random.below(60)));
        case 7:  // zero
            return FromBits(sign);
        case 8:  // infinity or NaN, quiet or signalling, with a payload
            return FromBits(sign | field(0x7FF) | (random.below(2) == 0 ? 0 : fraction | 1));
        default:  // a small integer
            return FromBits(sign) + random.below(100);
    }
}

// An addend for a value v (a product or a quotient): one that cancels it, a power of two
// away from it, one making the sum a power of two, or any operand.
inline double AddendFor(Random& random, double v) {
    const double sign = random.below(2) == 0 ? 1.0 : -1.0;
    switch (random.below(6)) {
        case 0:  // cancellation: -v and its neighbours
            return FromBits(BitsOf(-v) + random.below(9) - 4);
        case 1:  // v scaled by a power of two, across the addends' window and beyond it
            return sign * std::ldexp(v, random.below(120) - 60);
        case 2: {  // the sum near a power of two
            const int binade = std::isfinite(v) && v != 0 ? std::ilogb(v) : 0;  // ilogb is INT_MAX or INT_MIN there
            const double power = std::ldexp(1.0, binade + random.below(3) - 1);
            return FromBits(BitsOf(sign * power - v) + random.below(5) - 2);
        }
        case 3:  // short mantissa at v's binade: ties in the sum
            return FromBits((BitsOf(v) & (~std::uint64_t{0} << random.below(53))) ^ (random.next() & (std::uint64_t{1} << 63)));
        default:
            return Operand(random);
    }
}

// Four doubles for a step; the step uses those it needs.
struct Operands {
    double a, b, c, d;
};

// The x87's results with the labs' control word; the barrier keeps the compiler from
// folding or reordering the hardware's operations.
inline long double Barrier(long double x) {
    asm volatile("" : "+m"(x));
    return x;
}

// A double as the x87 loads it, a signalling NaN quieted: an arithmetic instruction with
// a double in memory would propagate a signalling NaN differently, and the compiler
// chooses between the two freely.
inline long double Load(double v) { return Barrier(static_cast<long double>(v)); }

struct Step {
    const char* name;
    Operands (*operands)(Random&);
    double (*hardware)(const Operands&);
    double (*software)(const Operands&);
};

// a * b + c: the lag sums and the matrix products.
inline Operands ProductSumOperands(Random& random) {
    Operands o{Operand(random), Operand(random), 0, 0};
    o.c = AddendFor(random, o.a * o.b);
    return o;
}
// c - a * b / d and a / d: the inversion's steps.
inline Operands UpdateOperands(Random& random) {
    Operands o{Operand(random), Operand(random), 0, Operand(random)};
    o.c = AddendFor(random, o.a * o.b / o.d);
    return o;
}

inline const std::vector<Step>& Steps() {
    static const std::vector<Step> steps = {
        {"a * b + c", ProductSumOperands,
         [](const Operands& o) { return static_cast<double>(Barrier(Barrier(Load(o.a) * Load(o.b)) + Load(o.c))); },
         [](const Operands& o) { return soft::AddProduct(o.c, o.a, o.b); }},
        {"a * b[r] + c[r], pairs", ProductSumOperands,
         [](const Operands& o) { return static_cast<double>(Barrier(Barrier(Load(o.a) * Load(o.b)) + Load(o.c))); },
         [](const Operands& o) {
             // The step under test beside ordinary ones, which take the pairs' way with it
             // unless it leaves.
             double sums[4] = {o.c, 1.25, -3.5, 0.625};
             const double b[4] = {o.b, 0.75, 1.375, -2.25};
             soft::AddProducts(sums, o.a, b);
             return sums[0];
         }},
        {"a[r] * b + c[r], pairs", ProductSumOperands,
         [](const Operands& o) { return static_cast<double>(Barrier(Barrier(Load(o.a) * Load(o.b)) + Load(o.c))); },
         [](const Operands& o) {
             double sums[4] = {1.25, o.c, -3.5, 0.625};
             const double a[8] = {0.75, 0, o.a, 0, 1.375, 0, -2.25, 0};
             soft::AddProductsStrided(sums, a, 2, o.b);
             return sums[1];
         }},
        {"c - a * b / d", UpdateOperands,
         [](const Operands& o) {
             return static_cast<double>(Barrier(Load(o.c) - Barrier(Barrier(Load(o.a) * Load(o.b)) / Load(o.d))));
         },
         [](const Operands& o) { return soft::PivotDivision(o.d).updated(o.c, o.a, o.b); }},
        {"c - a * b / d, pairs", UpdateOperands,
         [](const Operands& o) {
             return static_cast<double>(Barrier(Load(o.c) - Barrier(Barrier(Load(o.a) * Load(o.b)) / Load(o.d))));
         },
         [](const Operands& o) {
             const double src[8] = {1.25, o.c, -3.5, 0.625, 2.5, -0.375, 7.0, 0.1};
             const double pivotRow[8] = {0.75, o.a, 1.375, -2.25, 0.3, 5.5, -1.0, 0.2};
             double dst[8];
             soft::PivotDivision(o.d).updateRun(dst, src, pivotRow, o.b, 8);
             return dst[1];
         }},
        {"a / d, -a / d, 1 / d", UpdateOperands,
         [](const Operands& o) {
             const double q = static_cast<double>(Barrier(Load(o.a) / Load(o.d)));
             const double n = static_cast<double>(Barrier(-Load(o.a) / Load(o.d)));
             const double r = static_cast<double>(Barrier(1.0L / Load(o.d)));
             return FromBits(BitsOf(q) ^ (BitsOf(n) * 3) ^ (BitsOf(r) * 5));
         },
         [](const Operands& o) {
             const soft::PivotDivision division(o.d);
             return FromBits(BitsOf(division.quotient(o.a)) ^ (BitsOf(division.negatedQuotient(o.a)) * 3) ^
                             (BitsOf(division.reciprocal()) * 5));
         }},
    };
    return steps;
}

// Runs count cases of one step; returns the number of differences, describing the first
// few in report.
inline long CountDifferences(const Step& step, long count, std::uint64_t seed, std::string& report) {
    return testing::CountDifferences(count, seed, report, [&step](Random& random) -> std::optional<std::string> {
        const Operands o = step.operands(random);
        const std::uint64_t hardware = BitsOf(step.hardware(o));
        const std::uint64_t software = BitsOf(step.software(o));
        if (hardware == software) {
            return std::nullopt;
        }
        char text[256];
        std::snprintf(text, sizeof text, "%s: %a %a %a %a: x87 %016llx, software %016llx\n", step.name, o.a, o.b, o.c,
                      o.d, static_cast<unsigned long long>(hardware), static_cast<unsigned long long>(software));
        return text;
    });
}

}  // namespace strs::kernels
