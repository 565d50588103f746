// A press gives the same numbers whatever precision the system started the thread with,
// once the program's start-up has set the x87 control word.

#include "labs/random_variable/random_variable_laws.h"
#include "matematic/extended_arithmetic.h"
#include "matematic/random.h"
#include "matematic/x87.h"

#include <gtest/gtest.h>

namespace strs::random_variable {
namespace {

constexpr std::uint16_t kDoublePrecisionControlWord = 0x027F;  // as some systems start

// Leaves the control word as the start-up sets it, whatever the test did.
struct ControlWordRestorer {
    ~ControlWordRestorer() { SetExtendedPrecisionMode(); }
};

Sample WeibullPress() {
    ResetRandomGenerator();
    return DrawSample(*LawAt(2), LawParameters{1.5, 2.5});
}

TEST(ExtendedPrecisionStart, PressAfterADoublePrecisionStartGivesTheReferenceSample) {
    ControlWordRestorer restorer;
    SetExtendedPrecisionMode();
    const Sample reference = WeibullPress();

    SetX87ControlWord(kDoublePrecisionControlWord);
    EXPECT_NE(WeibullPress(), reference) << "the press must depend on the precision";

    SetExtendedPrecisionMode();
    EXPECT_EQ(X87ControlWord(), kExtendedPrecisionControlWord);
    EXPECT_EQ(WeibullPress(), reference);
}

}  // namespace
}  // namespace strs::random_variable
