#pragma once
// 128-bit integer helpers for exact raster arithmetic on 33-bit device coordinates
// (a 32-bit coordinate plus a 32-bit origin), whose products exceed 64 bits.

#include <cstdint>

namespace kurvex::raster {

__extension__ typedef __int128 Int128;

// Division rounding towards minus infinity and towards plus infinity; b > 0.
inline Int128 FloorDiv(Int128 a, Int128 b) {
  Int128 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

inline Int128 CeilDiv(Int128 a, Int128 b) {
  Int128 q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return q;
}

}  // namespace kurvex::raster
