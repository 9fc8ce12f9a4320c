#include "chart/render/grid_walk.h"

#include <algorithm>
#include <cmath>

namespace kurvex::render {

namespace {

// v as 10^e x d with e = floor(log10 v) and d = round(10^(log10 v - e)), the leading digit
// (10 when v is a hair below the next decade). A logarithm within 1e-14 of an integer is
// taken as that integer, so that 1000 stays 10^3 x 1 and never turns into 10^2 x 10.
struct TDecimal {
  double Decade;  // 10^e
  double Digit;   // d
};

TDecimal SplitDecimal(double v) {
  double lg = std::log10(v);
  const double whole = std::nearbyint(lg);
  if (std::fabs(lg - whole) < 1e-14) lg = whole;
  const double e = std::floor(lg);
  return {std::pow(10.0, e), std::nearbyint(std::pow(10.0, lg - e))};
}

// The 1-2-5 step: 1 -> 2, 2 -> 5, 5 -> the next decade. A leading digit off the sequence
// (only the low end can have one) goes to the next value of the sequence above it.
double NextOneTwoFive(double v) {
  const TDecimal s = SplitDecimal(v);
  if (s.Digit < 2) return 2 * s.Decade;
  if (s.Digit < 5) return 5 * s.Decade;
  return 10 * s.Decade;
}

double NextLeadingDigit(double v) {
  const TDecimal s = SplitDecimal(v);
  return (s.Digit + 1) * s.Decade;
}

class Walk {
 public:
  Walk(double high, TGridValues& out) : high_(high), out_(out) { out_.Count = 0; }

  bool Full() const { return out_.Count >= kMaxGridValues; }
  // Keeps v when it lies below the upper end; false once v does not (which ends a walk of
  // rising values).
  bool Visit(double v) {
    if (!(v < high_)) return false;
    out_.Values[static_cast<std::size_t>(out_.Count++)] = v;
    return true;
  }

 private:
  double high_;
  TGridValues& out_;
};

void WalkSteps(double first, double step, Walk& walk) {
  // first + k * step rather than repeated addition, so that the k-th value carries one
  // rounding only and the upper end, when it is a multiple, is met exactly.
  for (int k = 0; !walk.Full(); ++k) {
    if (!walk.Visit(first + k * step)) return;
  }
}

template <typename Next>
void WalkLogarithmic(double first, Next next, Walk& walk) {
  for (double v = first; !walk.Full(); v = next(v)) {
    if (!walk.Visit(v)) return;
  }
}

void WalkRecordedTicks(const TScale& S, Walk& walk) {
  const int n = S.NumTicks();
  if (n == 0) {
    walk.Visit(std::min(S.RangeLow(), S.RangeHigh()));
    return;
  }
  // A value at or past the upper end is passed over rather than ending the walk: the ticks
  // of a reversed axis come from its upper end downwards.
  for (int k = 1; k <= n && !walk.Full(); ++k) walk.Visit(S.TickPosition(k));
}

}  // namespace

void WalkGrid(double D, const TScaleProps& P, const TScale& S, TGridValues& out) {
  const double low = std::min(P.RangeLow(), P.RangeHigh());
  const double high = std::max(P.RangeLow(), P.RangeHigh());
  Walk walk(high, out);
  if (D == 0) {
    WalkRecordedTicks(S, walk);
    return;
  }
  if (!P.Logarithmic() || D > 0) {
    WalkSteps(std::ceil(low / D) * D, std::fabs(D), walk);
    return;
  }
  if (!(low > 0) || !std::isfinite(low)) return;
  if (D == -1) {
    WalkLogarithmic(std::pow(10.0, std::ceil(std::log10(low))), [](double v) { return 10 * v; }, walk);
  } else if (D == -2) {
    const TDecimal s = SplitDecimal(low);
    const double digit = s.Digit <= 2 ? 2 : s.Digit <= 5 ? 5 : 10;
    WalkLogarithmic(digit * s.Decade, NextOneTwoFive, walk);
  } else if (D == -3) {
    const TDecimal s = SplitDecimal(low);
    WalkLogarithmic(s.Digit * s.Decade, NextLeadingDigit, walk);
  } else {
    WalkLogarithmic(low, NextLeadingDigit, walk);
  }
}

}  // namespace kurvex::render
