#include "platform/gfx/ellipse_trace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kurvex::raster {

// Quadrants in the order of the trace, each with the pixels it owns (X, Y doubled offsets
// from the centre, Y downwards): 0 upper right (X >= 0, Y <= 0), 1 upper left (X < 0,
// Y <= 0), 2 lower left (X <= 0, Y > 0), 3 lower right (X > 0, Y > 0). Each is a mirror
// image of the upper right one; 0 and 2 run in its order, 1 and 3 against it.

EllipseTrace::EllipseTrace(const FigureRows& box)
    : left_(box.left), top_(box.top), a_(box.right - box.left - 1), b_(box.bottom - box.top - 1) {
  const std::int64_t first = b_ % 2;
  // The row of the 45-degree point, where b²|X| = a²|Y| on the curve.
  const long double al = static_cast<long double>(a_);
  const long double bl = static_cast<long double>(b_);
  const long double k45 = a_ + b_ == 0 ? 0 : bl * bl / std::sqrt(al * al + bl * bl);
  std::int64_t middle = std::clamp<std::int64_t>(static_cast<std::int64_t>(k45), first, b_);
  middle -= (middle - first) % 2;
  window_lo_ = std::max(first, middle - 2 * kWindow);
  window_hi_ = std::min(b_, middle + 2 * kWindow);
  if (window_hi_ + 2 <= b_) reach_above_window_ = Reach(window_hi_ + 2);
  for (std::int64_t k = window_lo_, j = 0; k <= window_hi_; k += 2, ++j) {
    window_sums_[j + 1] = window_sums_[j] + RunLength(k);
  }

  quadrant_ = RowsBefore(b_) + RunLength(b_);
  // Axis pixels: X = 0 holds the top rows that reach no further than the middle column
  // (one row, or more on thin ellipses); Y = 0 is the middle row of an odd height.
  if (a_ % 2 == 0) {
    std::int64_t lo = 0, hi = (b_ - first) / 2;  // the first row of reach 0
    while (lo < hi) {
      const std::int64_t mid = lo + (hi - lo) / 2;
      if (Reach(first + 2 * mid) == 0) hi = mid;
      else lo = mid + 1;
    }
    on_vertical_ = (b_ - first) / 2 - lo + 1;
  }
  on_horizontal_ = b_ % 2 != 0 ? 0 : RunLength(0);
  const std::int64_t centre = a_ % 2 == 0 && b_ % 2 == 0 && (a_ == 0 || b_ == 0) ? 1 : 0;
  sizes_ = {quadrant_, quadrant_ - on_vertical_, quadrant_ - on_horizontal_,
            quadrant_ - on_vertical_ - on_horizontal_ + centre};
  total_ = sizes_[0] + sizes_[1] + sizes_[2] + sizes_[3];
}

std::int64_t EllipseTrace::RunLength(std::int64_t k) const {
  if (k == b_) return (Reach(k) - a_ % 2) / 2 + 1;  // the top row, from the vertical axis
  return std::max<std::int64_t>(1, (Reach(k) - Reach(k + 2)) / 2);
}

std::int64_t EllipseTrace::RowsBefore(std::int64_t k) const {
  const std::int64_t first = b_ % 2;
  if (k <= window_lo_) return (k - first) / 2;  // steep: one pixel a row
  const std::int64_t below = (window_lo_ - first) / 2;
  if (k <= window_hi_ + 2) return below + window_sums_[(k - window_lo_) / 2];
  // Flat: the runs between the window and row k cover the distance between their ends.
  const std::int64_t rows = (window_hi_ - window_lo_) / 2 + 1;
  return below + window_sums_[rows] + (reach_above_window_ - Reach(k)) / 2;
}

void EllipseTrace::QuadrantPixel(std::int64_t index, std::int64_t* x2, std::int64_t* k) const {
  // The last row whose first pixel comes at or before `index`.
  const std::int64_t first = b_ % 2;
  std::int64_t lo = 0, hi = (b_ - first) / 2;
  while (lo < hi) {
    const std::int64_t mid = lo + (hi - lo + 1) / 2;
    if (RowsBefore(first + 2 * mid) <= index) lo = mid;
    else hi = mid - 1;
  }
  *k = first + 2 * lo;
  *x2 = Reach(*k) - 2 * (index - RowsBefore(*k));
}

std::int64_t EllipseTrace::ToQuadrant(int q, std::int64_t i) const {
  switch (q) {
    case 0: return i;
    case 2: return i - on_horizontal_;
    default: return quadrant_ - 1 - on_vertical_ - i;
  }
}

std::int64_t EllipseTrace::FromQuadrant(int q, std::int64_t i) const {
  switch (q) {
    case 0: return i;
    case 2: return i + on_horizontal_;
    default: return quadrant_ - 1 - on_vertical_ - i;
  }
}

EllipseTrace::RowPlace EllipseTrace::PlaceRow(std::int64_t y) const {
  RowPlace row;
  row.dy = 2 * (y - top_) - b_;
  const std::int64_t k = row.dy < 0 ? -row.dy : row.dy;
  row.first = RowsBefore(k);
  row.reach = Reach(k);
  return row;
}

std::int64_t EllipseTrace::IndexOf(const RowPlace& row, std::int64_t x) const {
  const std::int64_t dx = 2 * (x - left_) - a_;
  const int q = row.dy <= 0 ? (dx >= 0 ? 0 : 1) : (dx <= 0 ? 2 : 3);
  std::int64_t offset = 0;
  for (int i = 0; i < q; ++i) offset += sizes_[i];
  return offset + ToQuadrant(q, row.first + (row.reach - (dx < 0 ? -dx : dx)) / 2);
}

double EllipseTrace::DirectionOf(std::int64_t dx2, std::int64_t dy2) {
  const double angle = std::atan2(-static_cast<double>(dy2), static_cast<double>(dx2));
  return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

std::int64_t EllipseTrace::CountInQuadrant(int q, double angle) const {
  // Directions grow along each quadrant's order: find the first pixel at or past angle.
  std::int64_t lo = 0, hi = sizes_[q];
  while (lo < hi) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    std::int64_t x2, k;
    QuadrantPixel(FromQuadrant(q, mid), &x2, &k);
    const std::int64_t dx = q == 0 || q == 3 ? x2 : -x2;
    const std::int64_t dy = q <= 1 ? -k : k;
    if (DirectionOf(dx, dy) < angle) lo = mid + 1;
    else hi = mid;
  }
  return lo;
}

std::int64_t EllipseTrace::CountBefore(double angle) const {
  std::int64_t count = 0;
  for (int q = 0; q < 4; ++q) count += CountInQuadrant(q, angle);
  return count;
}

}  // namespace kurvex::raster
