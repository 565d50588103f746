// Ln and Exp against MPFR over every argument walk of tests/support/elementary_oracle.h,
// COUNT arguments each (the test suite takes a sample of 20000): how many results differ
// (none may), how many needed the slower attempts, and those arguments, the hardest to
// round that the walk met. A measurement for the figures, not a test.
//
//   strs-elementary-sweep [COUNT [WALK...]]     WALK: a part of a walk's name; all walks without

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "matematic/elementary.h"
#include "matematic/extended_arithmetic.h"
#include "support/elementary_oracle.h"

namespace {

using strs::Extended;
using strs::oracle::Function;

std::uint64_t SlowPaths(Function f) {
    const strs::ElementarySlowPaths s = strs::ElementarySlowPathCounts();
    return f == Function::kLn ? s.ln : s.exp;
}

}  // namespace

int main(int argc, char* argv[]) {
    strs::SetExtendedPrecisionMode();
    const long count = argc > 1 ? std::atol(argv[1]) : 10'000'000L;
    const auto chosen = [&](const char* name) {
        for (int i = 2; i < argc; ++i) {
            if (std::strstr(name, argv[i]) != nullptr) {
                return true;
            }
        }
        return argc <= 2;
    };
    constexpr int kHardestShown = 8;
    long failures = 0;
    for (const strs::oracle::Walk& walk : strs::oracle::Walks()) {
        if (!chosen(walk.name)) {
            continue;
        }
        strs::oracle::Stream stream;
        Extended previous = std::numeric_limits<Extended>::quiet_NaN();
        long mismatches = 0;
        long slow = 0;
        std::string hardest;
        for (long n = 0; n < count; ++n) {
            const Extended x = walk.argument(stream, previous);
            const std::uint64_t before = SlowPaths(walk.function);
            const Extended got = walk.function == Function::kLn ? strs::Ln(x) : strs::Exp(x);
            const bool slower = SlowPaths(walk.function) != before;
            const Extended want = strs::oracle::Reference(walk.function, x);
            if (!strs::oracle::SameResult(got, want)) {
                if (++mismatches <= 3) {
                    std::printf("  MISMATCH %La: %La, MPFR %La\n", static_cast<long double>(x), static_cast<long double>(got),
                                static_cast<long double>(want));
                }
            }
            if (slower && ++slow <= kHardestShown) {
                char text[64];
                std::snprintf(text, sizeof text, " %La", static_cast<long double>(x));
                hardest += text;
            }
        }
        failures += mismatches;
        std::printf("%-36s %11ld arguments %6ld differ %6ld slower (%.2g)%s%s\n", walk.name, count, mismatches, slow,
                    static_cast<double>(slow) / static_cast<double>(count), hardest.empty() ? "" : ":",
                    hardest.c_str());
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
