#pragma once
// The calendar levels of a date/time axis: days, months and years.

#include "common/datetime.h"
#include "scale/tick_list.h"

namespace kurvex {

class TScale;

namespace calendar {

// Walks end with the last day the calendar knows, 9999-12-31.
inline constexpr double kEndOfCalendar = kMaxDateDay + 1.0;

// interval: the range in days divided by the number of ticks asked for.
void DayWalk(const TScale& scale, TTickList& out, double interval);
void MonthWalk(const TScale& scale, TTickList& out);
void YearWalk(const TScale& scale, TTickList& out);

}  // namespace calendar
}  // namespace kurvex
