#include "numlab/value_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/datetime.h"

namespace kurvex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kStars = "*********";

std::string Text(TDisplay type, double value, int precision = 2) {
  TValueTextSettings s;
  s.displayType = type;
  s.value = value;
  s.precision = precision;
  return BuildValueText(s);
}

TEST(ValueText, IntRoundsHalvesToEvenWithoutRangeLimitBelow64Bits) {
  EXPECT_EQ(Text(TDisplay::dtInt, 5000.0), "5000");
  EXPECT_EQ(Text(TDisplay::dtInt, 2.5), "2");
  EXPECT_EQ(Text(TDisplay::dtInt, 3.5), "4");
  EXPECT_EQ(Text(TDisplay::dtInt, -2.5), "-2");
  EXPECT_EQ(Text(TDisplay::dtInt, 2.4999999), "2");
  EXPECT_EQ(Text(TDisplay::dtInt, 3e9), "3000000000");
  EXPECT_EQ(Text(TDisplay::dtInt, -9223372036854775808.0), "-9223372036854775808");
  EXPECT_EQ(Text(TDisplay::dtInt, 9223372036854774784.0), "9223372036854774784");
}

TEST(ValueText, IntBeyond64BitsAndNonFiniteShowTheIndicator) {
  EXPECT_EQ(Text(TDisplay::dtInt, 9223372036854775808.0), kStars);
  EXPECT_EQ(Text(TDisplay::dtInt, -1e19), kStars);
  EXPECT_EQ(Text(TDisplay::dtInt, 1e300), kStars);
  EXPECT_EQ(Text(TDisplay::dtInt, kNaN), kStars);
  EXPECT_EQ(Text(TDisplay::dtInt, kInf), kStars);
  EXPECT_EQ(Text(TDisplay::dtInt, -kInf), kStars);
}

TEST(ValueText, HexKeepsTheLastDigitsAndTestsThe32BitRange) {
  EXPECT_EQ(Text(TDisplay::dtHex, 255, 4), "00FF");
  EXPECT_EQ(Text(TDisplay::dtHex, -1, 4), "FFFF");
  EXPECT_EQ(Text(TDisplay::dtHex, 255, 0), "");
  EXPECT_EQ(Text(TDisplay::dtHex, 0x12345, 2), "45");
  EXPECT_EQ(Text(TDisplay::dtHex, 4294967295.0, 15), "FFFFFFFF");  // at most 8 digits
  EXPECT_EQ(Text(TDisplay::dtHex, -2147483648.0, 8), "80000000");
  EXPECT_EQ(Text(TDisplay::dtHex, 2.5, 1), "2");
  EXPECT_EQ(Text(TDisplay::dtHex, 5e9, 4), kStars);
  EXPECT_EQ(Text(TDisplay::dtHex, 4294967295.5, 4), kStars);  // tested before rounding
  EXPECT_EQ(Text(TDisplay::dtHex, -2147483648.5, 4), kStars);
}

TEST(ValueText, BinaryWritesExactlyTheLowestBits) {
  EXPECT_EQ(Text(TDisplay::dtBin, 5, 0), "");
  EXPECT_EQ(Text(TDisplay::dtBin, 5, 8), "00000101");
  EXPECT_EQ(Text(TDisplay::dtBin, 5, 2), "01");
  EXPECT_EQ(Text(TDisplay::dtBin, -1, 15), "111111111111111");
  EXPECT_EQ(Text(TDisplay::dtBin, 4294967295.0, 15), "111111111111111");
  EXPECT_EQ(Text(TDisplay::dtBin, 5e9, 8), kStars);
}

TEST(ValueText, OctalWritesAtMostElevenDigits) {
  EXPECT_EQ(Text(TDisplay::dtOct, 8, 12), "00000000010");
  EXPECT_EQ(Text(TDisplay::dtOct, 8, 15), "00000000010");
  EXPECT_EQ(Text(TDisplay::dtOct, 8, 0), "");
  EXPECT_EQ(Text(TDisplay::dtOct, 8, 1), "0");
  EXPECT_EQ(Text(TDisplay::dtOct, -1, 12), "37777777777");
  EXPECT_EQ(Text(TDisplay::dtOct, 4294967296.0, 4), kStars);
}

TEST(ValueText, ZeroIntPadsAfterTheSignWithinTheSigned32BitRange) {
  EXPECT_EQ(Text(TDisplay::dtZeroInt, -42, 5), "-00042");
  EXPECT_EQ(Text(TDisplay::dtZeroInt, 42, 0), "42");
  EXPECT_EQ(Text(TDisplay::dtZeroInt, 2147483647.0, 2), "2147483647");
  EXPECT_EQ(Text(TDisplay::dtZeroInt, 2147483648.0, 2), kStars);
  EXPECT_EQ(Text(TDisplay::dtZeroInt, 3e9, 2), kStars);
  EXPECT_EQ(Text(TDisplay::dtZeroInt, -2147483648.0, 2), "-2147483648");
}

TEST(ValueText, FloatingNotations) {
  EXPECT_EQ(Text(TDisplay::dtFixP, 3.14159, 2), "3.14");
  EXPECT_EQ(Text(TDisplay::dtFixP, 2.5, 0), "3");  // the notation itself rounds halves away
  EXPECT_EQ(Text(TDisplay::dtExp, 1234.5, 3), "1.23E+003");
  EXPECT_EQ(Text(TDisplay::dtExp, -0.00012, 2), "-1.2E-004");
  EXPECT_EQ(Text(TDisplay::dtFloat, 1234.5, 3), "1.23E+03");
  EXPECT_EQ(Text(TDisplay::dtFloat, 12.5, 4), "12.5");
}

TEST(ValueText, CommaAndPlusSign) {
  TValueTextSettings s;
  s.displayType = TDisplay::dtFixP;
  s.value = 1.5;
  s.precision = 1;
  s.comma = true;
  EXPECT_EQ(BuildValueText(s), "1,5");
  s.forcePlusSign = true;
  EXPECT_EQ(BuildValueText(s), "+1,5");
  s.value = 0;
  EXPECT_EQ(BuildValueText(s), "0,0");
  s.value = -1.5;
  EXPECT_EQ(BuildValueText(s), "-1,5");
  s.comma = false;
  s.value = 2;
  s.displayType = TDisplay::dtDegMin;
  EXPECT_EQ(BuildValueText(s), "+2°  0.0'");
  // The engineering text takes the comma as well.
  s.displayType = TDisplay::dtEEng;
  s.precision = 3;
  s.value = 12345;
  s.comma = true;
  EXPECT_EQ(BuildValueText(s), "+12,3k");
}

TEST(ValueText, HexBinDateAndStateKeepTheirCharacters) {
  TValueTextSettings s;
  s.forcePlusSign = true;
  s.comma = true;
  s.value = 255;
  s.precision = 4;
  s.displayType = TDisplay::dtHex;
  EXPECT_EQ(BuildValueText(s), "00FF");
  s.displayType = TDisplay::dtBin;
  EXPECT_EQ(BuildValueText(s), "1111");
  s.displayType = TDisplay::dtState;
  s.stateText = "a.b,c";
  EXPECT_EQ(BuildValueText(s), "a.b,c");
  s.displayType = TDisplay::dtDateTime;
  s.dtFormat = "dd.mm.yyyy";
  s.value = EncodeDate(2024, 3, 5);
  EXPECT_EQ(BuildValueText(s), "05.03.2024");
  s.displayType = TDisplay::dtOct;  // octal is not among them: it gets the sign
  s.value = 255;
  EXPECT_EQ(BuildValueText(s), "+0377");
}

TEST(ValueText, DateTimeUsesThePattern) {
  TValueTextSettings s;
  s.displayType = TDisplay::dtDateTime;
  s.value = EncodeDate(2001, 9, 4) + 0.5;
  EXPECT_EQ(BuildValueText(s), "Sep-04, 2001");
  s.dtFormat = "hh:nn";
  EXPECT_EQ(BuildValueText(s), "12:00");
  s.value = kNaN;
  EXPECT_EQ(BuildValueText(s), kInvalidDateText);
  s.value = 1e300;
  EXPECT_EQ(BuildValueText(s), kInvalidDateText);
}

TEST(ValueText, StateTextWhateverTheValue) {
  TValueTextSettings s;
  s.displayType = TDisplay::dtState;
  s.value = kNaN;
  EXPECT_EQ(BuildValueText(s), "undefined");
}

TEST(ValueText, DegreesMinutesSeconds) {
  EXPECT_EQ(Text(TDisplay::dtDeg, 12.5, 2), "12.50°");
  EXPECT_EQ(Text(TDisplay::dtDeg, -0.25, 1), "-0.3°");
  EXPECT_EQ(Text(TDisplay::dtDegMin, 12.5, 2), "12° 30.00'");
  EXPECT_EQ(Text(TDisplay::dtDegMin, 12.1, 1), "12°  6.0'");
  EXPECT_EQ(Text(TDisplay::dtDegMin, -0.5, 0), "-0°  30'");
  EXPECT_EQ(Text(TDisplay::dtDegMin, -1.5, 0), "-1°  30'");
  EXPECT_EQ(Text(TDisplay::dtDegMin, -0.0, 0), "0°   0'");
  EXPECT_EQ(Text(TDisplay::dtDegMin, 12.9999, 0), "13°   0'");  // rounding carries into degrees
  EXPECT_EQ(Text(TDisplay::dtDegMin, 0.1, 9), "0°  6.00000000'");  // at most 8 decimals
  EXPECT_EQ(Text(TDisplay::dtDegMinSec, 12.5125, 0), "12° 30'  45\"");
  EXPECT_EQ(Text(TDisplay::dtDegMinSec, -0.5125, 1), "-0° 30' 45.0\"");
  EXPECT_EQ(Text(TDisplay::dtDegMinSec, 1.0 / 3.0, 0), "0° 20'   0\"");
  EXPECT_EQ(Text(TDisplay::dtDegMinSec, 2.0 - 1e-9, 2), "2°  0'  0.00\"");
}

TEST(ValueText, EngineeringNotations) {
  EXPECT_EQ(Text(TDisplay::dtEEng, 12345, 3), "12.3k");
  EXPECT_EQ(Text(TDisplay::dtEEngNoDP, 12345, 3), "12k3");
  EXPECT_EQ(Text(TDisplay::dtEEng, 0.00047, 3), "470u");
  EXPECT_EQ(Text(TDisplay::dtEEng, 0, 3), "0.00");
}

// Every display type gives some text for NaN and the infinities, and never crashes.
TEST(ValueText, NonFiniteValuesForEveryType) {
  struct Case {
    TDisplay type;
    const char* nan;
    const char* inf;
    const char* negInf;
  };
  const std::string stars = kStars;
  const Case cases[] = {
      {TDisplay::dtFloat, "NAN", "INF", "-INF"},
      {TDisplay::dtFixP, "NAN", "INF", "-INF"},
      {TDisplay::dtExp, "NAN", "INF", "-INF"},
      {TDisplay::dtHex, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtZeroInt, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtInt, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtDateTime, kInvalidDateText, kInvalidDateText, kInvalidDateText},
      {TDisplay::dtState, "undefined", "undefined", "undefined"},
      {TDisplay::dtBin, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtOct, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtDeg, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtDegMin, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtDegMinSec, kStars.c_str(), kStars.c_str(), kStars.c_str()},
      {TDisplay::dtEEng, "NAN", "INF", "-INF"},
      {TDisplay::dtEEngNoDP, "NAN", "INF", "-INF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(EnumName(c.type)));
    EXPECT_EQ(Text(c.type, kNaN), c.nan);
    EXPECT_EQ(Text(c.type, kInf), c.inf);
    EXPECT_EQ(Text(c.type, -kInf), c.negInf);
  }
}

// Huge finite values: texts, never undefined conversions (the sanitizer run checks this).
TEST(ValueText, HugeFiniteValuesForEveryType) {
  for (int t = 0; t < static_cast<int>(EnumMemberNames<TDisplay>().size()); ++t) {
    for (double v : {1e300, -1e300, 1.7976931348623157e308, 4.9e-324}) {
      for (int p : {0, 8, 15}) {
        TValueTextSettings s;
        s.displayType = static_cast<TDisplay>(t);
        s.value = v;
        s.precision = p;
        s.forcePlusSign = true;
        EXPECT_NO_THROW(BuildValueText(s));
      }
    }
  }
}

TEST(ValueText, FixedPointAndAnglesKeepTheirDigitsAtEveryMagnitude) {
  // 1e40 as a double is 10000000000000000303786028427003666890752 exactly.
  EXPECT_EQ(Text(TDisplay::dtFixP, 1e40, 2), "10000000000000000303786028427003666890752.00");
  EXPECT_EQ(Text(TDisplay::dtFixP, -1e36, 0), "-1000000000000000042420637374017961984");
  const std::string degrees = Text(TDisplay::dtDeg, 1e300, 0);
  EXPECT_EQ(degrees.find('E'), std::string::npos) << degrees;
  EXPECT_EQ(degrees.substr(0, 4), "1000");
  EXPECT_EQ(Text(TDisplay::dtDegMin, -2e37, 0).find('E'), std::string::npos);
}

TEST(ValueText, PrecisionOutsideItsRangeIsClamped) {
  EXPECT_EQ(Text(TDisplay::dtFixP, 1.5, -3), "2");
  EXPECT_EQ(Text(TDisplay::dtZeroInt, 1, 40), "000000000000001");
}

}  // namespace
}  // namespace kurvex
