#pragma once
// Date and time values: days since 1899-12-30 00:00 as a double, the fraction being the time
// of day. Values are linear in time, also below zero: -1.25 is 1899-12-28 18:00 (the date is
// the floor of the value, the time its distance above the floor). The calendar is the
// proleptic Gregorian one, supported from 0001-01-01 (day -693593) to 9999-12-31
// (day 2958465).
//
// Decoding first rounds the instant to whole milliseconds and carries into seconds, minutes,
// hours and the date, so 23:59:59.9996 reads as 00:00:00.000 of the next day. A value whose
// rounded instant lies outside the supported dates (or is NaN or infinite) cannot be decoded.

#include <cstdint>
#include <string>
#include <string_view>

namespace kurvex {

inline constexpr std::int32_t kMinDateDay = -693593;  // 0001-01-01
inline constexpr std::int32_t kMaxDateDay = 2958465;  // 9999-12-31

// What FormatDateTime writes for a value that cannot be decoded.
inline constexpr const char* kInvalidDateText = "invalid date";

struct TDateTimeParts {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

bool IsLeapYear(int year);
// Days in the month of a year, 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Day number of a date of years 1..9999. The Try form returns false for an invalid date;
// the other raises EConvertError naming the date.
bool TryEncodeDate(int year, int month, int day, double& result);
double EncodeDate(int year, int month, int day);

// Fraction of a day for 0..23 h, 0..59 min, 0..59 s, 0..999 ms; as above for errors.
bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& result);
double EncodeTime(int hour, int minute, int second, int millisecond);

// EncodeDate + EncodeTime: an instant, linear also before 1899-12-30.
double EncodeDateTime(const TDateTimeParts& parts);

// Calendar parts of a value; false (and the parts untouched) when it cannot be decoded.
bool DecodeDateTime(double value, TDateTimeParts& parts);
bool DecodeDate(double value, int& year, int& month, int& day);
bool DecodeTime(double value, int& hour, int& minute, int& second, int& millisecond);

// Day of the week of a decodable value, 1 = Sunday … 7 = Saturday; 0 when not decodable.
int DayOfWeek(double value);

// Formats a value with a pattern. Letters are matched without regard to case, and a run of
// the same letter is one field:
//   yyyy (or longer) four-digit year     yy, y   two-digit year
//   mmmm (or longer) month name "January"  mmm  "Jan"   mm  "01"   m  "1"
//   dddd (or longer) weekday "Sunday"      ddd  "Sun"   dd  "05"   d  "5"
//   hh / h  hour with / without a leading zero (12-hour clock when the pattern has am/pm)
//   nn / n  minute,  ss / s  second, as for hours
//   zzz (or longer) three-digit milliseconds   zz  at least two digits ("05", "120")   z  no padding
//   am/pm   "am" or "pm" ("AM"/"PM" when written with a capital A); with it, 0 h shows as 12
//   "…" and '…'  copied without the quotes (an unclosed quote runs to the end)
// Every other character, unknown letters included, is copied. "m" is always the month; the
// minute is "n". A value that cannot be decoded gives kInvalidDateText.
std::string FormatDateTime(std::string_view pattern, double value);

}  // namespace kurvex
