#include "scale/calendar_walk.h"

#include <array>
#include <cmath>

#include "scale/datetime_labels.h"
#include "scale/tick_engine.h"
#include "scale/walk_support.h"

namespace kurvex::calendar {

namespace {

// The largest table entry not above x, at least the first.
template <std::size_t N>
int LargestAtMost(const std::array<int, N>& table, double x) {
  int found = table[0];
  for (const int entry : table) {
    if (walk::Fits(entry, x)) found = entry;
  }
  return found;
}

// The remainder that keeps its sign from the divisor, so that the pattern of labelled days
// carries on unbroken across day 0 (1899-12-30).
long long FloorMod(long long a, long long m) {
  const long long r = a % m;
  return r < 0 ? r + m : r;
}

int YearOf(double value) {
  int year = 1, month = 1, day = 1;
  DecodeDate(value, year, month, day);
  return year;
}

}  // namespace

void DayWalk(const TScale& s, TTickList& out, double interval) {
  static constexpr std::array<int, 6> kDaySteps = {1, 2, 3, 7, 14, 28};
  const double low = s.RangeLow(), high = s.RangeHigh();
  const int S = LargestAtMost(kDaySteps, interval);
  const double jan1 = EncodeDate(YearOf(low), 1, 1);
  const double start = jan1 + S * std::trunc((low - jan1) / S);
  const long long r = FloorMod(std::llround(start), S);
  const int inc = !s.ShortTicks() ? S : S <= 7 ? 1 : 7;
  const std::string format = DayTickFormat(s.DateFormat());
  for (long k = 0; !walk::Full(out); ++k) {
    const double v = start + static_cast<double>(k) * inc;
    if (!(v - high < 1e-8) || v >= kEndOfCalendar) break;
    if (v < low) continue;
    const bool labelled = !s.ShortTicks() || FloorMod(std::llround(v), S) == r;
    TTick& t = walk::Add(s, out, v, labelled ? TTickMark::tmLong : TTickMark::tmShort, true);
    if (labelled) walk::SetLabel(t, FormatAxisDateTime(format, v));
  }
}

void MonthWalk(const TScale& s, TTickList& out) {
  static constexpr std::array<int, 5> kMonthSteps = {1, 2, 3, 4, 6};
  const double low = s.RangeLow(), high = s.RangeHigh();
  const int n = DateTimeMinTicks(s.MinTicks());
  const int S = LargestAtMost(kMonthSteps, (high - low) / 30.4375 / n);
  int year = 1, month = 1, day = 1;
  DecodeDate(low, year, month, day);
  const auto advance = [&](int months) {
    month += months;
    while (month > 12) {
      month -= 12;
      ++year;
    }
  };
  // Without short ticks the labelled months are January and every S-th month from it.
  if (S > 1 && !s.ShortTicks()) {
    do advance(1);
    while (month % S != 1);
  }
  const std::string format = MonthTickFormat(s.DateFormat());
  while (year <= 9999 && !walk::Full(out)) {
    const double v = EncodeDate(year, month, 1);
    if (!(v - high < 1e-8)) break;
    if (v >= low) {
      const bool labelled = !s.ShortTicks() || S == 1 || month % S == 1;
      TTick& t = walk::Add(s, out, v, labelled ? TTickMark::tmLong : TTickMark::tmShort, true);
      if (labelled) walk::SetLabel(t, FormatAxisDateTime(format, v));
    }
    advance(s.ShortTicks() ? 1 : S);
  }
}

void YearWalk(const TScale& s, TTickList& out) {
  const double low = s.RangeLow(), high = s.RangeHigh();
  const double a = std::max(1.0, (high - low) / 365.25 / DateTimeMinTicks(s.MinTicks()));
  const double L = std::log10(a);
  const double fraction = std::pow(10.0, L - std::trunc(L));
  const int mantissa = fraction < 2 ? 1 : fraction < 5 ? 2 : 5;
  const long long h = std::llround(std::pow(10.0, std::trunc(L)) * mantissa);
  long long spacing = h;
  if (s.ShortTicks() && h > 1) spacing = std::llround(mantissa == 5 ? h / 5.0 : h / 2.0);

  long long year = YearOf(low);
  year = (year + spacing - 1) / spacing * spacing;  // the smallest multiple at or after it
  if (EncodeDate(static_cast<int>(std::min(year, 9999LL)), 1, 1) < low) year += spacing;
  const TYearLength length = s.DateFormat().YearLength();
  for (; year <= 9999 && !walk::Full(out); year += spacing) {
    const double v = EncodeDate(static_cast<int>(year), 1, 1);
    if (!(v - high < 1e-8)) break;
    const bool labelled = !s.ShortTicks() || year % h == 0;
    TTick& t = walk::Add(s, out, v, labelled ? TTickMark::tmLong : TTickMark::tmShort, true);
    if (!labelled) continue;
    std::string text;
    if (length == TYearLength::ylYY) {
      text = FormatAxisDateTime("yy", v);
    } else if (length == TYearLength::ylYYYY) {
      text = std::to_string(year);
    }
    walk::SetLabel(t, std::move(text));
  }
}

}  // namespace kurvex::calendar
