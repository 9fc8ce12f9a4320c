#include "scale/datetime_labels.h"

#include <cmath>

#include "common/datetime.h"
#include "scale/dt_label.h"

namespace kurvex {

namespace {

// A separator as literal text of the pattern; character 0 is no separator, and a double
// quote is quoted with single quotes.
std::string Literal(char c) {
  if (c == '\0') return "";
  if (c == '"') return "'\"'";
  return std::string("\"") + c + "\"";
}

std::string MonthField(const TDTLabel& l) { return l.MonthName() ? "mmm" : "mm"; }

std::string YearField(TYearLength length) {
  switch (length) {
    case TYearLength::ylNone: return "";
    case TYearLength::ylYY: return "yy";
    case TYearLength::ylYYYY: return "yyyy";
  }
  return "";
}

}  // namespace

std::string FormatAxisDateTime(std::string_view format, double value) {
  return FormatDateTime(format, std::fabs(value) < 1e-8 ? 0.0 : value);
}

std::string BuildDateFormat(bool monthName, TYearLength yearLength, TDateOrder order, char separator) {
  const std::string m = monthName ? "mmm" : "mm";
  const std::string y = YearField(yearLength);
  const std::string s = Literal(separator);
  switch (order) {
    case TDateOrder::doMMDDYY: return y.empty() ? m + s + "dd" : m + s + "dd" + s + y;
    case TDateOrder::doDDMMYY: return y.empty() ? "dd" + s + m : "dd" + s + m + s + y;
    case TDateOrder::doYYMMDD: return y.empty() ? m + s + "dd" : y + s + m + s + "dd";
  }
  return "";
}

std::string BuildDateFormat(const TDTLabel& l) {
  return BuildDateFormat(l.MonthName(), l.YearLength(), l.DateOrder(), l.DateSeparator());
}

std::string DayTickFormat(const TDTLabel& l) {
  const std::string m = MonthField(l), y = YearField(l.YearLength()), s = Literal(l.DateSeparator());
  switch (l.DateOrder()) {
    case TDateOrder::doMMDDYY: return m + s + "dd" + s + y;
    case TDateOrder::doDDMMYY: return "dd" + s + m + s + y;
    case TDateOrder::doYYMMDD: return y + s + m + s + "dd";
  }
  return "";
}

std::string MonthTickFormat(const TDTLabel& l) {
  const std::string m = MonthField(l), y = YearField(l.YearLength()), s = Literal(l.DateSeparator());
  return l.DateOrder() == TDateOrder::doYYMMDD ? y + s + m : m + s + y;
}

std::string TimeTickFormat(const TDTLabel& l, TTimeLevel level) {
  const std::string t = Literal(l.TimeSeparator());
  switch (l.TimeFormat()) {
    case TTimeFormat::tfHHMMSS:
      switch (level) {
        case TTimeLevel::tlHours:
        case TTimeLevel::tlMinutes: return "hh" + t + "nn";
        case TTimeLevel::tlSeconds: return "hh" + t + "nn" + t + "ss";
        case TTimeLevel::tlHundredths: return "hh" + t + "nn" + t + "ss.zz";
      }
      break;
    case TTimeFormat::tfHHhMM:
      switch (level) {
        case TTimeLevel::tlHours: return "h\"h\"";
        case TTimeLevel::tlMinutes: return "h\"h\"nn";
        case TTimeLevel::tlSeconds: return "h\"h\"nn" + t + "ss";
        case TTimeLevel::tlHundredths: return "h\"h\"nn" + t + "ss.zz";
      }
      break;
    case TTimeFormat::tfAMPM:
      switch (level) {
        case TTimeLevel::tlHours: return "ham/pm";
        case TTimeLevel::tlMinutes: return "h" + t + "nnam/pm";
        case TTimeLevel::tlSeconds: return "h" + t + "nn\".\"ssam/pm";
        case TTimeLevel::tlHundredths: return "h" + t + "nn\".\"ss.zzam/pm";
      }
      break;
  }
  return "";
}

}  // namespace kurvex
