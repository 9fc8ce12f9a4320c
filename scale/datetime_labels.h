#pragma once
// Label formats of calendar axes, built from a scale's TDTLabel, in the pattern language
// of FormatDateTime (common/datetime.h). Month names are the English abbreviations
// ("Dec"), the same on every machine.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/types.h"

namespace kurvex {

class TDTLabel;

// The sub-day levels of a calendar axis, finest first.
enum class TTimeLevel : std::uint8_t { tlHundredths, tlSeconds, tlMinutes, tlHours };

// The label of an axis value in days; values within 1e-8 of zero count as zero. Values
// are linear in time, also before 1899-12-30: -1.25 is 1899-12-28 18:00.
std::string FormatAxisDateTime(std::string_view format, double value);

// The full date that accompanies time labels: month, day and year in the label's order,
// "07-Dec-2026" with the scale defaults ("07-Dec" without a year).
std::string BuildDateFormat(bool monthName, TYearLength yearLength, TDateOrder order, char separator);
std::string BuildDateFormat(const TDTLabel& label);

// Labels of day ticks ("07-Dec-2026"; the separators stay when there is no year), of
// month ticks ("Dec-2026") and of the sub-day levels ("14:05", "2:05pm", "14h05:30").
std::string DayTickFormat(const TDTLabel& label);
std::string MonthTickFormat(const TDTLabel& label);
std::string TimeTickFormat(const TDTLabel& label, TTimeLevel level);

}  // namespace kurvex
