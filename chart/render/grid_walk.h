#pragma once
// Where the grid lines of one axis go: the world values a grid walk visits, worked out
// apart from drawing so that they can be compared exactly.

#include <array>

#include "chart/model/scale_props.h"
#include "scale/scale.h"

namespace kurvex::render {

// A walk visits at most this many values, so that a tiny step cannot stall a repaint.
inline constexpr int kMaxGridValues = 1000;

struct TGridValues {
  std::array<double, kMaxGridValues> Values;
  int Count = 0;

  const double* begin() const { return Values.data(); }
  const double* end() const { return Values.data() + Count; }
};

// The grid values of one axis, in walking order, from the grid step D (GridDx or GridDy),
// the axis setting P and its scale control S. Only values below the upper range end are
// kept (the higher of P's RangeLow and RangeHigh).
//  - D != 0 on a linear axis, or D > 0: the multiples of |D| from the first one at or
//    beyond the low end, ceil(low / D) * D.
//  - Logarithmic, D = -1: the decades from the first one at or above the low end.
//  - Logarithmic, D = -2: 1, 2, 5 times the decades, from the first of them above the low
//    end's leading digit.
//  - Logarithmic, D = -3: every leading digit 1..9 of each decade, from the low end's
//    leading digit; any other negative D the same from the low end itself.
//  - D = 0: the tick values that S recorded in its last paint, in their order; a scale
//    that recorded none gives the low end of its own range.
// A logarithmic walk on an axis that does not lie wholly above zero has no values.
void WalkGrid(double D, const TScaleProps& P, const TScale& S, TGridValues& out);

}  // namespace kurvex::render
