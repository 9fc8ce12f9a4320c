// Rectangle, Ellipse, Arc, Polygon and FillRect: covered pixels, pens and brushes.

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

using testing_px::Picture;

struct Scene {
  Bitmap bitmap{16, 16};
  TCanvas canvas{&bitmap};
  Scene() {
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(clRed);
  }
  // '#' pen (black), 'o' brush (red), '.' untouched (white), '?' anything else.
  std::string Map(int left, int top, int right, int bottom) const {
    std::string out;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const TColor c = bitmap.Pixel(x, y);
        out += c == clBlack ? '#' : c == clRed ? 'o' : c == clWhite ? '.' : '?';
      }
      out += '\n';
    }
    return out;
  }
};

TEST(Rectangle, OutlineCoversTheBoxWithoutItsFarEdgesAndTheBrushFillsInside) {
  Scene s;
  s.canvas.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(s.Map(0, 0, 7, 6),
            ".......\n"
            ".#####.\n"
            ".#ooo#.\n"
            ".#ooo#.\n"
            ".#####.\n"
            ".......\n");
}

TEST(Rectangle, ReversedCornersAreNormalised) {
  Scene a;
  a.canvas.Rectangle(1, 1, 6, 5);
  Scene b;
  b.canvas.Rectangle(6, 5, 1, 1);
  Scene c;
  c.canvas.Rectangle(6, 1, 1, 5);
  EXPECT_EQ(a.Map(0, 0, 8, 8), b.Map(0, 0, 8, 8));
  EXPECT_EQ(a.Map(0, 0, 8, 8), c.Map(0, 0, 8, 8));
}

TEST(Rectangle, ClearPenFillsOnePixelLessAndClearBrushFillsNothing) {
  Scene s;
  s.canvas.Pen().SetStyle(TPenStyle::psClear);
  s.canvas.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(s.Map(0, 0, 6, 5),
            "......\n"
            ".ooo..\n"
            ".ooo..\n"
            "......\n"
            "......\n");
  Scene t;
  t.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  t.canvas.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(t.Map(0, 0, 6, 5),
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n");
  // A one-pixel-wide box is its column, drawn as lines up and down (1 x 1 boxes and XOR are
  // in figure_scenes_test.cpp).
  Scene u;
  u.canvas.Rectangle(3, 2, 4, 6);
  EXPECT_EQ(u.Map(2, 1, 5, 7), "...\n.#.\n.#.\n.#.\n.#.\n...\n");
}

// The outer corners of a wide pen are its disc; the inside-frame pen keeps square corners.
TEST(Rectangle, WidePensAreCentredOnTheOutlineAndInsideFrameKeepsThemInTheBox) {
  Scene s;
  s.canvas.Pen().SetWidth(3);
  s.canvas.Rectangle(2, 2, 9, 8);
  EXPECT_EQ(s.Map(0, 0, 11, 10),
            "...........\n"
            "..#######..\n"
            ".#########.\n"
            ".#########.\n"
            ".###ooo###.\n"
            ".###ooo###.\n"
            ".#########.\n"
            ".#########.\n"
            "..#######..\n"
            "...........\n");
  Scene t;
  t.canvas.Pen().SetWidth(2);
  t.canvas.Pen().SetStyle(TPenStyle::psInsideFrame);
  t.canvas.Rectangle(2, 2, 8, 8);
  EXPECT_EQ(t.Map(1, 1, 9, 9),
            "........\n"
            ".######.\n"
            ".######.\n"
            ".##oo##.\n"
            ".##oo##.\n"
            ".######.\n"
            ".######.\n"
            "........\n");
}

TEST(Rectangle, DashedOutlineTakesTheBrushInItsGaps) {
  Bitmap b(60, 20);
  TCanvas c(&b);
  c.Brush().SetColor(clRed);
  c.Pen().SetStyle(TPenStyle::psDot);
  c.Rectangle(0, 0, 40, 10);
  // Top edge from the right: 3 on, 3 off (brush colour), ...
  EXPECT_EQ(b.Pixel(39, 0), clBlack);
  EXPECT_EQ(b.Pixel(37, 0), clBlack);
  EXPECT_EQ(b.Pixel(36, 0), clRed);
  EXPECT_EQ(b.Pixel(33, 0), clBlack);
  // ... on round the corners: the left edge starts at pixel 39, in the middle of a gap.
  EXPECT_EQ(b.Pixel(1, 0), clBlack);
  EXPECT_EQ(b.Pixel(0, 0), clRed);
  EXPECT_EQ(b.Pixel(0, 2), clRed);
  EXPECT_EQ(b.Pixel(0, 3), clBlack);
  EXPECT_EQ(b.Pixel(20, 5), clRed);  // the fill
  EXPECT_EQ(b.Pixel(40, 0), clWhite);
}

TEST(Ellipse, SmallCirclesAreRoundAndInsideTheirBox) {
  Scene s;
  s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  s.canvas.Ellipse(2, 2, 7, 7);  // 5 x 5
  EXPECT_EQ(s.Map(1, 1, 8, 8),
            ".......\n"
            "..###..\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#...#.\n"
            "..###..\n"
            ".......\n");
  Scene t;
  t.canvas.Ellipse(2, 2, 6, 6);  // 4 x 4, filled
  EXPECT_EQ(t.Map(1, 1, 7, 7),
            "......\n"
            "..##..\n"
            ".#oo#.\n"
            ".#oo#.\n"
            "..##..\n"
            "......\n");
}

TEST(Ellipse, IsSymmetricAndTouchesAllFourSidesOfTheBox) {
  Bitmap b(60, 40);
  TCanvas c(&b);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Ellipse(3, 4, 50, 31);
  int min_x = 99, max_x = -1, min_y = 99, max_y = -1;
  for (const auto& [x, y] : testing_px::PaintedPixels(b, clWhite)) {
    min_x = std::min(min_x, x);
    max_x = std::max(max_x, x);
    min_y = std::min(min_y, y);
    max_y = std::max(max_y, y);
    EXPECT_EQ(b.Pixel(3 + 49 - x, y), clBlack);   // mirrored left-right
    EXPECT_EQ(b.Pixel(x, 4 + 30 - y), clBlack);   // mirrored top-bottom
  }
  EXPECT_EQ(min_x, 3);
  EXPECT_EQ(max_x, 49);
  EXPECT_EQ(min_y, 4);
  EXPECT_EQ(max_y, 30);
}

TEST(Ellipse, PartlyOutsidePaintsWhatALargeBitmapWouldShow) {
  Bitmap large(300, 300);
  TCanvas big(&large);
  big.Brush().SetColor(clRed);
  big.Pen().SetWidth(3);
  big.Ellipse(20, 30, 280, 250);
  Bitmap small(50, 40);
  TCanvas part(&small);
  part.Brush().SetColor(clRed);
  part.Pen().SetWidth(3);
  part.SetOrigin(-240, -100);
  part.Ellipse(20, 30, 280, 250);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 50; ++x) ASSERT_EQ(small.Pixel(x, y), large.Pixel(x + 240, y + 100)) << x << ", " << y;
  }
}

TEST(Ellipse, ClearPenFillsOnePixelLessAndInsideFrameKeepsWidePensInTheBox) {
  Scene s;
  s.canvas.Pen().SetStyle(TPenStyle::psClear);
  s.canvas.Ellipse(2, 2, 7, 7);  // filled like a 4 x 4 ellipse
  Scene t;
  t.canvas.Pen().SetColor(clRed);
  t.canvas.Ellipse(2, 2, 6, 6);  // outline and fill of a 4 x 4 ellipse, all red
  EXPECT_EQ(s.Map(0, 0, 9, 9), t.Map(0, 0, 9, 9));
  EXPECT_EQ(s.bitmap.Pixel(3, 3), clRed);

  Bitmap b(40, 40);
  TCanvas c(&b);
  c.Pen().SetWidth(6);
  c.Pen().SetStyle(TPenStyle::psInsideFrame);
  c.Ellipse(5, 8, 35, 30);
  for (const auto& [x, y] : testing_px::PaintedPixels(b, clWhite)) {
    EXPECT_TRUE(x >= 5 && x < 35 && y >= 8 && y < 30) << x << ", " << y;
  }
  EXPECT_EQ(b.Pixel(5, 19), clBlack);
  EXPECT_EQ(b.Pixel(10, 19), clBlack);
  EXPECT_EQ(b.Pixel(11, 19), clWhite);  // the brush (white) inside the 6-pixel ring
}

TEST(Arc, RunsCounterClockwiseFromTheStartDirectionToTheEndDirection) {
  Bitmap b(40, 40);
  TCanvas c(&b);
  // Box 0..30: from the right (east) counter-clockwise to the top (north): the upper right
  // quarter only.
  c.Arc(0, 0, 31, 31, 100, 15, 15, -100);
  int upper_right = 0;
  for (const auto& [x, y] : testing_px::PaintedPixels(b, clWhite)) {
    EXPECT_TRUE(x >= 15 && y <= 15) << x << ", " << y;
    ++upper_right;
  }
  EXPECT_GT(upper_right, 15);
  // The other way round draws the other three quarters.
  Bitmap d(40, 40);
  TCanvas e(&d);
  e.Arc(0, 0, 31, 31, 15, -100, 100, 15);
  EXPECT_EQ(d.Pixel(0, 15), clBlack);
  EXPECT_EQ(d.Pixel(15, 30), clBlack);
  EXPECT_EQ(d.Pixel(26, 4), clWhite);
  // The same direction twice: the whole ellipse.
  Bitmap f(40, 40);
  TCanvas g(&f);
  g.Arc(0, 0, 31, 31, 100, 15, 100, 15);
  Bitmap h(40, 40);
  TCanvas i(&h);
  i.Brush().SetStyle(TBrushStyle::bsClear);
  i.Ellipse(0, 0, 31, 31);
  EXPECT_EQ(testing_px::CountDifferences(f, h), 0);
}

TEST(Polygon, FillsAlternateAndOutlinesTheClosedFigure) {
  Scene s;
  s.canvas.Brush().SetColor(clRed);
  const TPoint square[] = {{1, 1}, {6, 1}, {6, 5}, {1, 5}};
  s.canvas.Polygon(square);
  EXPECT_EQ(s.Map(0, 0, 8, 7),
            "........\n"
            ".######.\n"
            ".#oooo#.\n"
            ".#oooo#.\n"
            ".#oooo#.\n"
            ".######.\n"
            "........\n");
  // A square traced twice around its centre part: the overlap is outside by the
  // alternate rule.
  Bitmap b(30, 30);
  TCanvas c(&b);
  c.Pen().SetStyle(TPenStyle::psClear);
  c.Brush().SetColor(clRed);
  const TPoint twice[] = {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}, {5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}};
  c.Polygon(twice);
  EXPECT_EQ(b.Pixel(2, 2), clRed);
  EXPECT_EQ(b.Pixel(10, 10), clWhite);
  EXPECT_EQ(b.Pixel(17, 17), clRed);
}

TEST(Polygon, FilledTriangleMarkIsSymmetric) {
  Scene s;
  const TPoint diamond[] = {{5, 8}, {8, 11}, {11, 8}, {8, 5}};
  s.canvas.Brush().SetColor(clBlack);
  s.canvas.Polygon(diamond);
  EXPECT_EQ(s.Map(4, 4, 13, 13),
            ".........\n"
            "....#....\n"
            "...###...\n"
            "..#####..\n"
            ".#######.\n"
            "..#####..\n"
            "...###...\n"
            "....#....\n"
            ".........\n");
}

TEST(FillRect, FillsWithTheBrushOnlyInCopyMode) {
  Scene s;
  s.canvas.Pen().SetMode(TPenMode::pmXor);
  s.canvas.FillRect(Rect(1, 1, 4, 3));
  EXPECT_EQ(s.Map(0, 0, 5, 4), ".....\n.ooo.\n.ooo.\n.....\n");
  s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  s.canvas.FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(s.bitmap.Pixel(0, 0), clWhite);
}

}  // namespace
}  // namespace kurvex
