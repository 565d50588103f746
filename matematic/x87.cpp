#include "matematic/x87.h"

#include <cmath>

namespace strs {
namespace {

constexpr std::uint16_t kRoundingControlBits = 0x0C00;

// The exact 16-bit head and the tail of log2(e), with the bit patterns of the x87 values
// 0x3FFF:B8AA000000000000 and 0x3FED:ECA5705FC2EEFA20.
constexpr Extended kLog2eHead = 0xB8AAp-15L;
constexpr Extended kLog2eTail = 0xECA5705FC2EEFA20p-81L;

constexpr Extended kExpSaturation = 32768.0L;  // 2^15: beyond, e^x is inf or 0 anyway
constexpr Extended kExpTiny = 0x1p-67L;        // below, e^x rounds to 1 + x
// The double 0.29: any bound well inside 1 - sqrt(2)/2 would do; this one is fixed for good.
constexpr Extended kLnNearOne = 0.29;

Extended Log2e() {
    Extended r;
    asm("fldl2e" : "=t"(r));
    return r;
}

Extended Ln2() {
    Extended r;
    asm("fldln2" : "=t"(r));
    return r;
}

Extended F2xm1(Extended f) {
    asm("f2xm1" : "+t"(f));
    return f;
}

// v * 2^trunc(n).
Extended Scale(Extended v, Extended n) {
    asm("fscale" : "+t"(v) : "u"(n));
    return v;
}

// y * log2(x); fyl2x pops both operands and leaves the result.
Extended Yl2x(Extended x, Extended y) {
    Extended r;
    asm("fyl2x" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
    return r;
}

// y * log2(x + 1), for |x| < 1 - sqrt(2)/2.
Extended Yl2xp1(Extended x, Extended y) {
    Extended r;
    asm("fyl2xp1" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
    return r;
}

}  // namespace

void SetExtendedPrecisionMode() { SetX87ControlWord(kExtendedPrecisionControlWord); }

std::uint16_t X87ControlWord() {
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

void SetX87ControlWord(std::uint16_t word) { asm volatile("fldcw %0" : : "m"(word) : "memory"); }

Extended RoundHalfEven(Extended x) {
    const std::uint16_t saved = X87ControlWord();
    const std::uint16_t nearest = saved & static_cast<std::uint16_t>(~kRoundingControlBits);
    asm volatile("fldcw %1\n\t"
                 "frndint\n\t"
                 "fldcw %2"
                 : "+t"(x)
                 : "m"(nearest), "m"(saved));
    return x;
}

Extended Sqrt(Extended x) {
    asm("fsqrt" : "+t"(x));
    return x;
}

Extended Ln(Extended x) {
    if (std::isnan(x)) {
        return x + x;
    }
    const Extended nearOne = x - 1.0L;
    if (!std::isinf(x) && std::fabs(nearOne) <= kLnNearOne) {
        return Yl2xp1(nearOne, Ln2());
    }
    return Yl2x(x, Ln2());
}

Extended Exp(Extended x) {
    if (std::isnan(x)) {
        return x + x;
    }
    if (std::isinf(x)) {
        return x > 0.0L ? x : 0.0L;
    }
    if (std::fabs(x) < kExpTiny) {
        return 1.0L + x;
    }
    if (std::fabs(x) >= kExpSaturation) {
        x = x > 0.0L ? kExpSaturation : -kExpSaturation;
    }
    const Extended i = RoundHalfEven(x * Log2e());
    const Extended xi = RoundHalfEven(x);
    Extended f = kLog2eHead * xi - i;
    f = f + kLog2eHead * (x - xi);
    f = f + kLog2eTail * x;
    return Scale(F2xm1(f) + 1.0L, i);
}

}  // namespace strs
