#include "matematic/axis_ticks.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "matematic/extended_bits.h"
#include "matematic/extended_constant.h"

namespace strs {

void AxisExtent::include(double v) {
    if (!std::isfinite(v))
        return;
    lo_ = any_ ? std::min(lo_, v) : v;
    hi_ = any_ ? std::max(hi_, v) : v;
    any_ = true;
}

AxisRange AxisExtent::range() const {
    if (!any_)
        return {0, 1};
    const AxisValue lo = lo_;
    const AxisValue hi = hi_;
    if (hi > lo)
        return {lo, hi};
    AxisValue half = Abs(lo) * 0.1_ext;
    if (half == 0)
        half = 1;
    return {lo - half, hi + half};
}

namespace {

// The largest power of ten not above raw (raw > 0), found by multiplying by ten: the
// C library's log10 and pow differ in their last bits from one system to another, a
// product of tens does not. Powers up to 1e27 are exact; a smaller one is one division.
AxisValue PowerOfTenAtMost(AxisValue raw) {
    const AxisValue kLargest = std::numeric_limits<AxisValue>::max() / 10;
    AxisValue power = 1;
    if (raw >= 1) {
        while (power <= kLargest && power * 10 <= raw)
            power *= 10;
        return power;
    }
    while (power <= kLargest && 1 / power > raw)
        power *= 10;
    return 1 / power;
}

}  // namespace

AxisValue NiceStepAtLeast(AxisValue raw) {
    const AxisValue magnitude = PowerOfTenAtMost(raw);
    for (const int factor : {1, 2, 5}) {
        if (factor * magnitude >= raw * (1 - 1e-12_ext))
            return factor * magnitude;
    }
    return 10 * magnitude;
}

AxisValue NextNiceStep(AxisValue step) { return NiceStepAtLeast(step * 1.5); }

AxisValue StepForCount(const AxisRange& range, int count) {
    return NiceStepAtLeast(range.span() / AxisValue(std::max(count, 1)));
}

std::vector<AxisValue> TickValues(const AxisRange& range, AxisValue step) {
    std::vector<AxisValue> ticks;
    const AxisValue first = Ceil(range.lo / step - 1e-9_ext);
    const AxisValue last = Floor(range.hi / step + 1e-9_ext);
    for (int i = 0; i < kMaxAxisTicks && first + i <= last; ++i) {
        const AxisValue value = (first + i) * step;
        if (std::isfinite(static_cast<double>(value)))
            ticks.push_back(value);
    }
    return ticks;
}

double AxisMap::operator()(AxisValue v) const {
    const AxisValue fraction = (v - range_.lo) / range_.span();
    const AxisValue pixel = from_ + fraction * (to_ - from_);
    return static_cast<double>(std::clamp(pixel, AxisValue(-1e5), AxisValue(1e5)));
}

}  // namespace strs
