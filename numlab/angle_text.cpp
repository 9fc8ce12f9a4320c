// Angle texts: degrees, degrees and minutes, degrees, minutes and seconds.
//
// The arithmetic runs in long double, so that multiplying by 60 or 3600 never overflows and
// the whole-degree and whole-minute parts stay exact; no value is ever converted to an
// integer type, which keeps every finite input well defined.

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "numlab/value_text.h"

namespace kurvex {

namespace {

constexpr int kMaxAngleDecimals = 8;

// A difference this small from a whole number is floating-point noise, not a real fraction.
constexpr long double kSnapDistance = 3e-12L;

// 10^-n for n = 0..8, each the double nearest to the exact power.
constexpr double kRoundingSteps[kMaxAngleDecimals + 1] = {1.0,  0.1,   0.01,   0.001,   0.0001,
                                                          1e-5, 1e-6, 1e-7, 1e-8};

// x rounded to the nearest multiple of 10^-n, an exact half away from zero.
long double SimpleRound(long double x, int n) {
  const long double step = kRoundingSteps[n];
  const long double r = std::trunc(std::fabs(x) / step + 0.5L) * step;
  return x < 0 ? -r : r;
}

// The nearest whole number when x lies within the noise distance of it, else x.
long double SnapToWhole(long double x) {
  const long double whole = std::nearbyint(x);
  return std::fabs(x - whole) < kSnapDistance ? whole : x;
}

// x in fixed notation with `decimals` decimals, right-justified to at least `width`.
std::string Str(long double x, int width, int decimals) { return FormatFixedDigits(x, decimals, width); }

long double Frac(long double x) { return x - std::trunc(x); }

// The degrees part: the whole degrees, or "-0" for a negative angle below one degree.
std::string DegreesPart(long double a) {
  const long double degrees = std::trunc(a);
  return (degrees != 0 || a >= 0) ? Str(degrees, 1, 0) : std::string("-0");
}

int ClampDecimals(int decimals) { return std::clamp(decimals, 0, kMaxAngleDecimals); }

}  // namespace

std::string DegreeText(double value, int decimals) {
  if (!std::isfinite(value)) return {};
  return Str(value, 1, ClampDecimals(decimals)) + kDegreeSign;
}

std::string DegreeMinuteText(double value, int decimals) {
  if (!std::isfinite(value)) return {};
  const int q = ClampDecimals(decimals);
  const long double a = SnapToWhole(SimpleRound(static_cast<long double>(value) * 60, q) / 60);
  std::string text = DegreesPart(a);
  text += kDegreeSign;
  text += ' ';
  text += Str(Frac(std::fabs(a)) * 60, q + 3, q);
  text += '\'';
  return text;
}

std::string DegreeMinuteSecondText(double value, int decimals) {
  if (!std::isfinite(value)) return {};
  const int q = ClampDecimals(decimals);
  const long double a = SnapToWhole(SimpleRound(static_cast<long double>(value) * 3600, q) / 3600);
  std::string text = DegreesPart(a);
  text += kDegreeSign;
  text += ' ';
  const long double minutes = SnapToWhole(Frac(std::fabs(a)) * 60);
  text += Str(std::trunc(minutes), 2, 0);
  text += "' ";
  text += Str(Frac(minutes) * 60, q + 3, q);
  text += '"';
  return text;
}

}  // namespace kurvex
