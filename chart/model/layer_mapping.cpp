#include "chart/model/layer_mapping.h"

#include <cmath>

#include "common/errors.h"

namespace kurvex {

namespace {

constexpr const char* kLogNegative = "Logarithmic axis must not be negative.";

// Coefficients that map v_low to p_low and v_high to p_high. A range without width (its ends
// equal in double precision, or not finite) maps everything to the fallback pixel.
void FitLine(long double v_low, long double v_high, long double p_low, long double p_high, long double fallback,
             TAxisMap& map) {
  const long double span = v_high - v_low;
  if (span == 0 || !std::isfinite(span)) {
    map.SetCoefficients(0, fallback);
    return;
  }
  map.SetCoefficients((p_high - p_low) / span, (p_low * v_high - p_high * v_low) / span);
}

void CheckLogarithmic(const TAxisRange& range) {
  if (range.Low <= 0 || range.High <= 0) throw EKPXKurvexError(kLogNegative);
}

}  // namespace

TAxisMap MakeXAxisMap(const TAxisRange& range, const TPlotGeometry& g) {
  TAxisMap map;
  map.Logarithmic = range.Logarithmic;
  long double lo = range.Low;
  long double hi = range.High;
  if (range.Logarithmic) {
    CheckLogarithmic(range);
    lo = std::log(lo);
    hi = std::log(hi);
    map.NonPositivePixel = range.High < range.Low ? g.Width : 0;
  }
  if (g.DrawWidth() <= 0) {
    map.SetCoefficients(0, g.Width / 2.0L);
    return map;
  }
  // Low maps to the plot's left edge, high to its right edge.
  FitLine(lo, hi, g.MarginLeft, g.Width - g.MarginRight - g.ShadowWidth, g.Width / 2.0L, map);
  return map;
}

TAxisMap MakeYAxisMap(const TAxisRange& range, const TPlotGeometry& g) {
  TAxisMap map;
  map.Logarithmic = range.Logarithmic;
  long double lo = range.Low;
  long double hi = range.High;
  if (range.Logarithmic) {
    CheckLogarithmic(range);
    lo = std::log(lo);
    hi = std::log(hi);
    map.NonPositivePixel = range.High < range.Low ? 0 : g.Height;
  }
  if (g.DrawHeight() <= 0) {
    map.SetCoefficients(0, g.Height / 2.0L);
    return map;
  }
  // World y grows upwards: low maps to the plot's bottom edge, high to its top edge.
  FitLine(lo, hi, g.Height - g.MarginBottom - g.ShadowWidth, g.MarginTop, g.Height / 2.0L, map);
  return map;
}

}  // namespace kurvex
