// The calendar axis (ftDateTime): the choice of the level, the two messages, and the
// sub-day levels (hours, minutes, seconds, hundredths) with their date labels.

#include <array>
#include <cmath>

#include "common/datetime.h"
#include "scale/calendar_walk.h"
#include "scale/datetime_labels.h"
#include "scale/tick_engine.h"
#include "scale/walk_support.h"

namespace kurvex {

namespace {

constexpr double kSecond = 1.0 / 86400;

// One sub-day level: units per day, the steps in units and the short-tick spacing of each.
struct TimeLevelSteps {
  TTimeLevel Level;
  double UnitsPerDay;
  std::array<int, 6> Steps;
  std::array<int, 6> Shorts;
};

constexpr TimeLevelSteps kHours{TTimeLevel::tlHours, 24, {1, 2, 3, 6, 8, 12}, {1, 1, 1, 2, 2, 3}};
constexpr TimeLevelSteps kMinutes{TTimeLevel::tlMinutes, 1440, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TimeLevelSteps kSeconds{TTimeLevel::tlSeconds, 86400, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TimeLevelSteps kHundredths{TTimeLevel::tlHundredths, 8640000, {1, 2, 5, 10, 20, 50}, {1, 1, 1, 5, 10, 10}};

// An instant within this fraction of a unit of a whole unit counts as on it (the days of
// an axis value carry rounding errors of about 1e-11 day).
constexpr long double kUnitTolerance = 1e-3L;

// Whether a date label goes with the labelled tick at v, and keeps the per-paint memory
// of the last one drawn.
class DateLabelRule {
 public:
  explicit DateLabelRule(TDateForTime mode) : mode_(mode) {}
  bool Wanted(double v) {
    int year = 0, month = 0, day = 0;
    const bool decoded = DecodeDate(std::fabs(v) < 1e-8 ? 0.0 : v, year, month, day);
    bool wanted = false;
    switch (mode_) {
      case TDateForTime::dtNone: break;
      case TDateForTime::dtOnePerChart: wanted = last_day_ == kNone; break;
      case TDateForTime::dtOnePerDay: wanted = decoded && day != last_day_; break;
      case TDateForTime::dtAllTicks: wanted = true; break;
    }
    if (wanted) last_day_ = decoded ? day : 0;
    return wanted;
  }

 private:
  static constexpr int kNone = -1;
  TDateForTime mode_;
  int last_day_ = kNone;
};

void SubDayWalk(const TScale& s, TTickList& out, const TimeLevelSteps& level, double interval) {
  const double low = s.RangeLow(), high = s.RangeHigh();
  const long double U = level.UnitsPerDay;
  std::size_t i = 0;
  while (i + 1 < level.Steps.size() && walk::Fits(level.Steps[i + 1], interval * U)) ++i;
  const int S = level.Steps[i];
  // The first instant at or after RangeLow that is a whole multiple of S units after midnight.
  const long double day = std::floor(static_cast<long double>(low));
  long double e = std::ceil(U * (low - day) - kUnitTolerance);
  const long double over = std::fmod(e, static_cast<long double>(S));
  if (over != 0) e += S - over;
  const long double first = day + e / U;
  const long double step = S / U;
  const long double shortStep = level.Shorts[i] / U;
  const long double from = low - kUnitTolerance / U;  // RangeLow, with the same tolerance

  long double start = first;
  if (s.ShortTicks()) {
    while (start > low) start -= shortStep;
  }
  const long double inc = s.ShortTicks() ? shortStep : step;
  const std::string time_format = TimeTickFormat(s.DateFormat(), level.Level);
  const std::string date_format = BuildDateFormat(s.DateFormat());
  DateLabelRule dates(s.DateFormat().DateForTime());
  out.CentreOnOwnHeight = true;
  for (long k = 0; !walk::Full(out); ++k) {
    const long double v = start + k * inc;
    if (!(v - high < 1e-8L) || v >= calendar::kEndOfCalendar) break;
    if (v < from) continue;
    const long double units = v / step;
    const bool labelled = !s.ShortTicks() || std::fabs(units - std::round(units)) < 0.1L;
    const double value = static_cast<double>(v);
    TTick& t = walk::Add(s, out, value, labelled ? TTickMark::tmLong : TTickMark::tmShort, true);
    if (!labelled) continue;
    walk::SetLabel(t, FormatAxisDateTime(time_format, value));
    if (dates.Wanted(value)) {
      t.Dated = true;
      t.DateLabel = FormatAxisDateTime(date_format, value);
    }
  }
}

void AddMessage(const TScale& s, TTickList& out, TScaleMessage message) {
  out.Message = message;
  out.MessagePos = s.ValueToPixel((s.RangeLow() + s.RangeHigh()) / 2);
}

}  // namespace

int DateTimeMinTicks(int minTicks) { return minTicks == 0 ? 2 : minTicks; }

void DateTimeWalk(const TScale& s, TTickList& out) {
  const double low = s.RangeLow(), high = s.RangeHigh();
  if (!(high >= low && low >= kMinDateDay && high <= 3000000)) {
    AddMessage(s, out, TScaleMessage::smInvalidDateTime);
    return;
  }
  if (low >= calendar::kEndOfCalendar) return;  // after 9999-12-31: no calendar to tick
  const double I = (high - low) / DateTimeMinTicks(s.MinTicks());
  const bool vertical = !s.IsHorizontal();
  // Only vertical scales have room for the long hundredths labels.
  if (vertical ? I <= 1.1574074074074074e-7 : I <= 1.1574e-5) {
    AddMessage(s, out, TScaleMessage::smBelowOneSecond);
  } else if (vertical && I <= kSecond) {
    SubDayWalk(s, out, kHundredths, I);
  } else if (vertical ? I <= 60 * kSecond : I <= 6.9444e-4) {
    SubDayWalk(s, out, kSeconds, I);
  } else if (I <= 0.041667) {
    SubDayWalk(s, out, kMinutes, I);
  } else if (I <= 1) {
    SubDayWalk(s, out, kHours, I);
  } else if (I <= 30) {
    calendar::DayWalk(s, out, I);
  } else if (I <= 366) {
    calendar::MonthWalk(s, out);
  } else {
    calendar::YearWalk(s, out);
  }
}

}  // namespace kurvex
