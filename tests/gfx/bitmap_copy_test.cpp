// Draw and StretchDraw: copy modes, clipping, nearest-pixel scaling and mirroring.

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

Bitmap Checker2x2() {
  Bitmap b(2, 2);
  b.SetPixel(0, 0, clRed);
  b.SetPixel(1, 0, clLime);
  b.SetPixel(0, 1, clBlue);
  b.SetPixel(1, 1, clYellow);
  return b;
}

TEST(Draw, CopyModesCombineSourceAndDestination) {
  const TColor dest = 0x3366CC;
  const TColor src = 0x0F5AF0;
  const std::pair<TCopyMode, TColor> cases[] = {
      {TCopyMode::cmSrcCopy, src},
      {TCopyMode::cmSrcAnd, dest & src},
      {TCopyMode::cmSrcPaint, dest | src},
      {TCopyMode::cmSrcInvert, dest ^ src},
  };
  Bitmap source(3, 2);
  source.Fill(src);
  for (const auto& [mode, expected] : cases) {
    Bitmap b(6, 6);
    b.Fill(dest);
    TCanvas c(&b);
    c.SetCopyMode(mode);
    c.Draw(2, 1, source);
    EXPECT_EQ(b.Pixel(2, 1), expected);
    EXPECT_EQ(b.Pixel(4, 2), expected);
    EXPECT_EQ(b.Pixel(5, 2), dest);
    EXPECT_EQ(b.Pixel(2, 3), dest);
  }
}

TEST(Draw, WhiteIsNeutralForSourceAnd) {
  // The numeric label's transparent look: white leaves the parent, dark pixels darken it.
  Bitmap label(4, 1);
  label.Fill(clWhite);
  label.SetPixel(1, 0, clBlack);
  label.SetPixel(2, 0, clSilver);
  Bitmap parent(4, 1);
  parent.Fill(clAqua);
  TCanvas c(&parent);
  c.SetCopyMode(TCopyMode::cmSrcAnd);
  c.Draw(0, 0, label);
  EXPECT_EQ(parent.Pixel(0, 0), clAqua);
  EXPECT_EQ(parent.Pixel(1, 0), clBlack);
  EXPECT_EQ(parent.Pixel(2, 0), clAqua & clSilver);
}

TEST(Draw, IsClippedAtEveryEdgeAndToTheClipRectangle) {
  Bitmap source(10, 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) source.SetPixel(x, y, static_cast<TColor>(x + 16 * y));
  }
  Bitmap b(8, 8);
  b.Fill(clWhite);
  TCanvas c(&b);
  c.Draw(-3, -4, source);
  EXPECT_EQ(b.Pixel(0, 0), static_cast<TColor>(3 + 16 * 4));
  EXPECT_EQ(b.Pixel(6, 5), static_cast<TColor>(9 + 16 * 9));
  EXPECT_EQ(b.Pixel(7, 5), clWhite);
  b.Fill(clWhite);
  c.SetClipRect(Rect(2, 2, 4, 4));
  c.Draw(0, 0, source);
  EXPECT_EQ(testing_px::PaintedPixels(b, clWhite).size(), 4u);
  c.ResetClip();
  c.Draw(INT32_MAX, INT32_MIN, source);
  c.SetOrigin(INT32_MAX, INT32_MAX);
  c.Draw(INT32_MAX, INT32_MAX, source);
  EXPECT_EQ(testing_px::PaintedPixels(b, clWhite).size(), 4u);
}

TEST(Draw, OntoItselfReadsTheOriginalPixels) {
  Bitmap b(4, 1);
  for (int x = 0; x < 4; ++x) b.SetPixel(x, 0, static_cast<TColor>(x + 1));
  TCanvas c(&b);
  c.Draw(1, 0, b);
  EXPECT_EQ(b.Pixel(0, 0), 1u);
  EXPECT_EQ(b.Pixel(1, 0), 1u);
  EXPECT_EQ(b.Pixel(2, 0), 2u);
  EXPECT_EQ(b.Pixel(3, 0), 3u);
}

TEST(StretchDraw, ScalesByTheNearestSourcePixel) {
  Bitmap b(8, 8);
  TCanvas c(&b);
  c.StretchDraw(Rect(2, 2, 6, 6), Checker2x2());
  EXPECT_EQ(testing_px::Picture(b, 1, 1, 7, 7, clRed),
            "......\n"
            ".##...\n"
            ".##...\n"
            "......\n"
            "......\n"
            "......\n");
  EXPECT_EQ(b.Pixel(5, 5), clYellow);
  EXPECT_EQ(b.Pixel(4, 3), clLime);
  EXPECT_EQ(b.Pixel(1, 1), clWhite);
  // Shrinking 4 columns to 3 takes columns 0, 2 and 3 (under the destination centres).
  Bitmap row(4, 1);
  for (int x = 0; x < 4; ++x) row.SetPixel(x, 0, static_cast<TColor>(10 + x));
  Bitmap small(3, 1);
  TCanvas s(&small);
  s.StretchDraw(Rect(0, 0, 3, 1), row);
  EXPECT_EQ(small.Pixel(0, 0), 10u);
  EXPECT_EQ(small.Pixel(1, 0), 12u);
  EXPECT_EQ(small.Pixel(2, 0), 13u);
}

TEST(StretchDraw, ReversedRectanglesMirror) {
  Bitmap b(4, 4);
  TCanvas c(&b);
  c.StretchDraw(Rect(4, 0, 0, 4), Checker2x2());  // mirrored left-right
  EXPECT_EQ(b.Pixel(0, 0), clLime);
  EXPECT_EQ(b.Pixel(3, 0), clRed);
  EXPECT_EQ(b.Pixel(0, 3), clYellow);
  c.StretchDraw(Rect(0, 4, 4, 0), Checker2x2());  // mirrored top-bottom
  EXPECT_EQ(b.Pixel(0, 0), clBlue);
  EXPECT_EQ(b.Pixel(3, 3), clLime);
  c.StretchDraw(Rect(0, 0, 0, 4), Checker2x2());  // empty: nothing
  EXPECT_EQ(b.Pixel(0, 0), clBlue);
}

TEST(StretchDraw, HugeTargetsSampleOnlyTheVisiblePart) {
  Bitmap b(10, 10);
  TCanvas c(&b);
  // The bitmap shows the top-left corner of a 2 x 2 image stretched over 2^31 pixels.
  c.StretchDraw(Rect(-10, -10, INT32_MAX, INT32_MAX), Checker2x2());
  EXPECT_EQ(b.Pixel(0, 0), clRed);
  EXPECT_EQ(b.Pixel(9, 9), clRed);
  c.SetCopyMode(TCopyMode::cmSrcInvert);
  c.StretchDraw(Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), Checker2x2());
  EXPECT_EQ(b.Pixel(0, 0), clRed ^ clYellow);  // the lower-right quarter begins at (0, 0)
}

}  // namespace
}  // namespace kurvex
