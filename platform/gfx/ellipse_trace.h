#pragma once
// The order in which an ellipse outline is traced: counter-clockwise on the screen, starting
// at the east (the first pixel at or above the centre on the right side), up the right side,
// across the top, down the left side and back along the bottom. Styled pens count their
// pattern along this order, and arcs are the part of it between two directions.
//
// Positions are computed in closed form, without walking the outline, so that a clipped
// piece of a huge ellipse costs no more than a small one. The outline of the upper right
// quadrant, traced from the east, has on each row a run that ends where the row above
// starts; the number of pixels before a row is the sum of those runs. Where the curve is
// steeper than 45 degrees every row holds exactly one pixel of it, where it is flatter every
// row holds at least one and the runs add up to the distance covered; only a few rows about
// the 45-degree point are summed one by one.

#include <array>
#include <cstdint>

#include "platform/gfx/figure_rows.h"

namespace kurvex::raster {

class EllipseTrace {
 public:
  // `box` is a non-empty ellipse.
  explicit EllipseTrace(const FigureRows& box);

  // The number of pixels of the outline.
  std::int64_t Count() const { return total_; }
  // What the positions of the outline pixels of one row depend on.
  struct RowPlace {
    std::int64_t dy = 0;     // doubled offset of the row from the centre
    std::int64_t first = 0;  // position of the row's first pixel in the upper right quadrant
    std::int64_t reach = 0;  // the row's reach (EllipseReach)
  };
  RowPlace PlaceRow(std::int64_t y) const;
  // The position (0 .. Count() - 1) of outline pixel (x, y) along the outline, for the row
  // placed by PlaceRow(y).
  std::int64_t IndexOf(const RowPlace& row, std::int64_t x) const;
  std::int64_t IndexOf(std::int64_t x, std::int64_t y) const { return IndexOf(PlaceRow(y), x); }
  // The number of outline pixels whose direction from the centre comes before `angle`
  // (radians counter-clockwise from the east, 0 <= angle < 2 pi), directions measured as
  // by DirectionOf.
  std::int64_t CountBefore(double angle) const;
  // The direction of a point given in doubled coordinates about the centre (0 for the
  // centre itself), in [0, 2 pi).
  static double DirectionOf(std::int64_t dx2, std::int64_t dy2);

 private:
  static constexpr int kWindow = 8;  // rows summed one by one on each side of 45 degrees

  std::int64_t Reach(std::int64_t k) const { return EllipseReach(a_, b_, k); }
  // Pixels of the upper right quadrant on the row at doubled distance k from the centre.
  std::int64_t RunLength(std::int64_t k) const;
  // Pixels of the upper right quadrant on the rows nearer the centre than k.
  std::int64_t RowsBefore(std::int64_t k) const;
  // The quadrant pixel at a position of that order, as (|X|, k).
  void QuadrantPixel(std::int64_t index, std::int64_t* x2, std::int64_t* k) const;
  // Outline pixels of quadrant q (0..3) before the first whose direction is >= angle.
  std::int64_t CountInQuadrant(int q, double angle) const;
  // Position in quadrant q's order of the quadrant pixel at position i of the upper right
  // one's order, and the reverse.
  std::int64_t ToQuadrant(int q, std::int64_t i) const;
  std::int64_t FromQuadrant(int q, std::int64_t i) const;

  std::int64_t left_, top_, a_, b_;
  std::int64_t window_lo_, window_hi_;           // rows k summed one by one
  std::int64_t reach_above_window_ = 0;          // reach of the row after window_hi_
  std::array<std::int64_t, 2 * kWindow + 3> window_sums_{};  // pixels before each window row
  std::int64_t quadrant_ = 0;                    // pixels of the closed upper right quadrant
  std::int64_t on_vertical_ = 0;                 // ... of them on the vertical axis (X = 0)
  std::int64_t on_horizontal_ = 0;               // ... on the horizontal axis (Y = 0)
  std::array<std::int64_t, 4> sizes_{};          // pixels owned by each quadrant
  std::int64_t total_ = 0;
};

}  // namespace kurvex::raster
