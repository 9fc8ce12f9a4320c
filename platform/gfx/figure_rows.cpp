#include "platform/gfx/figure_rows.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/wide_int.h"

namespace kurvex::raster {

namespace {

// Boxes below this size are decided exactly in 128 bits (a²b² < 2^124); larger ones, far
// beyond any screen, in extended precision.
constexpr std::int64_t kExactLimit = std::int64_t{1} << 31;

// The largest x >= 0 with the parity of `parity` and fits(x), starting from the estimate
// `guess`; -1 when no such x exists. fits must hold for all x up to its largest one.
template <class Fits>
std::int64_t LargestFitting(std::int64_t guess, std::int64_t parity, std::int64_t limit, Fits fits) {
  std::int64_t x = std::clamp<std::int64_t>(guess, 0, limit);
  if ((x - parity) % 2 != 0) --x;
  if (x < 0) x = parity;
  while (x + 2 <= limit && fits(x + 2)) x += 2;
  while (x >= 0 && !fits(x)) x -= 2;
  return x;
}

std::int64_t Estimate(long double squared) { return squared <= 0 ? 0 : static_cast<std::int64_t>(std::sqrt(squared)); }

// Marks, pen discs and everything on a screen: all products fit in 64 bits.
constexpr std::int64_t kSmallLimit = std::int64_t{1} << 15;

std::int64_t SmallEllipseReach(std::int64_t a, std::int64_t b, std::int64_t k) {
  const std::int64_t parity = a % 2;
  const std::int64_t aa = a * a, bb = b * b;
  const std::int64_t row_bound = aa * (bb - k * k);
  const double t = static_cast<double>(row_bound) / static_cast<double>(bb);
  const std::int64_t row_x = LargestFitting(t < 1 ? 0 : 1 + static_cast<std::int64_t>(std::sqrt(t - 1)), parity, a,
                                            [&](std::int64_t x) { return bb * ((x - 1) * (x - 1) + 1) <= row_bound; });
  const std::int64_t column_bound = aa * (bb - (k - 1) * (k - 1) - 1);
  if (column_bound < 0) return std::max(row_x, parity);
  const double s = static_cast<double>(column_bound) / static_cast<double>(bb);
  const std::int64_t column_x = LargestFitting(static_cast<std::int64_t>(std::sqrt(s)), parity, a,
                                               [&](std::int64_t x) { return bb * x * x <= column_bound; });
  return std::max({row_x, column_x, parity});
}

}  // namespace

// A column at doubled offset X takes the row whose k makes |k² - S| smallest, with
// S = b²(a² - X²)/a² the squared crossing of the curve; it reaches row k or further out
// when S >= (k - 1)² + 1, the point halfway between (k - 2)² and k². Likewise a row at k
// takes the X of parity a with X nearest T = a²(b² - k²)/b² in the same sense. The reach
// of row k is the farther of the two: its own nearest X, and the last column that takes
// row k or a row further out.
std::int64_t EllipseReach(std::int64_t a, std::int64_t b, std::int64_t k) {
  if (k <= 1) return a;  // the middle row (or the two middle rows) spans the box
  const std::int64_t parity = a % 2;
  if (a < kSmallLimit && b < kSmallLimit) return SmallEllipseReach(a, b, k);
  const long double al = static_cast<long double>(a);
  const long double bl = static_cast<long double>(b);
  const long double kl = static_cast<long double>(k);
  const long double t = al * al * (bl * bl - kl * kl) / (bl * bl);
  const long double s = al * al * (bl * bl - (kl - 1) * (kl - 1) - 1) / (bl * bl);
  const std::int64_t row_guess = 1 + Estimate(t - 1);
  const std::int64_t column_guess = s < 0 ? -1 : Estimate(s);
  if (a >= kExactLimit || b >= kExactLimit) {
    const auto snap = [&](std::int64_t x) { return x < 0 ? x : std::min(x, a) - (std::min(x, a) - parity) % 2; };
    return std::max({snap(row_guess), snap(column_guess), parity});
  }

  const Int128 aa = Int128{a} * a;
  const Int128 bb = Int128{b} * b;
  const Int128 row_bound = aa * (bb - Int128{k} * k);
  const std::int64_t row_x = LargestFitting(row_guess, parity, a, [&](std::int64_t x) {
    const Int128 d = x - 1;
    return bb * (d * d + 1) <= row_bound;
  });
  const Int128 column_bound = aa * (bb - Int128{k - 1} * (k - 1) - 1);
  const std::int64_t column_x =
      column_bound < 0 ? -1
                       : LargestFitting(column_guess, parity, a,
                                        [&](std::int64_t x) { return bb * Int128{x} * x <= column_bound; });
  return std::max({row_x, column_x, parity});
}

bool FigureRows::Row(std::int64_t y, std::int64_t* l, std::int64_t* r) const {
  if (y < top || y >= bottom || left >= right) return false;
  if (!ellipse) {
    *l = left;
    *r = right - 1;
    return true;
  }
  const std::int64_t a = right - left - 1;
  const std::int64_t b = bottom - top - 1;
  const std::int64_t v = 2 * (y - top) - b;
  const std::int64_t reach = EllipseReach(a, b, v < 0 ? -v : v);
  *l = left + (a - reach) / 2;
  *r = left + (a + reach) / 2;
  return true;
}

RowWalker::RowWalker(const FigureRows& figure, std::int64_t first_row) : figure_(figure), y_(first_row) {
  above_ = Fetch(y_ - 1);
  row_ = Fetch(y_);
  below_ = Fetch(y_ + 1);
}

RowWalker::Span RowWalker::Fetch(std::int64_t y) const {
  Span s;
  s.any = figure_.Row(y, &s.l, &s.r);
  return s;
}

void RowWalker::Advance() {
  ++y_;
  above_ = row_;
  row_ = below_;
  below_ = Fetch(y_ + 1);
}

bool RowWalker::Row(std::int64_t* l, std::int64_t* r) const {
  *l = row_.l;
  *r = row_.r;
  return row_.any;
}

bool RowWalker::InteriorRow(std::int64_t* l, std::int64_t* r) const {
  if (!row_.any || !above_.any || !below_.any) return false;
  *l = std::max({row_.l + 1, above_.l, below_.l});
  *r = std::min({row_.r - 1, above_.r, below_.r});
  return *l <= *r;
}

}  // namespace kurvex::raster
