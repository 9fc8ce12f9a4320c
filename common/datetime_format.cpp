// The pattern language of FormatDateTime (see common/datetime.h).

#include <cctype>

#include "common/datetime.h"

namespace kurvex {

namespace {

constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsAmPmAt(std::string_view pattern, size_t i) {
  static constexpr std::string_view kToken = "am/pm";
  if (pattern.size() - i < kToken.size()) return false;
  for (size_t k = 0; k < kToken.size(); ++k) {
    if (Lower(pattern[i + k]) != kToken[k]) return false;
  }
  return true;
}

// Whether the pattern holds "am/pm" outside quoted text.
bool HasAmPm(std::string_view pattern) {
  char quote = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (quote != 0) {
      if (pattern[i] == quote) quote = 0;
    } else if (IsQuote(pattern[i])) {
      quote = pattern[i];
    } else if (IsAmPmAt(pattern, i)) {
      return true;
    }
  }
  return false;
}

void AppendNumber(std::string& out, int value, size_t minDigits) {
  const std::string digits = std::to_string(value);
  if (digits.size() < minDigits) out.append(minDigits - digits.size(), '0');
  out += digits;
}

// One field: `letter` (lower case) repeated `run` times.
void AppendField(std::string& out, char letter, size_t run, const TDateTimeParts& t, int weekday, bool twelveHour) {
  switch (letter) {
    case 'y':
      if (run <= 2) {
        AppendNumber(out, t.year % 100, 2);
      } else {
        AppendNumber(out, t.year, 4);
      }
      break;
    case 'm':
      if (run <= 2) {
        AppendNumber(out, t.month, run);
      } else {
        const std::string_view name = kMonthNames[t.month - 1];
        out += run == 3 ? name.substr(0, 3) : name;
      }
      break;
    case 'd':
      if (run <= 2) {
        AppendNumber(out, t.day, run);
      } else {
        const std::string_view name = kDayNames[weekday - 1];
        out += run == 3 ? name.substr(0, 3) : name;
      }
      break;
    case 'h': {
      int hour = t.hour;
      if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
      AppendNumber(out, hour, run >= 2 ? 2 : 1);
      break;
    }
    case 'n':
      AppendNumber(out, t.minute, run >= 2 ? 2 : 1);
      break;
    case 's':
      AppendNumber(out, t.second, run >= 2 ? 2 : 1);
      break;
    case 'z':
      AppendNumber(out, t.millisecond, run >= 3 ? 3 : run);
      break;
    default:
      break;
  }
}

bool IsFieldLetter(char lower) {
  return lower == 'y' || lower == 'm' || lower == 'd' || lower == 'h' || lower == 'n' || lower == 's' ||
         lower == 'z';
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, double value) {
  TDateTimeParts t;
  if (!DecodeDateTime(value, t)) return kInvalidDateText;
  const int weekday = DayOfWeek(value);
  const bool twelveHour = HasAmPm(pattern);

  std::string out;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (IsQuote(c)) {
      const size_t close = pattern.find(c, i + 1);
      const size_t end = close == std::string_view::npos ? pattern.size() : close;
      out.append(pattern.substr(i + 1, end - i - 1));
      i = end == pattern.size() ? end : end + 1;
    } else if (IsAmPmAt(pattern, i)) {
      const bool upper = c == 'A';
      out += t.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
      i += 5;
    } else if (IsFieldLetter(Lower(c))) {
      size_t run = 1;
      while (i + run < pattern.size() && Lower(pattern[i + run]) == Lower(c)) ++run;
      AppendField(out, Lower(c), run, t, weekday, twelveHour);
      i += run;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace kurvex
