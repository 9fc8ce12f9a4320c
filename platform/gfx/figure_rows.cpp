#include "platform/gfx/figure_rows.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/wide_int.h"

namespace kurvex::raster {

namespace {

// With W, H the box size and u = 2x + 1 - (left + right), v = 2y + 1 - (top + bottom) the
// doubled offsets of a pixel centre from the box centre, the pixel is inside when
// u^2 H^2 + v^2 W^2 <= W^2 H^2. For a row, the largest |u| allowed is the largest t with
// t^2 H^2 <= W^2 (H^2 - v^2). Boxes below 2^31 pixels are decided exactly in 128 bits;
// larger ones (far beyond any screen) in extended precision.
std::int64_t MaxHalfWidth(std::int64_t w, std::int64_t h, std::int64_t v) {
  const long double wl = static_cast<long double>(w);
  const long double hl = static_cast<long double>(h);
  const long double vl = static_cast<long double>(v);
  const long double q = wl * wl * (hl * hl - vl * vl) / (hl * hl);
  if (q < 0) return -1;
  auto t = static_cast<std::int64_t>(std::sqrt(q));
  constexpr std::int64_t kExactLimit = std::int64_t{1} << 31;
  if (w < kExactLimit && h < kExactLimit) {
    const Int128 rhs = Int128{w} * w * (Int128{h} * h - Int128{v} * v);
    const auto fits = [&](std::int64_t t2) { return Int128{t2} * t2 * h * h <= rhs; };
    while (t > 0 && !fits(t)) --t;
    while (fits(t + 1)) ++t;
    if (!fits(t)) return -1;
  }
  return t;
}

}  // namespace

bool FigureRows::Row(std::int64_t y, std::int64_t* l, std::int64_t* r) const {
  if (y < top || y >= bottom || left >= right) return false;
  if (!ellipse) {
    *l = left;
    *r = right - 1;
    return true;
  }
  const std::int64_t w = right - left;
  const std::int64_t h = bottom - top;
  const std::int64_t v = 2 * y + 1 - (top + bottom);
  std::int64_t t = MaxHalfWidth(w, h, v);
  // u has the parity of w + 1: even for odd widths (a centre column), odd for even ones.
  if (t >= 0 && (t - (w + 1)) % 2 != 0) --t;
  if (t < 0) return false;
  *l = (left + right - 1 - t) / 2;
  *r = (left + right - 1 + t) / 2;
  return true;
}

bool FigureRows::InteriorRow(std::int64_t y, std::int64_t* l, std::int64_t* r) const {
  std::int64_t l0, r0, l1, r1, l2, r2;
  if (!Row(y, &l0, &r0) || !Row(y - 1, &l1, &r1) || !Row(y + 1, &l2, &r2)) return false;
  *l = std::max({l0 + 1, l1, l2});
  *r = std::min({r0 - 1, r1, r2});
  return *l <= *r;
}

}  // namespace kurvex::raster
