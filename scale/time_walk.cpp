// The elapsed-time walk (ftTime): steps from 1 ms to 12 hours, labels like " 01:20:00".

#include <array>
#include <cmath>
#include <cstdio>

#include "scale/tick_engine.h"
#include "scale/walk_support.h"

namespace kurvex {

namespace {

struct TimeStep {
  double Seconds;
  int Subdivisions;
};

constexpr std::array<TimeStep, 28> kTimeSteps = {{
    {0.001, 5}, {0.002, 4}, {0.005, 5}, {0.01, 5},  {0.02, 4},  {0.05, 5},   {0.1, 5},    {0.2, 4},
    {0.5, 5},   {1, 5},     {2, 4},     {5, 5},     {10, 5},    {20, 4},     {30, 6},     {60, 6},
    {120, 6},   {180, 6},   {300, 5},   {600, 5},   {1200, 6},  {1800, 6},   {3600, 6},   {7200, 4},
    {14400, 4}, {21600, 6}, {43200, 6}, {86400, 6},
}};

constexpr long double K = 0.999999999L;

// The largest step not above the interval; nullptr below the first one.
const TimeStep* StepFor(double interval) {
  const TimeStep* found = nullptr;
  for (const TimeStep& step : kTimeSteps) {
    if (walk::Fits(step.Seconds, interval)) found = &step;
  }
  return found;
}

}  // namespace

std::string SecondsToText(double seconds, bool milliseconds) {
  // Rounded to whole milliseconds first, so that 1.9999999 s reads as 2 s, not as 1 s and
  // 1000 ms. Extended precision keeps huge values exact enough and free of overflow.
  const long double total_ms = std::round(std::fabs(static_cast<long double>(seconds)) * 1000);
  const long double total_s = std::floor(total_ms / 1000);
  const long double hours = std::floor(total_s / 3600);
  const long double rest = total_s - hours * 3600;
  const int minutes = static_cast<int>(rest / 60);
  const int secs = static_cast<int>(rest - minutes * 60);
  const int ms = static_cast<int>(total_ms - total_s * 1000);
  const char sign = seconds >= 0 ? ' ' : '-';
  char text[64];
  if (milliseconds) {
    std::snprintf(text, sizeof text, "%c%02.0Lf:%02d:%02d.%03d", sign, hours, minutes, secs, ms);
  } else {
    std::snprintf(text, sizeof text, "%c%02.0Lf:%02d:%02d", sign, hours, minutes, secs);
  }
  return text;
}

bool TimeWalk(const TScale& s, TTickList& out) {
  const double low = s.RangeLow(), high = s.RangeHigh();
  const int n = DateTimeMinTicks(s.MinTicks());
  const double width = std::fabs(high - low);
  const TimeStep* table = std::isfinite(width) ? StepFor(width / n) : nullptr;
  if (table == nullptr || table == &kTimeSteps.back()) return false;

  const int dir = high > low ? 1 : -1;
  const long double step = dir * static_cast<long double>(table->Seconds);
  const long double shortStep = step / table->Subdivisions;
  const long count = static_cast<long>(width / std::fabs(static_cast<double>(shortStep))) + 5;
  // The first tick lies at or before RangeLow in the walk's direction, also on negative
  // times and reversed scales (a quotient below zero is floored, not truncated).
  const long double q = low / step;
  const long double first = std::floor(q >= 0 ? q / K : q * K) * step;
  // The window widens both ends by a hair, whichever way the scale runs.
  const long double lo = std::min(low, high), hi = std::max(low, high);
  const long double lower = lo >= 0 ? lo * K : lo / K;
  const long double upper = hi > 0 ? hi / K : hi * K;
  const auto inside = [&](long double v) { return lower <= v && v <= upper; };
  out.CentreOnOwnHeight = true;

  if (s.ShortTicks()) {
    int last_pos = 0;
    bool drawn = false;
    for (long k = 0; k <= count && !walk::Full(out); ++k) {
      const long double v = first + k * shortStep;
      const double value = static_cast<double>(v);
      if (inside(v)) {
        last_pos = walk::Add(s, out, value, TTickMark::tmShort, true).Pos;
        drawn = true;
      } else {
        // Reported all the same, at the last drawn tick (at its own pixel before any).
        TTick& t = walk::Add(s, out, value, TTickMark::tmNone, false);
        if (drawn) t.Pos = last_pos;
      }
    }
  }

  const bool with_ms = table->Seconds <= 0.5;
  for (long k = 0; k <= count && !walk::Full(out); ++k) {
    const long double v = first + k * shortStep;
    const long double whole = std::round(v / step);
    if (std::fabs(v / step - whole) > 0.01 || !inside(v)) continue;
    // Labelled values are the exact multiples of the step: -0.1 + 0.1 must read 00:00:00.
    const double value = static_cast<double>(whole * step);
    TTick& t = walk::Add(s, out, value == 0 ? 0.0 : value, TTickMark::tmLong, true);
    walk::SetLabel(t, SecondsToText(t.Value, with_ms));
  }
  return true;
}

}  // namespace kurvex
