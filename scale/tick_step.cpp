#include "scale/tick_step.h"

#include <algorithm>
#include <cmath>

namespace kurvex {

namespace {

constexpr long double kMantissaEpsilon = 1e-10L;

// The smallest of 1, 2, 5 x 10^k that is at least x (x > 0).
long double RoundStepAtLeast(long double x) {
  const long double decade = std::pow(10.0L, std::floor(std::log10(x)));
  for (const long double m : {1.0L, 2.0L, 5.0L, 10.0L}) {
    if (m * decade >= x * (1 - 1e-12L)) return m * decade;
  }
  return 10 * decade;
}

TTickStep UnitStep(long double low, long double high, int dir) {
  const long double width = std::fabs(high - low);
  TTickStep r;
  r.Subdivisions = width > 10 ? 1 : 5;
  if (width <= kMaxUnitTicks) {
    r.Step = dir;
    r.First = std::trunc(low) - dir;
  } else {
    r.Step = dir * RoundStepAtLeast(width / kMaxUnitTicks);
    r.First = (std::trunc(low / r.Step) - 1) * r.Step;
  }
  return r;
}

TTickStep MantissaStep(int minTicks, long double low, long double high, int dir) {
  long double L = std::log10(std::fabs(high - low) / minTicks);
  long double F = L - std::trunc(L);
  if (std::fabs(F) < kMantissaEpsilon || std::fabs(F) > 1 - kMantissaEpsilon) {
    L = std::nearbyint(L);
    F = 0;
  }
  if (L < 0 && F != 0) L -= 1;
  if (F < 0) F += 1;
  TTickStep r;
  long double mantissa = 5;
  r.Subdivisions = 5;
  if (F < std::log10(2.0L) + kMantissaEpsilon) {
    mantissa = 1;
  } else if (F < std::log10(5.0L) + kMantissaEpsilon) {
    mantissa = 2;
    r.Subdivisions = 4;
  }
  r.Step = dir * mantissa * std::pow(10.0L, std::trunc(L));
  r.First = (std::trunc(low / r.Step) - 1) * r.Step;
  return r;
}

}  // namespace

TTickStep CalcTickStep(int minTicks, long double low, long double high) {
  if (low == high || !std::isfinite(low) || !std::isfinite(high) || !std::isfinite(high - low)) {
    return TTickStep{low, 0, 1};
  }
  const int dir = low < high ? 1 : -1;
  TTickStep r = minTicks <= 0 ? UnitStep(low, high, dir) : MantissaStep(minTicks, low, high, dir);
  // The start lies at most two steps before low, so this runs at most twice.
  while (dir * (low - r.First) > 0.001L * std::fabs(r.Step)) r.First += r.Step;
  return r;
}

int ResolveDecimals(int decPlaces, double low, double high) {
  if (decPlaces != -2 && decPlaces != -3) return decPlaces;
  const double d = std::fabs(high - low);
  if (!std::isfinite(d) || d >= 1e6 || d <= 1e-4) return -1;
  if (d >= 100) return 0;
  return 2 - static_cast<int>(std::nearbyint(std::log(d) / 2.5));
}

int ResolveLogDecimals(int decPlaces, double low, double high) {
  if (decPlaces != -2) return decPlaces;
  const double lo = std::min(low, high);
  const double hi = std::max(low, high);
  if (!(lo > 0) || !std::isfinite(hi) || hi - lo >= 1e6 || hi - lo <= 1e-4) return -1;
  if (lo >= 1) return 0;
  return 1 - static_cast<int>(std::nearbyint(std::log10(std::fabs(lo))));
}

}  // namespace kurvex
