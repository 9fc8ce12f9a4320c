#pragma once
// The text a numeric label shows for its value, built without any drawing so that every
// display type can be checked on its own.

#include <string>

#include "numlab/display_type.h"

namespace kurvex {

// What the value text depends on: the label's value and its formatting properties.
struct TValueTextSettings {
  double value = 0.0;
  TDisplay displayType = TDisplay::dtFixP;
  int precision = 2;  // 0..15; values outside are clamped
  bool comma = false;
  bool forcePlusSign = false;
  std::string stateText = "undefined";
  std::string overflowIndicator = "*********";
  std::string dtFormat = "mmm-dd, yyyy";
};

// The raw text of the display type, then the decimal separator and the plus sign. The
// label runs its OnBeforeDisplay event on the result; the overflow test for the width of
// the field belongs to painting.
//
// Values a display type cannot show give the overflow indicator: integer types outside
// their range (dtInt outside the 64-bit range), and NaN or an infinity for the integer and
// angle types. The floating notations write "NAN", "INF" and "-INF"; dtDateTime writes the
// date formatter's text for an undecodable value.
std::string BuildValueText(const TValueTextSettings& settings);

// Angle texts of the degree display types with q decimals (clamped to 0..8). NaN and the
// infinities give an empty string: an angle cannot show them.
std::string DegreeText(double value, int decimals);
std::string DegreeMinuteText(double value, int decimals);
std::string DegreeMinuteSecondText(double value, int decimals);

// The UTF-8 degree sign the angle texts use.
inline constexpr const char* kDegreeSign = "\xC2\xB0";

}  // namespace kurvex
