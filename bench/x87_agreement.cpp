// Compares the workbench's own x87 exponential and logarithm (matematic/x87.h) with the
// C library's expl and logl over 10^7 pseudo-random arguments per range, and prints how
// often the extended results differ and how often they still differ once rounded to
// double. A measurement, not a test: the figures are quoted, never asserted.
//
//   strs-x87-agreement [COUNT]

#include "matematic/x87.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using strs::Extended;

// splitmix64: a fixed, platform-independent stream of arguments.
class Arguments {
public:
    Extended next(Extended lo, Extended hi) {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        const Extended unit = static_cast<Extended>(z) * 0x1p-64L;  // [0, 1), all 64 bits
        return lo + (hi - lo) * unit;
    }

private:
    std::uint64_t state_ = 1;
};

struct Range {
    const char* function;
    Extended (*own)(Extended);
    Extended (*library)(Extended);
    Extended lo;
    Extended hi;
};

Extended LibraryExp(Extended x) { return expl(x); }
Extended LibraryLn(Extended x) { return logl(x); }

}  // namespace

int main(int argc, char* argv[]) {
    strs::SetExtendedPrecisionMode();
    const long count = argc > 1 ? std::atol(argv[1]) : 10'000'000L;
    const Range ranges[] = {
        {"exp", strs::Exp, LibraryExp, -1.0L, 1.0L},
        {"exp", strs::Exp, LibraryExp, -50.0L, 50.0L},
        {"exp", strs::Exp, LibraryExp, -11400.0L, 11400.0L},
        {"ln", strs::Ln, LibraryLn, 0.0L, 1.0L},
        {"ln", strs::Ln, LibraryLn, 0.5L, 2.0L},
        {"ln", strs::Ln, LibraryLn, 0.0L, 1000.0L},
    };
    std::printf("%-4s %-22s %10s %16s %16s\n", "", "range", "arguments", "extended differs",
                "double differs");
    for (const Range& r : ranges) {
        Arguments arguments;
        long extendedDiffers = 0;
        long doubleDiffers = 0;
        for (long n = 0; n < count; ++n) {
            const Extended x = arguments.next(r.lo, r.hi);
            const Extended own = r.own(x);
            const Extended library = r.library(x);
            extendedDiffers += own != library;
            doubleDiffers += static_cast<double>(own) != static_cast<double>(library);
        }
        std::printf("%-4s [%8.1Lf, %8.1Lf]   %10ld %16ld %16ld\n", r.function, r.lo, r.hi, count,
                    extendedDiffers, doubleDiffers);
    }
    return 0;
}
