#include "numlab/frame.h"

#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

constexpr TColor kBack = 0x123456;
constexpr TColor kLight = 0x0000F1, kLightGrey = 0x0000F2, kDarkGrey = 0x0000F3, kDark = 0x0000F4, kSimple = 0x0000F5;

// The colour each pixel of a frame must have, written edge by edge: the outer top row and
// left column (without its bottom pixel) take c1, the outer right column (without its top
// pixel) and bottom row c2, and likewise one pixel further in with c3 and c4.
TColor Expected(int style, int l, int t, int r, int b, int x, int y) {
  if (style == 1) {
    const bool onOutline = ((x == l || x == r) && y >= t && y <= b) || ((y == t || y == b) && x >= l && x <= r);
    return onOutline ? kSimple : kBack;
  }
  TColor c1, c2, c3, c4;
  switch (style) {
    case 2: c1 = kDarkGrey, c2 = kLight, c3 = kDark, c4 = kLightGrey; break;
    case 3: c1 = kLight, c2 = kDark, c3 = kLightGrey, c4 = kDarkGrey; break;
    case 4: c1 = kLight, c2 = kDarkGrey, c3 = kDarkGrey, c4 = kLight; break;
    case 5: c1 = kDarkGrey, c2 = kLight, c3 = kLight, c4 = kDarkGrey; break;
    default: return kBack;
  }
  if (y == b && x >= l && x <= r) return c2;
  if (x == r && y > t && y < b) return c2;
  if (y == t && x >= l && x <= r) return c1;
  if (x == l && y >= t && y < b) return c1;
  if (y == b - 1 && x > l && x < r) return c4;
  if (x == r - 1 && y > t + 1 && y < b - 1) return c4;
  if (y == t + 1 && x > l && x < r) return c3;
  if (x == l + 1 && y > t && y < b - 1) return c3;
  return kBack;
}

void CheckStyle(int style, int drawn_style, int l, int t, int r, int b) {
  Bitmap bmp(40, 30);
  bmp.Fill(kBack);
  TCanvas c(&bmp);
  DrawFrame(c, drawn_style, l, t, r, b, kLight, kLightGrey, kDarkGrey, kDark, kSimple);
  int wrong = 0;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) {
      const TColor want = Expected(style, l, t, r, b, x, y);
      if (bmp.Pixel(x, y) != want && wrong++ < 5) {
        ADD_FAILURE() << "style " << drawn_style << " pixel (" << x << ", " << y << ") is " << std::hex
                      << bmp.Pixel(x, y) << ", expected " << want;
      }
    }
  }
  EXPECT_EQ(wrong, 0) << "style " << drawn_style;
}

TEST(Frame, EveryStyleColoursItsEdges) {
  for (int style = 0; style <= 5; ++style) CheckStyle(style, style, 3, 2, 30, 20);
}

TEST(Frame, StyleIsTakenModulo128AndUnknownValuesDrawNothing) {
  CheckStyle(2, 130, 3, 2, 30, 20);
  CheckStyle(5, 128 + 5, 3, 2, 30, 20);
  CheckStyle(0, 6, 3, 2, 30, 20);
  CheckStyle(0, 127, 3, 2, 30, 20);
}

TEST(Frame, LoweredFieldCorners) {
  Bitmap bmp(100, 28);
  bmp.Fill(kBack);
  TCanvas c(&bmp);
  DrawFrame(c, TFrameStyle::fsLowered, 10, 0, 90, 26, clWhite, clSilver, clGray, clBlack, clBlack);
  EXPECT_EQ(bmp.Pixel(10, 0), clGray);
  EXPECT_EQ(bmp.Pixel(90, 26), clWhite);
  EXPECT_EQ(bmp.Pixel(11, 1), clBlack);
  EXPECT_EQ(bmp.Pixel(89, 25), clSilver);
  EXPECT_EQ(c.Pen().Color(), clSilver);  // the last colour used
}

TEST(Frame, TinyAndClippedFramesStayInside) {
  for (int style = 0; style <= 5; ++style) {
    CheckStyle(style, style, 5, 5, 8, 8);       // the smallest frame with both outlines
    CheckStyle(style, style, -10, -4, 50, 40);  // larger than the bitmap
  }
}

}  // namespace
}  // namespace kurvex
