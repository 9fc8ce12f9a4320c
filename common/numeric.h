#pragma once
// Numeric and colour helpers shared by the program, the axes, the numeric label and the
// chart: value-to-text in a field, engineering notation, decimal logarithm, integer floor
// and ceiling, swaps, and the grey level and contrast colour of a colour.

#include <cstdint>
#include <string>

#include "common/color.h"

namespace kurvex {

// Value as text in a field of |width| characters.
//  - decimals ≥ 0: fixed point with that many decimals, right-aligned with blanks, never cut
//    (magnitudes of 1e36 and above: the exponent form below in a field of |width|).
//  - decimals = -2: exponent form in a field of |width| + 2 (sign position, one digit, ".",
//    max(2, |width| − 6) significant digits up to 18, "E", sign, four digits), then the
//    exponent is shortened to two digits ("E+0003" → "E+03"); an exponent of 100 or more
//    does not fit, and every character becomes "*".
//  - other negative decimals: the exponent form in a field of |width|, four exponent digits.
//  - width < 0: leading blanks become "0", and a "-" after them moves to the front
//    (FloatToText(-8, 2, -3.5) gives "-0003.50").
// NaN and infinities give "NAN", "INF", "-INF", blank-padded to |width|.
std::string FloatToText(int width, int decimals, long double value);

// Engineering notation with a prefix letter from "afpnum kMGT": precision 3 gives
// 12345 → "12.3k" and 0.00047 → "470u"; a negative precision puts the letter in place of the
// decimal point (-3: 12345 → "12k3"). Precision is clamped to -9..9. NaN and infinities give
// "NAN", "INF", "-INF".
std::string EngFloatToText(int precision, double value);

// Decimal logarithm, computed in extended precision. Raises EMathError("logarithm: invalid
// argument") for values ≤ 0 and NaN.
double Log10(double value);

// Largest integer ≤ value, and smallest integer ≥ value. Values beyond the 32-bit range are
// clamped to it; NaN gives 0.
std::int32_t FloorInt(double value);
std::int32_t CeilInt(double value);

// Nearest integer with halves to the even neighbour, clamped to the type's range; NaN gives 0.
std::int32_t RoundToInt(double value);
std::int64_t RoundToInt64(double value);

void SwapIntegers(std::int32_t& a, std::int32_t& b);
void SwapDoubles(double& a, double& b);
void SwapExtendeds(long double& a, long double& b);

// round(0.3 R + 0.59 G + 0.11 B) with halves to even, from the colour's low three bytes as
// they are (a system colour is not resolved first).
int GreyValue(TColor color);

// Black for colours with a grey value of 140 or more, white otherwise.
TColor ContrastColor(TColor color);

}  // namespace kurvex
