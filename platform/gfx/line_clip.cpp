#include "platform/gfx/line_clip.h"

#include <algorithm>

#include "platform/gfx/wide_int.h"

namespace kurvex::raster {

// Pixel i of a line with major length M and minor length m (M >= m, M > 0) lies at minor
// offset f(i) = floor((2*m*i + M - bias) / (2*M)) from the start: the exact offset m*i/M
// rounded to the nearest integer, where bias = 1 rounds an exact half down (towards the
// smaller coordinate when the line moves towards larger ones) and bias = 0 rounds it up
// (again the smaller coordinate, since the line then moves towards smaller ones).
// Products reach about 2^68 for 33-bit device coordinates, hence the 128-bit arithmetic.

std::int64_t MinorOffset(std::int64_t i, std::int64_t major, std::int64_t minor, bool positive) {
  if (major == 0) return 0;
  const Int128 num = Int128{2} * minor * i + major - (positive ? 1 : 0);
  return static_cast<std::int64_t>(FloorDiv(num, Int128{2} * major));
}

std::int64_t LineLength(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  const std::int64_t adx = x1 >= x0 ? x1 - x0 : x0 - x1;
  const std::int64_t ady = y1 >= y0 ? y1 - y0 : y0 - y1;
  return std::max(adx, ady);
}

bool ClipLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, const ClipBox& clip,
              std::ptrdiff_t stride, LineRun* run) {
  const std::int64_t dx = x1 - x0;
  const std::int64_t dy = y1 - y0;
  const std::int64_t adx = dx >= 0 ? dx : -dx;
  const std::int64_t ady = dy >= 0 ? dy : -dy;
  if (adx == 0 && ady == 0) return false;
  if (clip.Empty()) return false;

  // Name the axes "major" (one pixel per step) and "minor" (rounded).
  const bool x_major = adx >= ady;
  const std::int64_t M0 = x_major ? x0 : y0;
  const std::int64_t m0 = x_major ? y0 : x0;
  const std::int64_t dM = x_major ? adx : ady;
  const std::int64_t dm = x_major ? ady : adx;
  const int sM = (x_major ? dx : dy) > 0 ? 1 : -1;
  const int sm = (x_major ? dy : dx) >= 0 ? 1 : -1;
  const std::int64_t cM0 = x_major ? clip.left : clip.top;
  const std::int64_t cM1 = x_major ? clip.right : clip.bottom;
  const std::int64_t cm0 = x_major ? clip.top : clip.left;
  const std::int64_t cm1 = x_major ? clip.bottom : clip.right;

  // Both ends inside the (convex) clip box: every pixel is visible, no search needed.
  const std::int64_t bias = sm > 0 ? 1 : 0;
  if (clip.Contains(x0, y0) && clip.Contains(x1, y1)) {
    run->offset = static_cast<std::ptrdiff_t>(y0 * stride + x0);
    run->major_step = x_major ? sM : sM * stride;
    run->minor_step = x_major ? sm * stride : sm;
    run->error = dM - bias;
    run->increment = 2 * dm;
    run->limit = 2 * dM;
    run->count = dM;
    run->phase = 0;
    return true;
  }

  // Steps whose major coordinate is inside the clip box.
  Int128 lo = 0;
  Int128 hi = dM - 1;
  if (sM > 0) {
    lo = std::max<Int128>(lo, Int128{cM0} - M0);
    hi = std::min<Int128>(hi, Int128{cM1} - 1 - M0);
  } else {
    lo = std::max<Int128>(lo, Int128{M0} - cM1 + 1);
    hi = std::min<Int128>(hi, Int128{M0} - cM0);
  }
  if (lo > hi) return false;

  // Steps whose minor coordinate is inside: f(i) in [k, m], solved for i.
  if (dm == 0) {
    if (m0 < cm0 || m0 >= cm1) return false;
  } else {
    const Int128 k = sm > 0 ? Int128{cm0} - m0 : Int128{m0} - cm1 + 1;
    const Int128 m = sm > 0 ? Int128{cm1} - 1 - m0 : Int128{m0} - cm0;
    lo = std::max<Int128>(lo, CeilDiv(Int128{2} * dM * k - dM + bias, Int128{2} * dm));
    hi = std::min<Int128>(hi, FloorDiv(Int128{2} * dM * (m + 1) - dM + bias - 1, Int128{2} * dm));
    if (lo > hi) return false;
  }

  const Int128 num = Int128{2} * dm * lo + dM - bias;  // never negative
  const std::int64_t f = static_cast<std::int64_t>(num / (Int128{2} * dM));
  const std::int64_t error = static_cast<std::int64_t>(num % (Int128{2} * dM));
  const std::int64_t major = M0 + sM * static_cast<std::int64_t>(lo);
  const std::int64_t minor = m0 + sm * f;
  const std::int64_t x = x_major ? major : minor;
  const std::int64_t y = x_major ? minor : major;

  run->offset = static_cast<std::ptrdiff_t>(y * stride + x);
  run->major_step = x_major ? sM : sM * stride;
  run->minor_step = x_major ? sm * stride : sm;
  run->error = error;
  run->increment = 2 * dm;
  run->limit = 2 * dM;
  run->count = static_cast<std::int64_t>(hi - lo + 1);
  run->phase = static_cast<std::int64_t>(lo);
  return true;
}

}  // namespace kurvex::raster
