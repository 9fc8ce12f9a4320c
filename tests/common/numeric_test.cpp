#include "common/numeric.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "common/errors.h"

namespace kurvex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(FloatToText, FixedPointInAField) {
  EXPECT_EQ(FloatToText(1, 2, 0), "0.00");
  EXPECT_EQ(FloatToText(1, 2, 0.254), "0.25");
  EXPECT_EQ(FloatToText(1, 2, 0.5), "0.50");
  EXPECT_EQ(FloatToText(1, 2, 12), "12.00");
  EXPECT_EQ(FloatToText(5, 1, 2.5), "  2.5");
  EXPECT_EQ(FloatToText(2, 2, 123.456), "123.46");
  EXPECT_EQ(FloatToText(1, 0, 2.5), "3");
  EXPECT_EQ(FloatToText(1, 2, 0.125), "0.13");
  EXPECT_EQ(FloatToText(1, 2, 1e36), " 1.0E+0036");
  EXPECT_EQ(FloatToText(12, 0, -1e36), "-1.000E+0036");
}

TEST(FloatToText, NegativeWidthPadsWithZerosAfterTheSign) {
  EXPECT_EQ(FloatToText(-8, 2, -3.5), "-0003.50");
  EXPECT_EQ(FloatToText(-6, 1, 2.5), "0002.5");
  EXPECT_EQ(FloatToText(-1, 2, -3.5), "-3.50");
  EXPECT_EQ(FloatToText(-5, 0, -7), "-0007");
}

TEST(FloatToText, ShortExponentFormWithStarsOnOverflow) {
  EXPECT_EQ(FloatToText(1, -2, 1234.5), " 1.2E+03");
  EXPECT_EQ(FloatToText(1, -2, -0.00012), "-1.2E-04");
  EXPECT_EQ(FloatToText(1, -2, 0), " 0.0E+00");
  EXPECT_EQ(FloatToText(1, -2, 9.96), " 1.0E+01");
  EXPECT_EQ(FloatToText(1, -2, 1e-99), " 1.0E-99");
  EXPECT_EQ(FloatToText(1, -2, 1.5e150), "********");
  EXPECT_EQ(FloatToText(1, -2, -1e-100), "********");
  EXPECT_EQ(FloatToText(1, -2, 9.99e99), "********");  // rounds up into a three-digit exponent
  EXPECT_EQ(FloatToText(12, -2, -1234.5), "-1.23450E+03");
  EXPECT_EQ(FloatToText(30, -2, 1.0), std::string(6, ' ') + " 1.00000000000000000E+00");
}

TEST(FloatToText, OtherNegativeDecimalsKeepFourExponentDigits) {
  EXPECT_EQ(FloatToText(1, -1, 1234.5), " 1.2E+0003");
  EXPECT_EQ(FloatToText(12, -5, 1234.5), " 1.235E+0003");
  EXPECT_EQ(FloatToText(1, -1, 1.5e150), " 1.5E+0150");
}

TEST(FloatToText, BadInputStaysReadable) {
  EXPECT_EQ(FloatToText(1, 2, kNaN), "NAN");
  EXPECT_EQ(FloatToText(6, 2, kInf), "   INF");
  EXPECT_EQ(FloatToText(-6, 2, -kInf), "  -INF");
  EXPECT_EQ(FloatToText(1, -2, kInf), "INF");
  EXPECT_EQ(FloatToText(kIntMin, 2, 1.0).size(), 1000u);
}

TEST(EngFloatToText, PrefixLettersAndDigits) {
  EXPECT_EQ(EngFloatToText(3, 12345), "12.3k");
  EXPECT_EQ(EngFloatToText(3, 0.00047), "470u");
  EXPECT_EQ(EngFloatToText(3, 1), "1.00");
  EXPECT_EQ(EngFloatToText(3, -12345), "-12.3k");
  EXPECT_EQ(EngFloatToText(3, 0), "0.00");
  EXPECT_EQ(EngFloatToText(3, 999.9), "1000");
  EXPECT_EQ(EngFloatToText(3, 1000), "1.00k");
  EXPECT_EQ(EngFloatToText(3, 0.001), "1.00m");
  EXPECT_EQ(EngFloatToText(4, 2.5e9), "2.500G");
  EXPECT_EQ(EngFloatToText(1, 12345), "12k");
  EXPECT_EQ(EngFloatToText(0, 12345), "12k");
  EXPECT_EQ(EngFloatToText(1, 1e15), "1000T");
  EXPECT_EQ(EngFloatToText(3, 1e-20), "0.0100a");
}

TEST(EngFloatToText, NegativePrecisionPutsTheLetterInPlaceOfThePoint) {
  EXPECT_EQ(EngFloatToText(-3, 12345), "12k3");
  EXPECT_EQ(EngFloatToText(-3, -0.0047), "-4m70");
  EXPECT_EQ(EngFloatToText(-3, 470e-6), "470u");  // no point: the letter is appended
  EXPECT_EQ(EngFloatToText(-3, 1.5), "1.50");     // no letter for F = 0
  EXPECT_EQ(EngFloatToText(-20, 12345), EngFloatToText(-9, 12345));
  EXPECT_EQ(EngFloatToText(20, 12345), "12.3450000k");
}

TEST(EngFloatToText, BadInputStaysReadable) {
  EXPECT_EQ(EngFloatToText(3, kNaN), "NAN");
  EXPECT_EQ(EngFloatToText(3, kInf), "INF");
  EXPECT_EQ(EngFloatToText(3, -kInf), "-INF");
  EXPECT_FALSE(EngFloatToText(3, 1e300).empty());
  EXPECT_FALSE(EngFloatToText(-3, -5e-324).empty());
}

TEST(Log10, ValuesAndDomainErrors) {
  EXPECT_EQ(Log10(1000), 3.0);
  EXPECT_EQ(Log10(1), 0.0);
  EXPECT_EQ(Log10(0.001), -3.0);
  EXPECT_NEAR(Log10(2), 0.30102999566398120, 1e-16);
  EXPECT_EQ(Log10(kInf), kInf);
  for (double bad : {0.0, -0.0, -1.0, -kInf, kNaN}) {
    try {
      Log10(bad);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const EMathError& e) {
      EXPECT_STREQ(e.what(), "logarithm: invalid argument");
    }
  }
}

TEST(FloorCeil, AroundIntegersAndHalves) {
  struct Case {
    double value;
    std::int32_t floor, ceil;
  };
  const Case cases[] = {{3.0, 3, 3},           {2.5, 2, 3},   {3.5, 3, 4},   {-2.5, -3, -2},
                        {-0.5, -1, 0},         {-0.0, 0, 0},  {2.9999999, 2, 3}, {1e-300, 0, 1},
                        {-1e-300, -1, 0},      {-7.0, -7, -7}, {2147483647.0, kIntMax, kIntMax},
                        {-2147483648.0, kIntMin, kIntMin}};
  for (const Case& c : cases) {
    EXPECT_EQ(FloorInt(c.value), c.floor) << c.value;
    EXPECT_EQ(CeilInt(c.value), c.ceil) << c.value;
  }
}

TEST(FloorCeil, OutsideThe32BitRangeClampsAndNaNGivesZero) {
  EXPECT_EQ(FloorInt(2147483647.5), kIntMax);
  EXPECT_EQ(CeilInt(2147483647.5), kIntMax);
  EXPECT_EQ(FloorInt(-2147483648.5), kIntMin);
  EXPECT_EQ(CeilInt(-2147483648.5), kIntMin);
  EXPECT_EQ(FloorInt(1e10), kIntMax);
  EXPECT_EQ(CeilInt(-1e300), kIntMin);
  EXPECT_EQ(FloorInt(kInf), kIntMax);
  EXPECT_EQ(CeilInt(-kInf), kIntMin);
  EXPECT_EQ(FloorInt(kNaN), 0);
  EXPECT_EQ(CeilInt(kNaN), 0);
}

TEST(RoundToInt, HalvesGoToEven) {
  EXPECT_EQ(RoundToInt(2.5), 2);
  EXPECT_EQ(RoundToInt(3.5), 4);
  EXPECT_EQ(RoundToInt(-2.5), -2);
  EXPECT_EQ(RoundToInt(-3.5), -4);
  EXPECT_EQ(RoundToInt(0.49999999999999994), 0);
  EXPECT_EQ(RoundToInt(2.5000000000000004), 3);
  EXPECT_EQ(RoundToInt(1e300), kIntMax);
  EXPECT_EQ(RoundToInt(kNaN), 0);
  EXPECT_EQ(RoundToInt64(3e9), 3000000000);
  EXPECT_EQ(RoundToInt64(4503599627370497.0), 4503599627370497);
  EXPECT_EQ(RoundToInt64(1e19), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(RoundToInt64(-1e19), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(RoundToInt64(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
}

TEST(Swaps, ExchangeInPlace) {
  std::int32_t i = 1, j = -2;
  SwapIntegers(i, j);
  EXPECT_EQ(i, -2);
  EXPECT_EQ(j, 1);
  double a = 1.5, b = kInf;
  SwapDoubles(a, b);
  EXPECT_EQ(a, kInf);
  EXPECT_EQ(b, 1.5);
  long double x = 0.1L, y = 2;
  SwapExtendeds(x, y);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 0.1L);
}

TEST(GreyValue, WeightsPerChannelAndExactHalves) {
  EXPECT_EQ(GreyValue(0x808080), 128);
  EXPECT_EQ(GreyValue(0xC0C0C0), 192);
  EXPECT_EQ(GreyValue(0xFFFFFF), 255);
  EXPECT_EQ(GreyValue(0x00FF00), 150);  // green: 150.45
  EXPECT_EQ(GreyValue(0xFF0000), 28);   // blue: 28.05
  EXPECT_EQ(GreyValue(0x0000FF), 76);   // red: 76.5, to the even neighbour
  EXPECT_EQ(GreyValue(0x000005), 2);    // 1.5
  EXPECT_EQ(GreyValue(0x00000F), 4);    // 4.5
  EXPECT_EQ(GreyValue(0xFF00000F), 4);  // a system colour's bytes are used as they are
}

TEST(ContrastColor, BlackFromGrey140Up) {
  EXPECT_EQ(ContrastColor(0x808080), clWhite);
  EXPECT_EQ(ContrastColor(0xC0C0C0), clBlack);
  EXPECT_EQ(ContrastColor(0x8C8C8C), clBlack);  // grey exactly 140
  EXPECT_EQ(ContrastColor(0x8B8B8B), clWhite);  // 139
  EXPECT_EQ(ContrastColor(clLime), clBlack);
  EXPECT_EQ(ContrastColor(clRed), clWhite);
}

}  // namespace
}  // namespace kurvex
