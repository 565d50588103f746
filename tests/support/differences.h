#pragma once
// Counting where the software extended type differs from the x87: count cases drawn from
// a fixed stream, with the x87 at the labs' control word, the first few differences
// described. x86 only.

#include <cstdint>
#include <optional>
#include <string>

#include "matematic/x87.h"
#include "support/split_mix.h"

namespace strs::testing {

// oneCase(random) gives nothing where both agree, a line describing the case otherwise.
template <class Case>
long CountDifferences(long count, std::uint64_t seed, std::string& report, Case oneCase) {
    SetX87ControlWord(kExtendedPrecisionControlWord);
    SplitMix64 random(seed);
    long differences = 0;
    for (long n = 0; n < count; ++n) {
        if (const std::optional<std::string> difference = oneCase(random); difference && ++differences <= 3) {
            report += *difference;
        }
    }
    return differences;
}

}  // namespace strs::testing
