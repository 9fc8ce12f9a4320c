#include "common/numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "common/errors.h"
#include "common/number_format.h"

namespace kurvex {

namespace {

// The exponent form in a field of fieldWidth, then the four exponent digits cut to two.
// An exponent of 100 or more cannot be shown that way: the text turns into asterisks.
std::string ShortExponentField(long double value, int fieldWidth) {
  std::string s = FormatExponentField(value, fieldWidth);
  const size_t firstExponentDigit = s.size() - 4;
  const bool fits = s.compare(firstExponentDigit, 2, "00") == 0;
  s.erase(firstExponentDigit, 2);
  if (!fits) s.assign(s.size(), '*');
  return s;
}

// Leading blanks become "0"; a "-" right after them moves to the front.
void ZeroPadLeadingBlanks(std::string& s) {
  const size_t blanks = std::min(s.find_first_not_of(' '), s.size());
  if (blanks == 0) return;
  s.replace(0, blanks, blanks, '0');
  if (blanks < s.size() && s[blanks] == '-') {
    s[blanks] = '0';
    s[0] = '-';
  }
}

// x / 1000^f. The power of ten is exact in extended precision for |f| ≤ 6, so a negative f
// multiplies by it rather than dividing by an inexact 10^-3|f|.
long double ScaleByThousands(double x, int f) {
  long double power = 1;
  for (int i = 0; i < 3 * std::abs(f); ++i) power *= 10;
  return f >= 0 ? x / power : x * power;
}

std::int32_t ClampToInt32(double integral) {
  if (integral <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  if (integral >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(integral);
}

// Nearest integral value, halves to even, independent of the floating-point rounding mode.
double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double diff = value - below;
  if (diff > 0.5) return below + 1;
  if (diff < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace

std::string FloatToText(int width, int decimals, long double value) {
  const int field = static_cast<int>(std::min<long long>(std::llabs(width), kMaxFormatLength));
  if (const char* special = NonFiniteText(value)) return PadToWidth(special, field);
  std::string s;
  if (decimals == -2) {
    s = ShortExponentField(value, field + 2);
  } else if (decimals < 0) {
    s = FormatExponentField(value, field);
  } else {
    s = FormatFixed(value, decimals, field);
  }
  if (width < 0) ZeroPadLeadingBlanks(s);
  return s;
}

std::string EngFloatToText(int precision, double value) {
  if (const char* special = NonFiniteText(value)) return special;
  static constexpr char kPrefixLetters[] = "afpnum kMGT";
  const int p = std::clamp(precision, -9, 9);
  const int d = p >= 2 ? p - 1 : (p >= -1 ? 0 : p + 1);
  const int fractionDigits = std::abs(d);
  if (value == 0) return FloatToText(1, fractionDigits, 0);

  const double x = std::fabs(value);
  const double lg = Log10(x);
  const int e = FloorInt(lg);
  const int f = std::clamp(FloorInt(lg / 3), -6, 4);
  const int decimals = std::max(0, fractionDigits - (e - 3 * f));
  std::string s = FloatToText(1, decimals, ScaleByThousands(x, f));
  if (f != 0) {
    const char letter = kPrefixLetters[f + 6];
    const size_t point = s.find('.');
    if (d < 0 && point != std::string::npos) {
      s[point] = letter;
    } else {
      s += letter;
    }
  }
  if (value < 0) s.insert(0, 1, '-');
  return s;
}

double Log10(double value) {
  if (!(value > 0)) throw EMathError("logarithm: invalid argument");
  return static_cast<double>(std::log(static_cast<long double>(value)) / std::log(10.0L));
}

std::int32_t FloorInt(double value) {
  if (std::isnan(value)) return 0;
  return ClampToInt32(std::floor(value));
}

std::int32_t CeilInt(double value) {
  if (std::isnan(value)) return 0;
  return ClampToInt32(std::ceil(value));
}

std::int32_t RoundToInt(double value) {
  if (std::isnan(value)) return 0;
  return ClampToInt32(RoundHalfEven(value));
}

std::int64_t RoundToInt64(double value) {
  if (std::isnan(value)) return 0;
  const double r = RoundHalfEven(value);
  constexpr double kTwoPow63 = 9223372036854775808.0;
  if (r >= kTwoPow63) return std::numeric_limits<std::int64_t>::max();
  if (r < -kTwoPow63) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

void SwapIntegers(std::int32_t& a, std::int32_t& b) { std::swap(a, b); }
void SwapDoubles(double& a, double& b) { std::swap(a, b); }
void SwapExtendeds(long double& a, long double& b) { std::swap(a, b); }

int GreyValue(TColor color) {
  // Weights in hundredths keep the sum exact, so a true half is recognised as one.
  const int r = static_cast<int>(color & 0xFFu);
  const int g = static_cast<int>((color >> 8) & 0xFFu);
  const int b = static_cast<int>((color >> 16) & 0xFFu);
  const int hundredths = 30 * r + 59 * g + 11 * b;
  const int whole = hundredths / 100;
  const int rest = hundredths % 100;
  if (rest > 50 || (rest == 50 && whole % 2 == 1)) return whole + 1;
  return whole;
}

TColor ContrastColor(TColor color) { return GreyValue(color) >= 140 ? clBlack : clWhite; }

}  // namespace kurvex
