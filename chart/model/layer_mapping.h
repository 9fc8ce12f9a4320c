#pragma once
// World-to-pixel mapping of one layer. The coefficients are computed once per range or
// geometry change (in extended precision) and each point then costs one multiply-add per
// axis, plus a logarithm on a logarithmic axis.

#include <cmath>
#include <cstddef>

#include "common/geometry.h"

namespace kurvex {

// The control geometry that the mapping depends on (all in pixels).
struct TPlotGeometry {
  int Width = 0;
  int Height = 0;
  int MarginLeft = 0;
  int MarginRight = 0;
  int MarginTop = 0;
  int MarginBottom = 0;
  int ShadowWidth = 0;

  // Offsets of the plot's last column and row (one less than the plot bitmap's size).
  int DrawWidth() const { return Width - MarginLeft - MarginRight - ShadowWidth; }
  int DrawHeight() const { return Height - MarginTop - MarginBottom - ShadowWidth; }
  // Size of the plot bitmap, never negative.
  int PlotWidth() const { return DrawWidth() + 1 > 0 ? DrawWidth() + 1 : 0; }
  int PlotHeight() const { return DrawHeight() + 1 > 0 ? DrawHeight() + 1 : 0; }
};

// One axis range as the mapping sees it.
struct TAxisRange {
  double Low = 0;
  double High = 1;
  bool Logarithmic = false;
};

// Every drawn point is limited to this many pixels from the origin per coordinate.
inline constexpr int kDrawableLimit = 30000;

inline int ClampDrawable(int v) { return v < -kDrawableLimit ? -kDrawableLimit : v > kDrawableLimit ? kDrawableLimit : v; }

// Clamps both coordinates to -30000..30000; true when anything was clamped.
inline bool ClampToDrawable(int& x, int& y) {
  const int cx = ClampDrawable(x);
  const int cy = ClampDrawable(y);
  const bool clamped = cx != x || cy != y;
  x = cx;
  y = cy;
  return clamped;
}

// Pixel = Slope * v + Offset (v = ln(value) on a logarithmic axis). The coefficients are
// kept in extended precision; the per-point path uses their nearest doubles, which moves a
// result only for values within about 1e-13 pixel of a rounding boundary.
struct TAxisMap {
  long double Slope = 0;
  long double Offset = 0;
  double SlopeD = 0;
  double OffsetD = 0;
  bool Logarithmic = false;
  // Where values at or below 1e-100 land on a logarithmic axis.
  int NonPositivePixel = 0;

  void SetCoefficients(long double slope, long double offset) {
    Slope = slope;
    Offset = offset;
    SlopeD = static_cast<double>(slope);
    OffsetD = static_cast<double>(offset);
  }

  // The pixel of a world value: limited to +-2147483647 and rounded half to even. A NaN
  // (which has no position) lands at -2147483647, far outside any plot.
  int ToPixel(double value) const {
    double p;
    if (!Logarithmic) {
      p = SlopeD * value + OffsetD;
    } else {
      if (!(value > 1e-100)) return NonPositivePixel;
      p = SlopeD * std::log(value) + OffsetD;
    }
    if (!(p > -2147483647.0)) return -2147483647;  // also NaN
    if (p > 2147483647.0) return 2147483647;
    return RoundHalfEven(p);
  }

  // The world value of a pixel. With a zero slope (no plot area) the result is 0.
  double ToWorld(double pixel) const {
    if (Slope == 0) return 0;
    const long double v = (pixel - Offset) / Slope;
    return static_cast<double>(Logarithmic ? std::exp(v) : v);
  }

 private:
  // Adding and subtracting 1.5 * 2^52 leaves the nearest integer (ties to even) of any
  // |p| < 2^51 in the default rounding mode, without a library call.
  static int RoundHalfEven(double p) {
    constexpr double kMagic = 6755399441055744.0;
    return static_cast<int>((p + kMagic) - kMagic);
  }
};

// Coefficients of the horizontal and vertical axes. Raise EKPXKurvexError "Logarithmic axis
// must not be negative." for a logarithmic range with an end at or below zero.
TAxisMap MakeXAxisMap(const TAxisRange& range, const TPlotGeometry& g);
TAxisMap MakeYAxisMap(const TAxisRange& range, const TPlotGeometry& g);

struct TLayerMap {
  TAxisMap X;
  TAxisMap Y;

  TPoint ToPixel(double x, double y) const { return Point(X.ToPixel(x), Y.ToPixel(y)); }

  // Maps n points and clamps each to the drawable range, then subtracts origin: the canvas
  // points of a plot bitmap whose top-left pixel is control pixel origin.
  void ToCanvasPoints(const double* xs, const double* ys, std::size_t n, TPoint origin, TPoint* out) const {
    for (std::size_t i = 0; i < n; ++i) {
      out[i].X = ClampDrawable(X.ToPixel(xs[i])) - origin.X;
      out[i].Y = ClampDrawable(Y.ToPixel(ys[i])) - origin.Y;
    }
  }
};

}  // namespace kurvex
