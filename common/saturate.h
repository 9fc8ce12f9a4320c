#pragma once
// Integer arithmetic that saturates at the ends of the 32-bit range instead of wrapping:
// for integers from properties and data that reach pixel arithmetic, where an overflow
// would be undefined behaviour and would draw on the wrong side.

#include <cstdint>
#include <limits>

namespace kurvex {

// v limited to the 32-bit range.
inline int ClampToInt(long long v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

// a + b limited to the 32-bit range.
inline int AddSaturated(int a, long long b) { return ClampToInt(static_cast<long long>(a) + b); }

// a - b limited to the 32-bit range.
inline int SubtractSaturated(int a, long long b) { return ClampToInt(static_cast<long long>(a) - b); }

}  // namespace kurvex
