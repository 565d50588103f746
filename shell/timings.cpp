#include "shell/timings.h"

namespace strs {
namespace {

Timings& Installed() {
    static Timings timings;
    return timings;
}

}  // namespace

const Timings& CurrentTimings() { return Installed(); }

void SetTimings(const Timings& timings) { Installed() = timings; }

}  // namespace strs
