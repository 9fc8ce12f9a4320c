// The logarithmic walk: decades, and with enough ticks asked for, the 2..9 multiples of
// each decade (2 and 5 labelled).

#include <algorithm>
#include <cmath>

#include "scale/tick_engine.h"
#include "scale/tick_step.h"
#include "scale/walk_support.h"

namespace kurvex {

namespace {

constexpr long double K = 0.999999999L;

std::string LogLabelText(const TScale& s, long double v, int multiple, long double decade, int decimals) {
  std::string text;
  if (decimals == -3) {
    // Decade ticks show the exponent; the 2 and 5 ticks stay empty.
    if (multiple == 1) text = FormatTickNumber(std::nearbyint(std::log10(static_cast<double>(decade))), 0);
  } else {
    text = FormatTickNumber(static_cast<double>(v), decimals);
  }
  if (text.size() > kMaxTickLabelLength) text.resize(kMaxTickLabelLength);
  if (s.DecPlaces() == -2) StripTrailingZeros(text);
  return text;
}

}  // namespace

void LogWalk(const TScale& s, TTickList& out) {
  const double low = s.RangeLow(), high = s.RangeHigh();
  if (!(low > 0 && high > 0) || !std::isfinite(low) || !std::isfinite(high)) return;
  const double lg = std::log10(high / low);
  if (std::fabs(lg) < 1) {
    LinearWalk(s, out);
    return;
  }
  const bool many = s.MinTicks() > std::fabs(lg) + 0.5;
  const long double lo = std::min(low, high), hi = std::max(low, high);
  const int decimals = ResolveLogDecimals(s.DecPlaces(), low, high);
  const bool vertical = !s.IsHorizontal();
  const bool labels = s.LabelType() != TFigType::ftNoFigs;
  const long double first = std::pow(10.0L, std::floor(std::log10(lo * K)));
  int k = 0;
  for (long double decade = first; !walk::Full(out); decade *= 10) {
    for (int i = 1; i <= (many ? 9 : 1); ++i) {
      const bool labelled = i == 1 || i == 2 || i == 5;
      // Vertical scales visit the minor ticks only to draw them.
      if (!labelled && vertical && !s.ShortTicks()) continue;
      const long double v = i * decade;
      if (!(lo * K < v && v < hi / K)) continue;
      const double value = static_cast<double>(v);
      if (labelled) {
        TTick& t = walk::Add(s, out, value, TTickMark::tmLong, true);
        if (labels) walk::SetLabel(t, walk::FinishLabel(s, LogLabelText(s, v, i, decade, decimals), ++k));
      } else if (vertical) {
        walk::Add(s, out, value, TTickMark::tmLong, true);
      } else {
        // Horizontal minor ticks are reported even when they are not drawn.
        const bool drawn = s.ShortTicks();
        walk::Add(s, out, value, drawn ? TTickMark::tmShort : TTickMark::tmNone, drawn);
      }
    }
    if (hi < K * decade * 10) break;
  }
}

}  // namespace kurvex
