#include "chart/interact/gesture_ranges.h"

#include <cmath>
#include <utility>

namespace kurvex {

namespace {

// A computed range, or no change when it cannot be used (an overflow after long
// zoom-outs, a logarithmic end pushed to zero, a division by a zero size).
TAxisChange Checked(double low, double high, bool logarithmic) {
  if (!UsableRange(low, high, logarithmic)) return {};
  return {true, low, high};
}

}  // namespace

bool UsableRange(double low, double high, bool logarithmic) {
  if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(high - low) || low == high) return false;
  return !logarithmic || (low >= kMinLogEnd && high >= kMinLogEnd);
}

TAxisChange PanX(const TDragAxis& axis, int moved, int span) {
  if (span <= 0) return {};
  if (axis.Logarithmic) {
    const double f = std::pow(axis.High / axis.Low, static_cast<double>(-moved) / span);
    return Checked(axis.SavedLow * f, axis.SavedHigh * f, true);
  }
  const double d = (axis.High - axis.Low) * moved / span;
  return Checked(axis.SavedLow - d, axis.SavedHigh - d, false);
}

TAxisChange PanY(const TDragAxis& axis, int moved, int span) {
  if (span <= 0) return {};
  if (axis.Logarithmic) {
    const double f = std::pow(axis.High / axis.Low, static_cast<double>(moved) / span);
    return Checked(axis.SavedLow * f, axis.SavedHigh * f, true);
  }
  const double d = (axis.High - axis.Low) * moved / span;
  return Checked(axis.SavedLow + d, axis.SavedHigh + d, false);
}

TAxisChange SnapToPanGrid(const TAxisChange& pan, const TDragAxis& axis, double step, double offset) {
  if (!pan.Changes) return pan;
  const double low = step > 0 ? std::trunc(pan.Low / step) * step + offset : pan.Low;
  return Checked(low, axis.SavedHigh - (axis.SavedLow - low), axis.Logarithmic);
}

double ZoomDragFactorX(int moved, int width) { return width > 0 ? 1 - static_cast<double>(moved) / width : 1; }

double ZoomDragFactorY(int moved, int height) { return height > 0 ? 1 + static_cast<double>(moved) / height : 1; }

TAxisChange ZoomAboutCentre(const TDragAxis& axis, double factor) {
  if (!(factor > 0)) return {};
  if (axis.Logarithmic) {
    // Scaling about the arithmetic centre would push the low end to zero and below after a
    // short zoom-out; in logarithmic units the rule is the same and the ends stay positive.
    const double lo = std::log(axis.SavedLow), hi = std::log(axis.SavedHigh);
    const double c = (lo + hi) / 2, h = (hi - lo) * factor / 2;
    return Checked(std::exp(c - h), std::exp(c + h), true);
  }
  const double c = (axis.SavedLow + axis.SavedHigh) / 2;
  const double h = (axis.SavedHigh - axis.SavedLow) * factor / 2;
  return Checked(c - h, c + h, false);
}

void OrderLikeAxis(double& v1, double& v2, double low, double high) {
  if ((v2 < v1 && low < high) || (v2 > v1 && low > high)) std::swap(v1, v2);
}

}  // namespace kurvex
