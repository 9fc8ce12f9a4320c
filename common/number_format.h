#pragma once
// Number-to-text formats shared by the helpers, the numeric label and the axes.
//
// Decimal separator is always "."; callers that show "," convert the text themselves.
// A value lying exactly halfway between two outputs is rounded away from zero (0.125 with
// two decimals gives "0.13", -2.5 with none gives "-3"). Decisions are made on the exact
// binary value: 0.15 is stored as 0.1499999…, so one decimal gives "0.1".
//
// Every function takes a field width like printf's "*": a positive width right-aligns the
// text with blanks, a negative one left-aligns it, 0 adds nothing. A text is never cut.
// Widths and digit counts beyond kMaxFormatLength are treated as kMaxFormatLength.
//
// NaN and infinities (in the floating formats) give "NAN", "INF" and "-INF".

#include <cstdint>
#include <string>

namespace kurvex {

inline constexpr int kMaxFormatLength = 1000;

inline constexpr const char* kNaNText = "NAN";
inline constexpr const char* kInfText = "INF";
inline constexpr const char* kNegInfText = "-INF";

// "NAN", "INF" or "-INF" for a non-finite value; nullptr for a finite one.
const char* NonFiniteText(long double value);

// Right-aligns (width > 0) or left-aligns (width < 0) text in a field of |width| blanks.
std::string PadToWidth(std::string text, int width);

// Fixed-point text with exactly `decimals` digits after the point (no point when 0; a
// negative decimals counts as 0) and "-" for values below zero ("-0.00" for -0.001; a
// negative zero has no sign). Magnitudes of 1e36 and above come out in the exponent field
// form of FormatExponentField with the same width, e.g. " 1.0E+0036".
std::string FormatFixed(long double value, int decimals, int width = 0);

// The same fixed-point text at every magnitude (1e40 gives all 41 digits): for texts whose
// field-width rule shows an overflow indicator when the text is too long.
std::string FormatFixedDigits(long double value, int decimals, int width = 0);

// Scientific text: "-" for negative values, one digit, then "." and the other digits when
// there are more than one, "E", the exponent's sign and at least minExponentDigits exponent
// digits. 1234.5 with 3 digits and 3 exponent digits: "1.23E+003". Fewer than one
// significant digit counts as one.
std::string FormatExponent(long double value, int significantDigits, int minExponentDigits, int width = 0);

// General text with `precision` significant digits (fewer than one counts as one): fixed
// notation when the rounded value has at most `precision` digits before the point and a
// magnitude of at least 0.00001 (or is zero), scientific otherwise; trailing zeros of the
// fraction and a trailing point are dropped. The exponent is written as "E", its sign and at
// least two digits: 1.5e15 with 3 digits gives "1.5E+15", 0.0000012 gives "1.2E-06".
std::string FormatGeneral(long double value, int precision, int width = 0);

// Decimal integer with at least minDigits digits, zero-padded after the sign ("-00042").
std::string FormatInt(std::int64_t value, int minDigits, int width = 0);

// Upper-case hexadecimal with at least minDigits digits, zero-padded; a negative value is
// written as its 64-bit two's complement (-1 gives "FFFFFFFFFFFFFFFF").
std::string FormatHex(std::int64_t value, int minDigits, int width = 0);

// The exponent form in a field: a sign position (blank for values ≥ 0, "-" otherwise),
// one digit, ".", further digits, "E", the exponent's sign and four exponent digits, with
// max(2, fieldWidth − 8) significant digits (at most 18), blank-padded on the left to
// fieldWidth. 1234.5 in a field of 10: " 1.2E+0003".
std::string FormatExponentField(long double value, int fieldWidth);

}  // namespace kurvex
