// The results of Ln and Exp on a sample of every argument walk, hashed: the native build
// checks the same sample against MPFR (elementary_test.cpp), so a cross-built program
// (Windows under Wine, arm64 under emulation) that gives these hashes rounds as correctly.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "matematic/elementary.h"
#include "matematic/extended_bits.h"
#include "support/argument_walks.h"

namespace strs {
namespace {

// FNV-1a over the sign, exponent and mantissa of each result.
class Digest {
public:
    void add(Extended x) {
        const ExtendedBits b = BitsOf(x);
        addWord(b.mantissa, 8);
        addWord(static_cast<std::uint64_t>(b.biasedExponent) | (b.negative ? 0x8000u : 0u), 2);
    }
    std::uint64_t value() const { return hash_; }

private:
    void addWord(std::uint64_t word, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            hash_ = (hash_ ^ ((word >> (8 * i)) & 0xFF)) * 0x100000001B3ull;
        }
    }
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

// The native results, as this test prints them when they differ.
constexpr const char* kExpected =
#include "elementary_digest.inc"
    ;

TEST(ElementaryDigest, SampleOfEveryWalkGivesTheNativeResults) {
    constexpr int kArgumentsPerWalk = 20000;
    std::string actual;
    std::string include;  // the same as the lines of elementary_digest.inc
    for (const oracle::Walk& walk : oracle::Walks()) {
        oracle::Stream stream;
        Extended previous = std::numeric_limits<Extended>::quiet_NaN();
        Digest digest;
        for (int n = 0; n < kArgumentsPerWalk; ++n) {
            const Extended x = walk.argument(stream, previous);
            digest.add(walk.function == oracle::Function::kLn ? Ln(x) : Exp(x));
        }
        char line[96];
        std::snprintf(line, sizeof line, "%016llx %s", static_cast<unsigned long long>(digest.value()), walk.name);
        actual.append(line).append("\n");
        include.append("\"").append(line).append("\\n\"\n");
    }
    EXPECT_EQ(actual, kExpected) << "the results of this build, as elementary_digest.inc:\n" << include;
}

}  // namespace
}  // namespace strs
