// Texts of numeric tick labels.

#include <gtest/gtest.h>

#include "scale/tick_format.h"

namespace kurvex {
namespace {

TEST(FormatTickNumber, FixedAndExponentForms) {
  EXPECT_EQ(FormatTickNumber(12.345, 2), "12.35");  // 12.345 is stored above the half
  EXPECT_EQ(FormatTickNumber(-0.5, 0), "-1");
  EXPECT_EQ(FormatTickNumber(3, 0), "3");
  EXPECT_EQ(FormatTickNumber(2e36, 1), " 2.0E+0036");
  EXPECT_EQ(FormatTickNumber(1.5e6, -1), " 1.5E+06");
  EXPECT_EQ(FormatTickNumber(-2e-5, -1), "-2.0E-05");
  EXPECT_EQ(FormatTickNumber(1.5e150, -1), "********");
  EXPECT_EQ(FormatTickNumber(-1e-120, -1), "********");
}

TEST(UserTextPiece, PiecesAndWhatFollowsTheLast) {
  EXPECT_EQ(UserTextPiece("a|b|c", 2), "b");
  EXPECT_EQ(UserTextPiece("a|b|c", 9), "c");
  EXPECT_EQ(UserTextPiece("a||c", 2), "");
  EXPECT_EQ(UserTextPiece("a|b|", 3), "");
  EXPECT_EQ(UserTextPiece("a|b|", 7), "");
  EXPECT_EQ(UserTextPiece("", 1), "");
  EXPECT_EQ(UserTextPiece("single", 4), "single");
}

TEST(ApplyInscription, TheLabelTakesThePlaceOfTheFirstAmpersand) {
  EXPECT_EQ(ApplyInscription("12", "$&"), "$12");
  EXPECT_EQ(ApplyInscription("12", "mm"), "mm12");
  EXPECT_EQ(ApplyInscription("12.5", "& V"), "12.5 V");
  EXPECT_EQ(ApplyInscription("3", "&-&"), "3-&");
  EXPECT_EQ(ApplyInscription("", "& V"), "");
}

TEST(StripTrailingZeros, OnlyAfterAPointAndNotInExponents) {
  std::string a = "1.500", b = "100", c = " 1.0E+06", d = "2.000";
  StripTrailingZeros(a);
  StripTrailingZeros(b);
  StripTrailingZeros(c);
  StripTrailingZeros(d);
  EXPECT_EQ(a, "1.5");
  EXPECT_EQ(b, "100");
  EXPECT_EQ(c, " 1.0E+06");
  EXPECT_EQ(d, "2");
}

}  // namespace
}  // namespace kurvex
