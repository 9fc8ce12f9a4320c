#include "common/number_format.h"

#include <algorithm>
#include <cmath>

#include "common/decimal_digits.h"

namespace kurvex {

namespace {

int ClampLength(int n) { return std::clamp(n, -kMaxFormatLength, kMaxFormatLength); }

// Integer part, point and `decimals` fraction digits of already rounded digits, unsigned.
std::string FixedDigits(const DecimalDigits& d, int decimals) {
  std::string s;
  if (d.pointPos > 0) {
    for (int i = 0; i < d.pointPos; ++i) s += d.DigitAt(i);
  } else {
    s.push_back('0');
  }
  if (decimals > 0) {
    s += '.';
    for (int i = 0; i < decimals; ++i) s += d.DigitAt(static_cast<long long>(d.pointPos) + i);
  }
  return s;
}

// "E", sign and at least minDigits digits of a decimal exponent.
std::string ExponentText(int exponent, int minDigits) {
  std::string digits = std::to_string(exponent < 0 ? -static_cast<long long>(exponent) : exponent);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return std::string("E") + (exponent < 0 ? '-' : '+') + digits;
}

// Mantissa "d.ddd" with `significant` digits (no point for one digit) and the exponent of
// its leading digit, unsigned.
std::string Mantissa(long double value, int significant, int& exponent) {
  DecimalDigits d = ExactDecimalDigits(value);
  RoundDigits(d, significant);
  exponent = d.IsZero() ? 0 : d.SciExponent();
  std::string s(1, d.DigitAt(0));
  if (significant > 1) {
    s += '.';
    for (int i = 1; i < significant; ++i) s += d.DigitAt(i);
  }
  return s;
}

// Removes trailing fraction zeros and then a trailing point.
void DropTrailingZeros(std::string& s) {
  if (s.find('.') == std::string::npos) return;
  s.erase(s.find_last_not_of('0') + 1);
  if (!s.empty() && s.back() == '.') s.pop_back();
}

std::string ZeroPadded(std::string digits, int minDigits) {
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return digits;
}

}  // namespace

const char* NonFiniteText(long double value) {
  if (std::isnan(value)) return kNaNText;
  if (std::isinf(value)) return value < 0 ? kNegInfText : kInfText;
  return nullptr;
}

std::string PadToWidth(std::string text, int width) {
  width = ClampLength(width);
  const int field = width < 0 ? -width : width;
  if (static_cast<int>(text.size()) >= field) return text;
  if (width > 0) {
    text.insert(0, field - text.size(), ' ');
  } else {
    text.append(field - text.size(), ' ');
  }
  return text;
}

std::string FormatFixed(long double value, int decimals, int width) {
  if (const char* special = NonFiniteText(value)) return PadToWidth(special, width);
  if (std::fabs(value) >= 1e36L) return FormatExponentField(value, std::abs(ClampLength(width)));
  return FormatFixedDigits(value, decimals, width);
}

std::string FormatFixedDigits(long double value, int decimals, int width) {
  if (const char* special = NonFiniteText(value)) return PadToWidth(special, width);
  decimals = std::clamp(decimals, 0, kMaxFormatLength);
  DecimalDigits d = ExactDecimalDigits(value);
  RoundToDecimals(d, decimals);
  std::string s = FixedDigits(d, decimals);
  if (value < 0) s.insert(0, 1, '-');
  return PadToWidth(std::move(s), width);
}

std::string FormatExponent(long double value, int significantDigits, int minExponentDigits, int width) {
  if (const char* special = NonFiniteText(value)) return PadToWidth(special, width);
  significantDigits = std::clamp(significantDigits, 1, kMaxFormatLength);
  minExponentDigits = std::clamp(minExponentDigits, 1, kMaxFormatLength);
  int exponent = 0;
  std::string s = Mantissa(value, significantDigits, exponent);
  s += ExponentText(exponent, minExponentDigits);
  if (value < 0) s.insert(0, 1, '-');
  return PadToWidth(std::move(s), width);
}

std::string FormatGeneral(long double value, int precision, int width) {
  if (const char* special = NonFiniteText(value)) return PadToWidth(special, width);
  precision = std::clamp(precision, 1, kMaxFormatLength);
  DecimalDigits d = ExactDecimalDigits(value);
  RoundDigits(d, precision);
  const int exponent = d.IsZero() ? 0 : d.SciExponent();
  std::string s;
  if (exponent < precision && exponent >= -5) {
    s = FixedDigits(d, precision - 1 - exponent);
    DropTrailingZeros(s);
  } else {
    int unused = 0;
    s = Mantissa(value, precision, unused);
    DropTrailingZeros(s);
    s += ExponentText(exponent, 2);
  }
  if (value < 0) s.insert(0, 1, '-');
  return PadToWidth(std::move(s), width);
}

std::string FormatInt(std::int64_t value, int minDigits, int width) {
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string s = ZeroPadded(std::to_string(magnitude), std::clamp(minDigits, 0, kMaxFormatLength));
  if (value < 0) s.insert(0, 1, '-');
  return PadToWidth(std::move(s), width);
}

std::string FormatHex(std::int64_t value, int minDigits, int width) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::uint64_t bits = static_cast<std::uint64_t>(value);
  std::string s;
  do {
    s.insert(0, 1, kHexDigits[bits & 0xFu]);
    bits >>= 4;
  } while (bits != 0);
  return PadToWidth(ZeroPadded(std::move(s), std::clamp(minDigits, 0, kMaxFormatLength)), width);
}

std::string FormatExponentField(long double value, int fieldWidth) {
  fieldWidth = std::clamp(fieldWidth, 0, kMaxFormatLength);
  if (const char* special = NonFiniteText(value)) return PadToWidth(special, fieldWidth);
  const int significant = std::clamp(fieldWidth - 8, 2, 18);
  int exponent = 0;
  std::string s = Mantissa(value, significant, exponent);
  s += ExponentText(exponent, 4);
  s.insert(0, 1, value < 0 ? '-' : ' ');
  return PadToWidth(std::move(s), fieldWidth);
}

}  // namespace kurvex
