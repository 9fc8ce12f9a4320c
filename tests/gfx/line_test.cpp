// LineTo and Polyline: the rounding rule in all directions, end pixels, pen position,
// clipping, and the fast paths against the reference rasterizer on random input.

#include <gtest/gtest.h>

#include <random>

#include "pixel_helpers.h"
#include "platform/gfx/canvas.h"
#include "raster_reference.h"

namespace kurvex {
namespace {

using testing_px::Pixels;
using testing_px::PaintedPixels;

Pixels LinePixels(TPoint from, TPoint to) {
  Bitmap b(40, 40);
  TCanvas c(&b);
  c.MoveTo(from.X, from.Y);
  c.LineTo(to.X, to.Y);
  return PaintedPixels(b, clWhite);
}

Pixels Sorted(Pixels p) {
  std::sort(p.begin(), p.end());
  return p;
}

TEST(LineTo, RoundsHalvesToTheSmallerCoordinateInEveryDirection) {
  // Shallow lines: x 16..19 with y 16, 16, 16, 17 (down) or 16, 16, 15, 15 (up).
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {20, 17})), Sorted({{16, 16}, {17, 16}, {18, 16}, {19, 17}}));
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {20, 15})), Sorted({{16, 16}, {17, 16}, {18, 15}, {19, 15}}));
  // Steep line: y 16..19 with x 16, 16, 16, 17.
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {17, 20})), Sorted({{16, 16}, {16, 17}, {16, 18}, {17, 19}}));
  // The mirrored directions: the exact halves still go to the smaller coordinate.
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {12, 17})), Sorted({{16, 16}, {15, 16}, {14, 16}, {13, 17}}));
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {12, 15})), Sorted({{16, 16}, {15, 16}, {14, 15}, {13, 15}}));
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {15, 20})), Sorted({{16, 16}, {16, 17}, {15, 18}, {15, 19}}));
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {17, 12})), Sorted({{16, 16}, {16, 15}, {16, 14}, {17, 13}}));
  EXPECT_EQ(Sorted(LinePixels({16, 16}, {15, 12})), Sorted({{16, 16}, {16, 15}, {15, 14}, {15, 13}}));
}

TEST(LineTo, LeavesOutTheEndPixelAndMovesThePen) {
  Bitmap b(20, 20);
  TCanvas c(&b);
  c.MoveTo(2, 5);
  c.LineTo(10, 5);
  EXPECT_EQ(c.PenPos(), Point(10, 5));
  EXPECT_EQ(b.Pixel(2, 5), clBlack);
  EXPECT_EQ(b.Pixel(9, 5), clBlack);
  EXPECT_EQ(b.Pixel(10, 5), clWhite);
  // Diagonal and a zero-length line (which paints nothing).
  c.MoveTo(0, 0);
  c.LineTo(4, 4);
  EXPECT_EQ(b.Pixel(3, 3), clBlack);
  EXPECT_EQ(b.Pixel(4, 4), clWhite);
  c.MoveTo(15, 15);
  c.LineTo(15, 15);
  EXPECT_EQ(b.Pixel(15, 15), clWhite);
}

TEST(Polyline, PaintsEveryVertexButTheLastAndKeepsThePen) {
  Bitmap b(20, 20);
  TCanvas c(&b);
  c.MoveTo(7, 7);
  const TPoint points[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  c.Polyline(points);
  EXPECT_EQ(c.PenPos(), Point(7, 7));
  EXPECT_EQ(testing_px::Picture(b, 0, 0, 7, 7, clBlack),
            ".......\n"
            ".#####.\n"
            ".....#.\n"
            ".....#.\n"
            ".....#.\n"
            "..####.\n"
            ".......\n");
}

TEST(Polyline, OneColumnMergesIntoTheSamePixelsAsEverySegment) {
  // Last point inside the range, at an extreme reached before, at an unvisited extreme,
  // and zero-length segments only.
  const std::vector<std::vector<TPoint>> cases = {
      {{3, 2}, {3, 9}, {3, 5}},
      {{3, 9}, {3, 2}, {3, 6}, {3, 2}},
      {{3, 4}, {3, 6}, {3, 1}},
      {{3, 4}, {3, 4}, {3, 4}},
      {{3, 4}, {3, 4}, {3, 7}},
      {{0, 0}, {3, 4}, {3, 8}, {3, 2}, {6, 3}},
  };
  for (const auto& points : cases) {
    Bitmap merged(12, 12);
    TCanvas c(&merged);
    c.Polyline(points);
    Bitmap separate(12, 12);
    TCanvas s(&separate);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      s.MoveTo(points[i].X, points[i].Y);
      s.LineTo(points[i + 1].X, points[i + 1].Y);
    }
    EXPECT_EQ(testing_px::CountDifferences(merged, separate), 0) << "case with " << points.size() << " points";
  }
}

TEST(LineTo, HugeCoordinatesPaintOnlyTheVisiblePixelsOfTheExactLine) {
  Bitmap b(30, 20);
  TCanvas c(&b);
  c.MoveTo(-2147483647, -2147483647);
  c.LineTo(2147483647, 2147483647);  // the main diagonal, walked only where visible
  for (int i = 0; i < 20; ++i) EXPECT_EQ(b.Pixel(i, i), clBlack) << i;
  EXPECT_EQ(PaintedPixels(b, clWhite).size(), 20u);
  c.MoveTo(-2147483647, 5);
  c.LineTo(2147483647, 5);
  for (int x = 0; x < 30; ++x) EXPECT_EQ(b.Pixel(x, 5), clBlack);
}

// Differential test: random lines and polylines (small, off-bitmap and huge coordinates,
// random origins and clip rectangles) must paint exactly the reference pixels.
class LineDifferential : public ::testing::Test {
 protected:
  std::mt19937_64 rng{20240611};

  int Coordinate(int kind) {
    switch (kind) {
      case 0: return std::uniform_int_distribution<int>(-5, 45)(rng);
      case 1: return std::uniform_int_distribution<int>(-3000, 3000)(rng);
      default: return std::uniform_int_distribution<int>(INT32_MIN, INT32_MAX)(rng);
    }
  }
  TPoint RandomPoint() {
    const int kind = std::uniform_int_distribution<int>(0, 5)(rng) % 3;
    return Point(Coordinate(kind), Coordinate(kind));
  }
};

TEST_F(LineDifferential, LinesMatchTheReference) {
  for (int iteration = 0; iteration < 4000; ++iteration) {
    Bitmap actual(41, 37);
    Bitmap expected(41, 37);
    TCanvas c(&actual);
    const bool use_origin = iteration % 3 == 0;
    const TPoint origin = use_origin ? Point(Coordinate(2), Coordinate(2)) : Point(0, 0);
    c.SetOrigin(origin.X, origin.Y);
    testing_ref::Box clip{0, 0, 41, 37};
    if (iteration % 4 == 1) {
      c.SetClipRect(Rect(5, 3, 30, 20));
      clip = {5, 3, 30, 20};
    }
    const TPoint from = RandomPoint();
    const TPoint to = iteration % 5 == 0 ? Point(from.X, RandomPoint().Y) : RandomPoint();
    c.MoveTo(from.X, from.Y);
    c.LineTo(to.X, to.Y);
    testing_ref::ReferenceLineOn(expected, origin, from, to, clBlack, clip);
    std::string first;
    ASSERT_EQ(testing_px::CountDifferences(actual, expected, &first), 0)
        << "line (" << from.X << ", " << from.Y << ") to (" << to.X << ", " << to.Y << "), origin (" << origin.X
        << ", " << origin.Y << "), first difference at " << first;
  }
}

TEST_F(LineDifferential, PolylinesWithSharedColumnsMatchTheReference) {
  for (int iteration = 0; iteration < 1500; ++iteration) {
    Bitmap actual(33, 29);
    Bitmap expected(33, 29);
    TCanvas c(&actual);
    std::vector<TPoint> points;
    const int n = std::uniform_int_distribution<int>(1, 30)(rng);
    int x = std::uniform_int_distribution<int>(-4, 36)(rng);
    for (int i = 0; i < n; ++i) {
      // Mostly the same column as the point before, as in a dense chart curve.
      const int step = std::uniform_int_distribution<int>(0, 9)(rng);
      if (step >= 7) x += std::uniform_int_distribution<int>(-6, 6)(rng);
      if (step == 9 && iteration % 7 == 0) x = Coordinate(2);
      const int y = iteration % 11 == 0 ? Coordinate(2) : std::uniform_int_distribution<int>(-6, 34)(rng);
      points.push_back(Point(x, y));
    }
    c.Polyline(points);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      testing_ref::ReferenceLineOn(expected, Point(0, 0), points[i], points[i + 1], clBlack, {0, 0, 33, 29});
    }
    std::string first;
    ASSERT_EQ(testing_px::CountDifferences(actual, expected, &first), 0)
        << "iteration " << iteration << ", first difference at " << first;
  }
}

TEST(Clipping, NothingIsWrittenOutsideTheClipRectangle) {
  Bitmap b(30, 30);
  TCanvas c(&b);
  c.SetClipRect(Rect(10, 10, 20, 20));
  c.Brush().SetColor(clRed);
  c.Pen().SetWidth(5);
  c.MoveTo(-100, 15);
  c.LineTo(100, 15);
  c.Rectangle(-5, -5, 50, 50);
  c.Ellipse(0, 0, 30, 30);
  const TPoint tri[] = {{-1000, -1000}, {1000, 0}, {0, 1000}};
  c.Polygon(tri);
  c.TextOut(0, 12, "Clipped text");
  for (const auto& [x, y] : PaintedPixels(b, clWhite)) {
    EXPECT_TRUE(x >= 10 && x < 20 && y >= 10 && y < 20) << x << ", " << y;
  }
  c.ResetClip();
  c.Pen().SetWidth(1);
  c.MoveTo(0, 0);
  c.LineTo(30, 0);
  EXPECT_EQ(b.Pixel(0, 0), clBlack);
}

TEST(Clipping, OriginShiftsEveryCoordinateWithoutOverflow) {
  Bitmap b(20, 20);
  TCanvas c(&b);
  c.SetOrigin(5, 7);
  c.MoveTo(0, 0);
  c.LineTo(3, 0);
  EXPECT_EQ(b.Pixel(5, 7), clBlack);
  EXPECT_EQ(b.Pixel(7, 7), clBlack);
  EXPECT_EQ(b.Pixel(8, 7), clWhite);
  c.SetPixel(1, 1, clRed);
  EXPECT_EQ(b.Pixel(6, 8), clRed);
  EXPECT_EQ(c.Pixel(1, 1), clRed);
  // An origin near the 32-bit limit added to a coordinate near it must not wrap around.
  c.SetOrigin(INT32_MAX, INT32_MAX);
  c.MoveTo(INT32_MAX, INT32_MAX);
  c.LineTo(INT32_MAX - 5, INT32_MAX - 5);
  c.SetOrigin(INT32_MIN, 0);
  c.MoveTo(INT32_MIN, 3);
  c.LineTo(INT32_MAX, 3);  // device x from -2^32 to -1: entirely left of the bitmap
  EXPECT_EQ(PaintedPixels(b, clWhite).size(), 4u);
}

// The shaded frame of the numeric label and the scale, drawn with LineTo's convention:
// style "lowered" with L = 10, T = 0, R = 90, B = 26.
TEST(LineTo, ShadedFrameLinesMeetAtTheirCorners) {
  Bitmap b(100, 30);
  TCanvas c(&b);
  const int L = 10, T = 0, R = 90, B = 26;
  c.Pen().SetColor(clGray);
  c.MoveTo(L, B);
  c.LineTo(L, T);
  c.LineTo(R + 1, T);
  c.MoveTo(R, T + 1);
  c.Pen().SetColor(clWhite);
  c.LineTo(R, B);
  c.LineTo(L - 1, B);
  c.Pen().SetColor(clBlack);
  c.MoveTo(L + 1, B - 1);
  c.LineTo(L + 1, T + 1);
  c.LineTo(R, T + 1);
  c.MoveTo(R - 1, T + 2);
  c.Pen().SetColor(clSilver);
  c.LineTo(R - 1, B - 1);
  c.LineTo(L, B - 1);
  b.SetPixel(90, 26, clRed);  // would stay red if the white edges missed their corner
  c.MoveTo(R, T + 1);
  c.Pen().SetColor(clWhite);
  c.LineTo(R, B);
  c.LineTo(L - 1, B);
  EXPECT_EQ(b.Pixel(10, 0), clGray);
  EXPECT_EQ(b.Pixel(90, 26), clWhite);
  EXPECT_EQ(b.Pixel(11, 1), clBlack);
  EXPECT_EQ(b.Pixel(89, 25), clSilver);
  EXPECT_EQ(b.Pixel(90, 0), clGray);
  EXPECT_EQ(b.Pixel(10, 26), clWhite);
}

// The crosshair box: a black 5 x 5 frame inside a white 7 x 7 frame.
TEST(Rectangle, CrosshairBoxFrames) {
  Bitmap b(20, 20);
  b.Fill(clGray);
  TCanvas c(&b);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Pen().SetColor(clWhite);
  c.Rectangle(10 - 3, 10 - 3, 10 + 4, 10 + 4);
  c.Pen().SetColor(clBlack);
  c.Rectangle(10 - 2, 10 - 2, 10 + 3, 10 + 3);
  EXPECT_EQ(testing_px::Picture(b, 6, 6, 15, 15, clWhite),
            ".........\n"
            ".#######.\n"
            ".#.....#.\n"
            ".#.....#.\n"
            ".#.....#.\n"
            ".#.....#.\n"
            ".#.....#.\n"
            ".#######.\n"
            ".........\n");
  EXPECT_EQ(testing_px::Picture(b, 6, 6, 15, 15, clBlack),
            ".........\n"
            ".........\n"
            "..#####..\n"
            "..#...#..\n"
            "..#...#..\n"
            "..#...#..\n"
            "..#####..\n"
            ".........\n"
            ".........\n");
  EXPECT_EQ(b.Pixel(10, 10), clGray);
}

}  // namespace
}  // namespace kurvex
