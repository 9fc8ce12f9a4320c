// Colours: system colour resolution, pixel byte order and the colour names.

#include <gtest/gtest.h>

#include <string>

#include "common/color.h"

namespace kurvex {
namespace {

TEST(Color, SystemColoursResolveThroughTheDesktopPalette) {
  EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
  EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
  EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
  EXPECT_EQ(ColorToRGB(clGrayText), clGray);
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clHighlight), clNavy);
  // Plain colours pass through with the top byte cleared; unknown system indices are black.
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
  EXPECT_EQ(ColorToRGB(0x02123456), 0x123456u);
  EXPECT_EQ(ColorToRGB(clSystemColor | 200), clBlack);
}

TEST(Color, PixelWordsHoldRedInTheHighByteAndConvertBack) {
  EXPECT_EQ(ColorToPixel(clRed), 0x00FF0000u);
  EXPECT_EQ(ColorToPixel(clBlue), 0x000000FFu);
  EXPECT_EQ(ColorToPixel(0x00336699), 0x00996633u);
  EXPECT_EQ(ColorToPixel(clBtnShadow), 0x00808080u);
  EXPECT_EQ(ColorToPixel(clInfoBk), 0x00FFFFE1u);  // 0xE1FFFF: light yellow
  EXPECT_EQ(PixelToColor(0x00996633), 0x00336699u);
  for (TColor c : {clBlack, clMaroon, clOlive, clTeal, clAqua, TColor{0x0A0B0C}}) {
    EXPECT_EQ(PixelToColor(ColorToPixel(c)), c);
  }
}

TEST(Color, NamesRoundTrip) {
  for (TColor c : {clBlack, clRed, clFuchsia, clWhite, clBtnFace, clWindowText, clInfoBk, cl3DDkShadow}) {
    const char* name = ColorToIdent(c);
    ASSERT_NE(name, nullptr) << c;
    TColor back = 1;
    ASSERT_TRUE(IdentToColor(name, back)) << name;
    EXPECT_EQ(back, c) << name;
  }
  EXPECT_STREQ(ColorToIdent(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToIdent(0x123456), nullptr);
  TColor untouched = 7;
  EXPECT_FALSE(IdentToColor("clNoSuchColour", untouched));
  EXPECT_EQ(untouched, 7u);
}

}  // namespace
}  // namespace kurvex
