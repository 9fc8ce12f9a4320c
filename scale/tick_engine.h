#pragma once
// The tick walks of a scale. Each reads the scale's range, orientation and label settings
// and appends the ticks it would draw to a list, in drawing order; the paint step
// (scale_paint.cpp) draws that list, fires the events and records the tick values.

#include <string>

#include "scale/tick_list.h"

namespace kurvex {

class TScale;

// Empties the list and runs the walk the scale's label type and mapping ask for:
// ftDateTime the calendar walk, ftTime the time walk (or, when it declines, the numeric
// one), otherwise the logarithmic or the linear walk.
void BuildTicks(const TScale& scale, TTickList& out);

// Numeric walks. A logarithmic range of less than a decade runs the linear walk; one that
// reaches 0 or below has no ticks at all (its mapping is undefined), only the base line
// and the caption are drawn.
void LinearWalk(const TScale& scale, TTickList& out);
void LogWalk(const TScale& scale, TTickList& out);

// Calendar axis (values in days since 1899-12-30): hundredths (vertical scales only),
// seconds, minutes, hours, days, months or years by the interval per tick, or a message.
void DateTimeWalk(const TScale& scale, TTickList& out);

// Elapsed-time axis (values in seconds). Returns false, adding nothing, when no step of
// its table fits (intervals below 1 ms or of a day and more); the numeric walk runs then.
bool TimeWalk(const TScale& scale, TTickList& out);

// " 01:23:45" or, with milliseconds, " 01:23:45.500": a blank or "-", then hours (at least
// two digits, not wrapped at 24), minutes and seconds.
std::string SecondsToText(double seconds, bool milliseconds);

// MinTicks 0 asks for unit steps, which a clock or calendar axis does not have; those
// axes then take the fewest ticks MinTicks allows otherwise.
int DateTimeMinTicks(int minTicks);

}  // namespace kurvex
