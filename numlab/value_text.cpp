#include "numlab/value_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/datetime.h"
#include "common/number_format.h"
#include "common/numeric.h"

namespace kurvex {

namespace {

constexpr int kMaxPrecision = 15;
constexpr int kMaxHexDigits = 8;
constexpr int kMaxBinDigits = 32;
constexpr int kMaxOctField = 12;
constexpr int kMaxOctDigits = 11;  // 32 bits need at most 11 octal digits

// Both tests are made on the value before rounding; NaN fails them.
bool In32BitRange(double v) { return v >= -2147483648.0 && v <= 4294967295.0; }
bool InInt32Range(double v) { return v >= -2147483648.0 && v <= 2147483647.0; }
// Every double in [-2^63, 2^63) rounds to a 64-bit integer.
bool InInt64Range(double v) { return v >= -9223372036854775808.0 && v < 9223372036854775808.0; }

// The low 32 bits of the rounded value (two's complement for negative values).
std::uint32_t Low32Bits(double v) {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(RoundToInt64(v)));
}

// Only the last n characters of text remain (n = 0 leaves nothing).
std::string KeepLast(std::string text, int n) {
  const auto keep = static_cast<std::size_t>(std::max(n, 0));
  if (text.size() > keep) text.erase(0, text.size() - keep);
  return text;
}

std::string HexText(double v, int p, const std::string& overflow) {
  if (!In32BitRange(v)) return overflow;
  const int q = std::min(p, kMaxHexDigits);
  return KeepLast(FormatHex(RoundToInt64(v), q), q);
}

std::string BinText(double v, int p, const std::string& overflow) {
  if (!In32BitRange(v)) return overflow;
  const int q = std::min(p, kMaxBinDigits);
  const std::uint32_t bits = Low32Bits(v);
  std::string text;
  for (int i = std::max(q, 1) - 1; i >= 0; --i) text += ((bits >> i) & 1u) != 0 ? '1' : '0';
  return KeepLast(std::move(text), q);
}

std::string OctText(double v, int p, const std::string& overflow) {
  if (!In32BitRange(v)) return overflow;
  const int q = std::min(p, kMaxOctField);
  const std::uint32_t bits = Low32Bits(v);
  std::string text;
  for (int i = std::clamp(q, 1, kMaxOctDigits) - 1; i >= 0; --i) {
    text += static_cast<char>('0' + ((bits >> (3 * i)) & 7u));
  }
  return KeepLast(std::move(text), q);
}

std::string ZeroIntText(double v, int p, const std::string& overflow) {
  if (!InInt32Range(v)) return overflow;
  return FormatInt(RoundToInt64(v), p);
}

std::string IntText(double v, const std::string& overflow) {
  if (!InInt64Range(v)) return overflow;
  return FormatInt(RoundToInt64(v), 0);
}

// An empty text from a notation that cannot show the value becomes the indicator.
std::string OrOverflow(std::string text, const std::string& overflow) {
  return text.empty() ? overflow : text;
}

// Display types whose texts keep their own characters: no separator change, no plus sign.
bool KeepsTextAsIs(TDisplay type) {
  return type == TDisplay::dtHex || type == TDisplay::dtDateTime || type == TDisplay::dtState ||
         type == TDisplay::dtBin;
}

// The text of the display type, before separator and sign.
std::string RawValueText(const TValueTextSettings& s) {
  const double v = s.value;
  const int p = std::clamp(s.precision, 0, kMaxPrecision);
  const std::string& overflow = s.overflowIndicator;
  switch (s.displayType) {
    case TDisplay::dtFloat: return FormatGeneral(v, p);
    case TDisplay::dtFixP: return FormatFixedDigits(v, p);
    case TDisplay::dtExp: return FormatExponent(v, p, 3);
    case TDisplay::dtHex: return HexText(v, p, overflow);
    case TDisplay::dtZeroInt: return ZeroIntText(v, p, overflow);
    case TDisplay::dtInt: return IntText(v, overflow);
    case TDisplay::dtDateTime: return FormatDateTime(s.dtFormat, v);
    case TDisplay::dtState: return s.stateText;
    case TDisplay::dtBin: return BinText(v, p, overflow);
    case TDisplay::dtOct: return OctText(v, p, overflow);
    case TDisplay::dtDeg: return OrOverflow(DegreeText(v, p), overflow);
    case TDisplay::dtDegMin: return OrOverflow(DegreeMinuteText(v, p), overflow);
    case TDisplay::dtDegMinSec: return OrOverflow(DegreeMinuteSecondText(v, p), overflow);
    case TDisplay::dtEEng: return OrOverflow(EngFloatToText(p, v), overflow);
    case TDisplay::dtEEngNoDP: return OrOverflow(EngFloatToText(-p, v), overflow);
  }
  return overflow;  // an ordinal outside the enumeration
}

}  // namespace

std::string BuildValueText(const TValueTextSettings& s) {
  std::string text = RawValueText(s);
  if (KeepsTextAsIs(s.displayType)) return text;
  const char from = s.comma ? '.' : ',';
  const char to = s.comma ? ',' : '.';
  std::replace(text.begin(), text.end(), from, to);
  if (s.forcePlusSign && s.value > 0) text.insert(0, 1, '+');
  return text;
}

}  // namespace kurvex
