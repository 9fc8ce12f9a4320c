#pragma once
// Exact decimal digits of a binary floating-point value, and rounding on those digits.
//
// Every finite double and long double is a dyadic rational m × 2^k, so its decimal
// expansion terminates. Working on the exact digit string lets the formatters decide
// whether a value lies exactly halfway between two outputs: 0.125 is such a half, while
// 0.15 is stored as 0.1499999999999999944… and is not.

#include <string>

namespace kurvex {

// value = ±0.d1 d2 d3 … × 10^pointPos. `digits` has no leading or trailing zeros and is
// empty for zero. So 123.45 is {"12345", 3} and 0.0012 is {"12", -2}.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int pointPos = 0;

  bool IsZero() const { return digits.empty(); }
  // The decimal exponent of the leading digit in scientific notation (123.45 → 2).
  int SciExponent() const { return pointPos - 1; }
  // The digit at 0-based index i of the expansion, '0' beyond its ends.
  char DigitAt(long long i) const {
    return i >= 0 && i < static_cast<long long>(digits.size()) ? digits[static_cast<size_t>(i)] : '0';
  }
};

// The exact expansion of a finite value (the sign of a negative zero is kept in `negative`).
DecimalDigits ExactDecimalDigits(long double value);

// Rounds to the first `keep` significant digits (keep ≤ 0 rounds at or before the leading
// digit). A value exactly halfway goes away from zero. A carry may lengthen the number
// (9.96 kept to 2 digits becomes 10, pointPos grows by one).
void RoundDigits(DecimalDigits& d, long long keep);

// Rounds to `decimals` places after the decimal point (half away from zero).
void RoundToDecimals(DecimalDigits& d, int decimals);

}  // namespace kurvex
