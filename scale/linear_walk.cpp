// The linear walk: short ticks first, then the labelled ticks with their numbers.

#include <cmath>

#include "scale/tick_engine.h"
#include "scale/tick_step.h"
#include "scale/walk_support.h"

namespace kurvex {

namespace {

// A tick within 1e-14 of the range width of zero is exactly zero: a sum of steps that
// misses zero by a rounding error must not show as "1.4E-17".
double SnapZero(long double v, const TScale& s) {
  const double d = static_cast<double>(v);
  return std::fabs(d / (s.RangeHigh() - s.RangeLow())) < 1e-14 ? 0.0 : d;
}

std::string NumberText(const TScale& s, double v, int decimals) {
  const double low = s.RangeLow(), high = s.RangeHigh();
  std::string text;
  if (v == 0) {
    text = std::fabs(high - low) <= 100000 ? FormatTickNumber(0, decimals) : (decimals != 0 ? "0.0" : "0");
  } else {
    text = FormatTickNumber(v, decimals);
  }
  if (text.size() > kMaxTickLabelLength) text.resize(kMaxTickLabelLength);
  // Whole-number labels only: a tick between integers gets no text.
  if (s.DecPlaces() == 0 && std::fabs(v - std::nearbyint(v)) > 1e-6) text.clear();
  return text;
}

}  // namespace

void LinearWalk(const TScale& s, TTickList& out) {
  const long double low = s.RangeLow(), high = s.RangeHigh();
  const TTickStep ts = CalcTickStep(s.MinTicks(), low, high);
  if (ts.Step == 0) return;
  const int dir = high > low ? 1 : -1;
  // v may pass RangeHigh by a thousandth of the walk's step.
  const auto inside = [&](long double v, long double step) { return dir * 0.001L * step >= dir * (v - high); };

  if (s.ShortTicks()) {
    const long double shortStep = ts.Step / ts.Subdivisions;
    const long double start = ts.First - ts.Step;
    // Ticks meant to fall on RangeLow count as on it despite rounding.
    const long double from = dir * low - 1e-9L * std::fabs(shortStep);
    for (long k = 0; !walk::Full(out); ++k) {
      const long double v = start + k * shortStep;
      if (dir * v >= from) walk::Add(s, out, SnapZero(v, s), TTickMark::tmShort, true);
      if (!inside(start + (k + 1) * shortStep, shortStep)) break;
    }
  }

  const int decimals = ResolveDecimals(s.DecPlaces(), s.RangeLow(), s.RangeHigh());
  // Horizontal scales leave the labelled values to the short ticks, which fall on them.
  const bool recorded = !s.IsHorizontal() || !s.ShortTicks();
  const bool labelled = s.LabelType() != TFigType::ftNoFigs;
  for (long k = 0; !walk::Full(out); ++k) {
    const double v = SnapZero(ts.First + k * ts.Step, s);
    TTick& t = walk::Add(s, out, v, TTickMark::tmLong, recorded);
    if (labelled) walk::SetLabel(t, walk::FinishLabel(s, NumberText(s, v, decimals), static_cast<int>(k + 1)));
    if (!inside(ts.First + (k + 1) * ts.Step, ts.Step)) break;
  }
}

}  // namespace kurvex
