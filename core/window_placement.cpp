#include "core/window_placement.h"

#include <algorithm>

namespace strs {
namespace {

// The start closest to `start` that keeps [start, start + length) inside the area, or the
// area's start when the length does not fit at all.
int FitAlong(int start, int length, int areaStart, int areaLength) {
    const int last = areaStart + areaLength - length;
    return last < areaStart ? areaStart : std::clamp(start, areaStart, last);
}

}  // namespace

ScreenPoint PlaceOnScreen(ScreenBox frame, ScreenBox available) {
    return {FitAlong(frame.x, frame.width, available.x, available.width),
            FitAlong(frame.y, frame.height, available.y, available.height)};
}

}  // namespace strs
