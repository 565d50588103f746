#include "matematic/x87.h"

namespace strs {
namespace {

constexpr std::uint16_t kRoundingControlBits = 0x0C00;

}  // namespace

std::uint16_t X87ControlWord() {
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

void SetX87ControlWord(std::uint16_t word) { asm volatile("fldcw %0" : : "m"(word) : "memory"); }

long double X87RoundHalfEven(long double x) {
    const std::uint16_t saved = X87ControlWord();
    const std::uint16_t nearest = saved & static_cast<std::uint16_t>(~kRoundingControlBits);
    asm volatile("fldcw %1\n\t"
                 "frndint\n\t"
                 "fldcw %2"
                 : "+t"(x)
                 : "m"(nearest), "m"(saved));
    return x;
}

long double X87Sqrt(long double x) {
    asm("fsqrt" : "+t"(x));
    return x;
}

}  // namespace strs
