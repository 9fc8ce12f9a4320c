#include "common/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>

#include "common/decimal_digits.h"

namespace kurvex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(DecimalDigits, ExpansionIsExact) {
  DecimalDigits d = ExactDecimalDigits(0.1);
  EXPECT_EQ(d.digits, "1000000000000000055511151231257827021181583404541015625");
  EXPECT_EQ(d.pointPos, 0);
  d = ExactDecimalDigits(1e23);
  EXPECT_EQ(d.digits, "99999999999999991611392");
  EXPECT_EQ(d.pointPos, 23);
  d = ExactDecimalDigits(-0.0012);
  EXPECT_TRUE(d.negative);
  EXPECT_EQ(d.pointPos, -2);
  EXPECT_TRUE(ExactDecimalDigits(0.0).IsZero());
  EXPECT_TRUE(ExactDecimalDigits(-0.0).negative);
}

TEST(DecimalDigits, RoundingCarriesAndDropsToZero) {
  DecimalDigits d = ExactDecimalDigits(9.96);
  RoundDigits(d, 2);
  EXPECT_EQ(d.digits, "1");
  EXPECT_EQ(d.pointPos, 2);  // 10
  d = ExactDecimalDigits(0.004);
  RoundToDecimals(d, 2);
  EXPECT_TRUE(d.IsZero());
  d = ExactDecimalDigits(0.005);  // 0.005000000000000000104… rounds up
  RoundToDecimals(d, 2);
  EXPECT_EQ(d.digits, "1");
  EXPECT_EQ(d.pointPos, -1);  // 0.01
}

TEST(FormatFixed, ExactHalvesGoAwayFromZero) {
  EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
  EXPECT_EQ(FormatFixed(-0.125, 2), "-0.13");
  EXPECT_EQ(FormatFixed(2.5, 0), "3");
  EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
  EXPECT_EQ(FormatFixed(0.5, 0), "1");
  EXPECT_EQ(FormatFixed(1.5, 0), "2");
  EXPECT_EQ(FormatFixed(0.375, 2), "0.38");
  EXPECT_EQ(FormatFixed(999.5, 0), "1000");
}

TEST(FormatFixed, ValuesThatOnlyLookLikeHalvesFollowTheirBinaryValue) {
  EXPECT_EQ(FormatFixed(0.15, 1), "0.1");    // 0.14999999999999999444…
  EXPECT_EQ(FormatFixed(0.35, 1), "0.3");    // 0.34999999999999997779…
  EXPECT_EQ(FormatFixed(2.675, 2), "2.67");  // 2.67499999999999982236…
  EXPECT_EQ(FormatFixed(1.005, 2), "1.00");
  EXPECT_EQ(FormatFixed(1.35, 1), "1.4");    // 1.35000000000000008881…
  // The long double nearest 0.15 lies above it, unlike the double.
  EXPECT_EQ(FormatFixed(0.15L, 1), "0.2");
  EXPECT_EQ(FormatFixed(static_cast<long double>(0.15), 1), "0.1");
}

TEST(FormatFixed, DigitsSignAndLargeValues) {
  EXPECT_EQ(FormatFixed(0.0, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.0, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.001, 2), "-0.00");
  EXPECT_EQ(FormatFixed(3.14159, 2), "3.14");
  EXPECT_EQ(FormatFixed(12.0, 3), "12.000");
  EXPECT_EQ(FormatFixed(0.1, 20), "0.10000000000000000555");
  EXPECT_EQ(FormatFixed(1e23, 0), "99999999999999991611392");
  EXPECT_EQ(FormatFixed(9.99e35, 1), "998999999999999954276567040607125504.0");
  EXPECT_EQ(FormatFixed(5e-324, 2), "0.00");
  EXPECT_EQ(FormatFixed(1.5, -3), "2");  // negative decimals count as 0
}

TEST(FormatFixed, HugeMagnitudesSwitchToTheExponentField) {
  EXPECT_EQ(FormatFixed(1e36, 2), " 1.0E+0036");
  EXPECT_EQ(FormatFixed(-2.5e40, 0), "-2.5E+0040");
  EXPECT_EQ(FormatFixed(-1e40, 2, 12), "-1.000E+0040");
  EXPECT_EQ(FormatFixed(LDBL_MAX, 2), " 1.2E+4932");
}

TEST(FormatFixed, WidthPadsButNeverCuts) {
  EXPECT_EQ(FormatFixed(2.5, 1, 5), "  2.5");
  EXPECT_EQ(FormatFixed(2.5, 1, -5), "2.5  ");
  EXPECT_EQ(FormatFixed(123.456, 2, 2), "123.46");
  EXPECT_EQ(FormatFixed(1.0, 5000).size(), 2u + kMaxFormatLength);
  EXPECT_EQ(FormatFixed(1.0, 0, std::numeric_limits<int>::min()).size(), static_cast<size_t>(kMaxFormatLength));
}

TEST(FormatExponent, DigitsExponentAndHalves) {
  EXPECT_EQ(FormatExponent(1234.5, 3, 3), "1.23E+003");
  EXPECT_EQ(FormatExponent(-0.000123456, 2, 2), "-1.2E-04");
  EXPECT_EQ(FormatExponent(0.0, 3, 3), "0.00E+000");
  EXPECT_EQ(FormatExponent(1.25, 2, 2), "1.3E+00");
  EXPECT_EQ(FormatExponent(1.45, 2, 2), "1.4E+00");  // 1.44999999999999995559…
  EXPECT_EQ(FormatExponent(9.995, 3, 1), "9.99E+0");  // 9.99499999999999921840…
  EXPECT_EQ(FormatExponent(9.9951, 3, 2), "1.00E+01");
  EXPECT_EQ(FormatExponent(2.5, 1, 1), "3E+0");
  EXPECT_EQ(FormatExponent(2.5, 0, 1), "3E+0");
  EXPECT_EQ(FormatExponent(5.0, 3, 2, 10), "  5.00E+00");
}

TEST(FormatExponent, ExtremeLongDoubles) {
  EXPECT_EQ(FormatExponent(LDBL_MAX, 5, 1), "1.1897E+4932");
  EXPECT_EQ(FormatExponent(LDBL_TRUE_MIN, 3, 4), "3.65E-4951");
  EXPECT_EQ(FormatExponent(-DBL_MIN, 3, 2), "-2.23E-308");
}

TEST(FormatGeneral, FixedOrScientificByTheRoundedValue) {
  EXPECT_EQ(FormatGeneral(0.0, 2), "0");
  EXPECT_EQ(FormatGeneral(1.5, 2), "1.5");
  EXPECT_EQ(FormatGeneral(-3.14159, 3), "-3.14");
  EXPECT_EQ(FormatGeneral(100.0, 3), "100");
  EXPECT_EQ(FormatGeneral(99.96, 3), "100");
  EXPECT_EQ(FormatGeneral(999.6, 3), "1E+03");
  EXPECT_EQ(FormatGeneral(1234.5, 4), "1235");
  EXPECT_EQ(FormatGeneral(12345.0, 4), "1.235E+04");
  EXPECT_EQ(FormatGeneral(1.5e15, 3), "1.5E+15");
  EXPECT_EQ(FormatGeneral(0.00001, 3), "0.00001");
  EXPECT_EQ(FormatGeneral(0.0000099999, 2), "0.00001");
  EXPECT_EQ(FormatGeneral(0.000001234, 3), "1.23E-06");
  EXPECT_EQ(FormatGeneral(0.1, 17), "0.10000000000000001");
  EXPECT_EQ(FormatGeneral(2.5, 0), "3");
  EXPECT_EQ(FormatGeneral(1e300, 2), "1E+300");
  EXPECT_EQ(FormatGeneral(7.0, 2, 4), "   7");
}

TEST(FormatIntegers, ZeroPaddingAfterTheSignAndHex) {
  EXPECT_EQ(FormatInt(-42, 5), "-00042");
  EXPECT_EQ(FormatInt(5000, 0), "5000");
  EXPECT_EQ(FormatInt(0, 0), "0");
  EXPECT_EQ(FormatInt(std::numeric_limits<std::int64_t>::min(), 0), "-9223372036854775808");
  EXPECT_EQ(FormatInt(7, 2, 5), "   07");
  EXPECT_EQ(FormatInt(7, 2, -5), "07   ");
  EXPECT_EQ(FormatHex(255, 4), "00FF");
  EXPECT_EQ(FormatHex(-1, 4), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(FormatHex(0, 0), "0");
  EXPECT_EQ(FormatHex(0xABCDEF, 2), "ABCDEF");
  EXPECT_EQ(FormatHex(std::numeric_limits<std::int64_t>::min(), 0), "8000000000000000");
}

TEST(FormatExponentField, SignPositionDigitsFromTheWidth) {
  EXPECT_EQ(FormatExponentField(1234.5, 10), " 1.2E+0003");
  EXPECT_EQ(FormatExponentField(1234.5, 12), " 1.235E+0003");
  EXPECT_EQ(FormatExponentField(-1234.5, 3), "-1.2E+0003");
  EXPECT_EQ(FormatExponentField(1.0, 40), std::string(14, ' ') + " 1.00000000000000000E+0000");
}

TEST(NonFiniteValues, ReadableTextInEveryFloatingFormat) {
  EXPECT_EQ(FormatFixed(kNaN, 2), "NAN");
  EXPECT_EQ(FormatFixed(kInf, 2, 5), "  INF");
  EXPECT_EQ(FormatFixed(-kInf, 2), "-INF");
  EXPECT_EQ(FormatExponent(kNaN, 3, 3), "NAN");
  EXPECT_EQ(FormatGeneral(-kInf, 3), "-INF");
  EXPECT_EQ(FormatExponentField(kInf, 10), "       INF");
}

}  // namespace
}  // namespace kurvex
