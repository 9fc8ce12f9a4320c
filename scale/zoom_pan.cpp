#include "scale/zoom_pan.h"

#include <cmath>

// Every formula divides by the pixel span of the scale or by a distance from the fixed end;
// the result is checked once at the end instead of guarding each division.

namespace kurvex {

namespace {

bool IsHorizontal(TScaleType t) { return t == TScaleType::sctXB || t == TScaleType::sctXT; }

TScaleZoomPanResult Range(double low, double high) { return {true, low, high}; }

TScaleZoomPanResult Pan(const TScaleZoomPanArgs& a, bool horiz, double hs, double vs) {
  const double x = a.Current.X, y = a.Current.Y, x0 = a.Press.X, y0 = a.Press.Y;
  if (a.Logarithmic) {
    const double ratio = a.CurrentHigh / a.CurrentLow;
    const double f = horiz ? std::pow(ratio, (x0 - x) / hs) : std::pow(ratio, (y - y0) / vs);
    return Range(a.PressLow * f, a.PressHigh * f);
  }
  const double span = a.CurrentHigh - a.CurrentLow;
  if (horiz) {
    const double d = (x - x0) * span / hs;
    return Range(a.PressLow - d, a.PressHigh - d);
  }
  const double d = (y - y0) * span / vs;
  return Range(a.PressLow + d, a.PressHigh + d);
}

TScaleZoomPanResult Zoom(const TScaleZoomPanArgs& a, bool horiz, double hs, double vs) {
  const double x = a.Current.X, y = a.Current.Y, x0 = a.Press.X, y0 = a.Press.Y;
  const double W = a.Width, H = a.Height;
  const double L0 = a.PressLow, H0 = a.PressHigh, K = H0 - L0;
  const double G = std::sqrt(L0 * H0), J = std::sqrt(H0 / L0);
  if (horiz) {
    if (x0 >= a.MarginLeft + hs / 2) {  // pressed in the right half: the low end stays
      if (a.Logarithmic) return Range(L0, G * std::pow(J, (x0 - x) / hs + 1));
      return Range(L0, L0 + K * (x0 - a.MarginLeft) / (x - a.MarginLeft));
    }
    if (a.Logarithmic) return Range(G / std::pow(J, (x - x0) / hs + 1), H0);
    return Range(H0 - K * (W - x0 - a.MarginRight) / (W - x - a.MarginRight), H0);
  }
  if (y0 <= a.MarginTop + vs / 2) {  // pressed in the upper half: the low end stays
    if (a.Logarithmic) return Range(L0, G * std::pow(J, (y - y0) / vs + 1));
    return Range(L0, L0 + K * (H - y0 - a.MarginBottom) / (H - y - a.MarginBottom));
  }
  if (a.Logarithmic) return Range(G / std::pow(J, (y0 - y) / vs + 1), H0);
  return Range(H0 - K * (y0 - a.MarginTop) / (y - a.MarginTop), H0);
}

TScaleZoomPanResult ZoomDrag(const TScaleZoomPanArgs& a, bool horiz) {
  const double x = a.Current.X, y = a.Current.Y, x0 = a.Press.X, y0 = a.Press.Y;
  const double W = a.Width, H = a.Height;
  const double L0 = a.PressLow, H0 = a.PressHigh, K = H0 - L0, c = (L0 + H0) / 2;
  if (a.Logarithmic) {
    const double G = std::sqrt(L0 * H0), J = std::sqrt(H0 / L0);
    const double j = horiz ? std::pow(J, (x0 - x) / W + 1) : std::pow(J, (y - y0) / H + 1);
    return Range(G / j, G * j);
  }
  const double s = horiz ? 1 - (x - x0) / W : (y - y0) / H + 1;
  const double k = K * s / 2;
  return Range(c - k, c + k);
}

}  // namespace

TScaleZoomPanResult ScaleZoomPan(const TScaleZoomPanArgs& a) {
  const bool horiz = IsHorizontal(a.Type);
  const double hs = a.Width - a.MarginLeft - a.MarginRight;
  const double vs = a.Height - a.MarginTop - a.MarginBottom;
  TScaleZoomPanResult r;
  switch (a.Action) {
    case TMouseActMode::maPan: r = Pan(a, horiz, hs, vs); break;
    case TMouseActMode::maZoom: r = Zoom(a, horiz, hs, vs); break;
    case TMouseActMode::maZoomDrag: r = ZoomDrag(a, horiz); break;
    default: return {};
  }
  // A span of no pixels, a pointer on the fixed end or a range that overflows would give
  // an infinite or undefined end; a logarithmic range must stay above zero. Such a move
  // leaves the range as it is rather than making the next paint fail.
  const bool usable = (horiz ? hs : vs) > 0 && std::isfinite(r.Low) && std::isfinite(r.High) &&
                      r.Low != r.High && (!a.Logarithmic || (r.Low > 0 && r.High > 0));
  return usable ? r : TScaleZoomPanResult{};
}

}  // namespace kurvex
