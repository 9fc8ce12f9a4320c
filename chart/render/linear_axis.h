#pragma once
// The world-to-canvas mapping of a linear axis as the repaint's fast paths compute it, one
// point at a time: TAxisMap::ToPixel followed by the drawable clamp, bit for bit. Clamping
// before rounding gives the same pixel (the limits are integers). The clamp is max/min with
// the NaN case going to the lower limit, as in TAxisMap, and the rounding is to the nearest
// integer with ties to even (the processor's default rounding, as TAxisMap computes it).
// The SIMD kernels (column_walk.cpp) repeat exactly these operations lane by lane, without
// fused multiply-adds, so that every lane gives the same pixel.

#include <emmintrin.h>

#include "chart/model/layer_mapping.h"

namespace kurvex {

struct TLinearAxis {
  double Slope = 0;
  double Offset = 0;

  explicit TLinearAxis(const TAxisMap& map) : Slope(map.SlopeD), Offset(map.OffsetD) {}

  int operator()(double v) const {
    const double p = Slope * v + Offset;
    // maxsd returns its second operand when either is NaN; one instruction per step.
    const __m128d low = _mm_max_sd(_mm_set_sd(p), _mm_set_sd(-kDrawableLimit));
    return _mm_cvtsd_si32(_mm_min_sd(low, _mm_set_sd(kDrawableLimit)));
  }
};

// Both axes of a layer and the shift from control pixels to canvas pixels.
struct TLinearCanvasMap {
  TLinearAxis X;
  TLinearAxis Y;
  int Dx = 0;
  int Dy = 0;

  int CanvasX(double x) const { return X(x) + Dx; }
  int CanvasY(double y) const { return Y(y) + Dy; }
};

}  // namespace kurvex
