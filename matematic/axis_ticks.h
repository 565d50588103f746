#pragma once
// The arithmetic of a chart axis: the range the data span, a "nice" step of 1, 2 or 5
// times a power of ten, the tick values on it and the mapping of values onto pixels.
// Free of Qt; the chart widget adds labels, fonts and painting.
//
// Axis arithmetic runs in the extended type, with the numerics' exact operations and no
// C library: its wider exponent keeps differences such as 1e308 - (-1e308) finite, the
// tick counts stay exact, and every system draws the same axes.

#include <vector>

#include "matematic/extended.h"

namespace strs {

using AxisValue = Extended;

// Never more ticks than this, whatever the data.
constexpr int kMaxAxisTicks = 64;

struct AxisRange {
    AxisValue lo = 0;
    AxisValue hi = 1;
    AxisValue span() const { return hi - lo; }
};

// Grows [lo, hi] over the finite values it is given; empty until the first one.
class AxisExtent {
public:
    void include(double v);

    // A usable range: [0, 1] without data, a range around the value when all are equal.
    AxisRange range() const;

private:
    bool any_ = false;
    double lo_ = 0;
    double hi_ = 0;
};

// The smallest of 1, 2, 5 times a power of ten that is not below raw (raw > 0).
AxisValue NiceStepAtLeast(AxisValue raw);

// The next nice step clearly above step.
AxisValue NextNiceStep(AxisValue step);

// A step that gives at most about `count` intervals over the range.
AxisValue StepForCount(const AxisRange& range, int count);

// Multiples of step within the range, at most kMaxAxisTicks; values that have no
// double (beyond the double range after widening) are left out.
std::vector<AxisValue> TickValues(const AxisRange& range, AxisValue step);

// Maps axis values linearly onto pixel positions; `from` is the pixel of range.lo.
class AxisMap {
public:
    AxisMap(const AxisRange& range, double from, double to) : range_(range), from_(from), to_(to) {}

    // Far-off values (a bar base below the range, say) are pinned well outside the
    // plot, within +-1e5 pixels; the painter clips them.
    double operator()(AxisValue v) const;

private:
    AxisRange range_;
    AxisValue from_;
    AxisValue to_;
};

}  // namespace strs
