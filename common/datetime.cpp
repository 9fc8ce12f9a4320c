#include "common/datetime.h"

#include <cmath>

#include "common/errors.h"

namespace kurvex {

namespace {

constexpr long long kMsPerDay = 86400000;
// Day number of 1970-01-01, the origin of the day arithmetic below.
constexpr int kDay1970 = 25569;

// Days from 1970-01-01 to a proleptic Gregorian date. Years are counted from March, so the
// leap day is the last day of its year and every 400-year era has 146097 days.
long long DaysFromCivil(int year, int month, int day) {
  const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yearOfEra = y - era * 400;
  const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The inverse of DaysFromCivil.
void CivilFromDays(long long days, int& year, int& month, int& day) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
  day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// Splits a value into a day number and milliseconds after midnight, rounded to whole
// milliseconds with the carry into the next day. False outside the supported dates.
bool SplitInstant(double value, long long& dayNumber, long long& ms) {
  if (!(value >= kMinDateDay - 1.0 && value < kMaxDateDay + 2.0)) return false;
  const double floorDay = std::floor(value);
  dayNumber = static_cast<long long>(floorDay);
  ms = std::llround((static_cast<long double>(value) - floorDay) * kMsPerDay);
  if (ms >= kMsPerDay) {
    ++dayNumber;
    ms -= kMsPerDay;
  }
  return dayNumber >= kMinDateDay && dayNumber <= kMaxDateDay;
}

std::string DateErrorText(int year, int month, int day) {
  return "invalid date: year " + std::to_string(year) + ", month " + std::to_string(month) + ", day " +
         std::to_string(day);
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, double& result) {
  if (!IsValidDate(year, month, day)) return false;
  result = static_cast<double>(DaysFromCivil(year, month, day) + kDay1970);
  return true;
}

double EncodeDate(int year, int month, int day) {
  double result = 0;
  if (!TryEncodeDate(year, month, day, result)) throw EConvertError(DateErrorText(year, month, day));
  return result;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& result) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999) {
    return false;
  }
  const long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  result = static_cast<double>(ms) / kMsPerDay;
  return true;
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
  double result = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, result)) {
    throw EConvertError("invalid time: " + std::to_string(hour) + " h, " + std::to_string(minute) + " min, " +
                        std::to_string(second) + " s, " + std::to_string(millisecond) + " ms");
  }
  return result;
}

double EncodeDateTime(const TDateTimeParts& parts) {
  return EncodeDate(parts.year, parts.month, parts.day) +
         EncodeTime(parts.hour, parts.minute, parts.second, parts.millisecond);
}

bool DecodeDateTime(double value, TDateTimeParts& parts) {
  long long dayNumber = 0;
  long long ms = 0;
  if (!SplitInstant(value, dayNumber, ms)) return false;
  CivilFromDays(dayNumber - kDay1970, parts.year, parts.month, parts.day);
  parts.hour = static_cast<int>(ms / 3600000);
  parts.minute = static_cast<int>(ms / 60000 % 60);
  parts.second = static_cast<int>(ms / 1000 % 60);
  parts.millisecond = static_cast<int>(ms % 1000);
  return true;
}

bool DecodeDate(double value, int& year, int& month, int& day) {
  TDateTimeParts parts;
  if (!DecodeDateTime(value, parts)) return false;
  year = parts.year;
  month = parts.month;
  day = parts.day;
  return true;
}

bool DecodeTime(double value, int& hour, int& minute, int& second, int& millisecond) {
  TDateTimeParts parts;
  if (!DecodeDateTime(value, parts)) return false;
  hour = parts.hour;
  minute = parts.minute;
  second = parts.second;
  millisecond = parts.millisecond;
  return true;
}

int DayOfWeek(double value) {
  long long dayNumber = 0;
  long long ms = 0;
  if (!SplitInstant(value, dayNumber, ms)) return 0;
  // Day 0, 1899-12-30, was a Saturday.
  return static_cast<int>(((dayNumber % 7 + 7) % 7 + 6) % 7 + 1);
}

}  // namespace kurvex
