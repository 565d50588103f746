#include "matematic/elementary_attempts.h"

#include "matematic/elementary.h"

namespace strs {

namespace wide {
std::uint64_t g_lnSlowPaths = 0;
std::uint64_t g_expSlowPaths = 0;
}  // namespace wide

ElementarySlowPaths ElementarySlowPathCounts() { return {wide::g_lnSlowPaths, wide::g_expSlowPaths}; }

}  // namespace strs
