// Pens: the 16 raster modes, dash patterns and their gaps, wide round-ended pens, and
// XOR drawing that restores the destination when repeated.

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "pixel_helpers.h"
#include "platform/gfx/canvas.h"
#include "raster_reference.h"

namespace kurvex {
namespace {

using testing_px::PaintedPixels;

TEST(PenMode, EveryModeCombinesPenAndDestinationByItsRule) {
  // Expected results on colour values (0x00BBGGRR); all rules are bitwise, so the byte
  // order of the stored pixels does not matter.
  const std::function<TColor(TColor, TColor)> rules[] = {
      [](TColor, TColor) { return TColor{0}; },                 // pmBlack
      [](TColor, TColor) { return TColor{0xFFFFFF}; },          // pmWhite
      [](TColor d, TColor) { return d; },                       // pmNop
      [](TColor d, TColor) { return ~d & 0xFFFFFF; },           // pmNot
      [](TColor, TColor p) { return p; },                       // pmCopy
      [](TColor, TColor p) { return ~p & 0xFFFFFF; },           // pmNotCopy
      [](TColor d, TColor p) { return (p | ~d) & 0xFFFFFF; },   // pmMergePenNot
      [](TColor d, TColor p) { return p & ~d & 0xFFFFFF; },     // pmMaskPenNot
      [](TColor d, TColor p) { return (~p | d) & 0xFFFFFF; },   // pmMergeNotPen
      [](TColor d, TColor p) { return ~p & d & 0xFFFFFF; },     // pmMaskNotPen
      [](TColor d, TColor p) { return p | d; },                 // pmMerge
      [](TColor d, TColor p) { return ~(p | d) & 0xFFFFFF; },   // pmNotMerge
      [](TColor d, TColor p) { return p & d; },                 // pmMask
      [](TColor d, TColor p) { return ~(p & d) & 0xFFFFFF; },   // pmNotMask
      [](TColor d, TColor p) { return p ^ d; },                 // pmXor
      [](TColor d, TColor p) { return ~(p ^ d) & 0xFFFFFF; },   // pmNotXor
  };
  const TColor dest = 0x5A3C96;
  const TColor pen = 0x0FF0A5;
  for (int mode = 0; mode < 16; ++mode) {
    Bitmap b(20, 20);
    b.Fill(dest);
    TCanvas c(&b);
    c.Pen().SetColor(pen);
    c.Pen().SetMode(static_cast<TPenMode>(mode));
    c.MoveTo(1, 1);
    c.LineTo(10, 1);  // row run
    c.MoveTo(1, 3);
    c.LineTo(1, 12);  // column run
    c.MoveTo(3, 3);
    c.LineTo(12, 7);  // stepped line
    c.Pen().SetWidth(3);
    c.MoveTo(5, 16);
    c.LineTo(15, 16);  // wide stroke
    c.Pen().SetWidth(1);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(14, 2, 19, 7);  // figure outline
    const TColor expected = rules[mode](dest, pen);
    for (const TPoint p : {Point(1, 1), Point(9, 1), Point(1, 3), Point(1, 11), Point(3, 3), Point(11, 7),
                           Point(10, 15), Point(10, 17), Point(14, 2), Point(18, 6)}) {
      EXPECT_EQ(b.Pixel(p.X, p.Y), expected) << "mode " << mode << " at " << p.X << ", " << p.Y;
    }
    EXPECT_EQ(b.Pixel(10, 1), dest) << "mode " << mode;  // end pixel untouched
  }
}

TEST(PenMode, XorFiguresDrawnTwiceRestoreEveryPixel) {
  std::mt19937 rng(7);
  Bitmap b(64, 48);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) b.SetPixel(x, y, static_cast<TColor>(rng() & 0xFFFFFF));
  }
  const Bitmap original = b;
  TCanvas c(&b);
  c.Pen().SetMode(TPenMode::pmXor);
  c.Pen().SetColor(0x00FF80);
  c.Brush().SetColor(0x123456);
  const TPoint path[] = {{5, 5}, {5, 30}, {5, 10}, {40, 12}, {40, 12}, {10, 40}, {60, 3}, {5, 5}};
  const TPoint poly[] = {{3, 3}, {60, 10}, {20, 44}, {50, 40}, {8, 20}};
  std::vector<std::function<void()>> figures = {
      [&] { c.MoveTo(-10, 50); c.LineTo(70, -5); },
      [&] { c.Polyline(path); },
      [&] { c.Rectangle(4, 4, 50, 30); },
      [&] { c.Ellipse(2, 6, 60, 46); },
      [&] { c.Polygon(poly); },
      [&] { c.Arc(0, 0, 60, 40, 60, 0, 0, 40); },
      [&] { c.Pen().SetStyle(TPenStyle::psDashDot); c.Polyline(path); c.Pen().SetStyle(TPenStyle::psSolid); },
      [&] { c.Pen().SetWidth(5); c.Polyline(path); c.Pen().SetWidth(1); },
      [&] { c.Pen().SetWidth(4); c.Rectangle(10, 10, 40, 40); c.Ellipse(5, 5, 50, 30); c.Pen().SetWidth(1); },
      [&] { c.Pen().SetWidth(3); c.Arc(3, 3, 61, 45, 0, 40, 60, 0); c.MoveTo(20, 20); c.LineTo(20, 20); c.Pen().SetWidth(1); },
      [&] { c.Rectangle(7, 3, 8, 30); c.Rectangle(9, 40, 50, 41); },  // one pixel wide and high
  };
  // Styled outlines, with gaps in the brush colour and with gaps left alone.
  for (const TPenStyle style : {TPenStyle::psDash, TPenStyle::psDot, TPenStyle::psDashDot, TPenStyle::psDashDotDot}) {
    for (const bool clear : {false, true}) {
      figures.push_back([&, style, clear] {
        c.Pen().SetStyle(style);
        if (clear) c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Rectangle(4, 4, 50, 30);
        c.Ellipse(2, 6, 61, 47);
        c.Ellipse(30, 10, 33, 40);
        c.Arc(0, 0, 60, 40, 60, 0, 0, 40);
        c.Pen().SetStyle(TPenStyle::psSolid);
        c.Brush().SetColor(0x123456);
      });
    }
  }
  for (std::size_t i = 0; i < figures.size(); ++i) {
    figures[i]();
    EXPECT_GT(testing_px::CountDifferences(b, original), 0) << "figure " << i << " drew nothing";
    figures[i]();
    EXPECT_EQ(testing_px::CountDifferences(b, original), 0) << "figure " << i;
  }
}

TEST(PenMode, WideXorStrokesChangeEachPixelOnce) {
  // A self-overlapping wide polyline: in XOR mode every covered pixel must be changed
  // exactly once, so the set of changed pixels equals the copy-mode stroke.
  const TPoint path[] = {{5, 20}, {40, 20}, {20, 5}, {20, 35}, {5, 20}};
  Bitmap copy(48, 40);
  copy.Fill(clBlack);
  TCanvas cc(&copy);
  cc.Pen().SetColor(clWhite);
  cc.Pen().SetWidth(6);
  cc.Polyline(path);
  Bitmap xored(48, 40);
  xored.Fill(clBlack);
  TCanvas xc(&xored);
  xc.Pen().SetColor(clWhite);
  xc.Pen().SetWidth(6);
  xc.Pen().SetMode(TPenMode::pmXor);
  xc.Polyline(path);
  EXPECT_EQ(testing_px::CountDifferences(copy, xored), 0);
}

// Pixels of a 60-pixel horizontal line with the given style: '#' pen, 'o' brush gap,
// '.' untouched.
std::string Pattern(TPenStyle style, bool solid_brush) {
  Bitmap b(70, 3);
  TCanvas c(&b);
  c.Pen().SetStyle(style);
  c.Brush().SetColor(clRed);
  if (!solid_brush) c.Brush().SetStyle(TBrushStyle::bsClear);
  c.MoveTo(0, 1);
  c.LineTo(60, 1);
  std::string out;
  for (int x = 0; x < 62; ++x) {
    const TColor p = b.Pixel(x, 1);
    out += p == clBlack ? '#' : p == clRed ? 'o' : '.';
  }
  return out;
}

TEST(PenStyle, PatternsRepeatWithTheirLengths) {
  EXPECT_EQ(Pattern(TPenStyle::psDash, true),
            "##################oooooo##################oooooo############..");
  EXPECT_EQ(Pattern(TPenStyle::psDot, true),
            "###ooo###ooo###ooo###ooo###ooo###ooo###ooo###ooo###ooo###ooo..");
  EXPECT_EQ(Pattern(TPenStyle::psDashDot, true),
            "#########oooooo###oooooo#########oooooo###oooooo#########ooo..");
  EXPECT_EQ(Pattern(TPenStyle::psDashDotDot, true),
            "#########ooo###ooo###ooo#########ooo###ooo###ooo#########ooo..");
  EXPECT_EQ(Pattern(TPenStyle::psDot, false),
            "###...###...###...###...###...###...###...###...###...###.....");
  EXPECT_EQ(Pattern(TPenStyle::psSolid, true), std::string(60, '#') + "..");
  EXPECT_EQ(Pattern(TPenStyle::psInsideFrame, true), std::string(60, '#') + "..");
  EXPECT_EQ(Pattern(TPenStyle::psClear, true), std::string(62, '.'));
}

TEST(PenStyle, PatternRestartsAtEachLineToAndRunsOnAcrossPolylineVertices) {
  Bitmap b(40, 30);
  TCanvas c(&b);
  c.Pen().SetStyle(TPenStyle::psDot);
  c.Brush().SetColor(clRed);
  c.MoveTo(0, 0);
  c.LineTo(4, 0);   // pixels 0..3: on on on gap
  c.LineTo(8, 0);   // starts afresh: on on on gap
  EXPECT_EQ(b.Pixel(3, 0), clRed);
  EXPECT_EQ(b.Pixel(4, 0), clBlack);
  EXPECT_EQ(b.Pixel(7, 0), clRed);
  const TPoint path[] = {{0, 5}, {4, 5}, {8, 5}};
  c.Polyline(path);  // one pattern: 3 on, 3 gap, 2 on
  EXPECT_EQ(b.Pixel(4, 5), clRed);
  EXPECT_EQ(b.Pixel(5, 5), clRed);
  EXPECT_EQ(b.Pixel(6, 5), clBlack);
  // Pixel 20 of a dashed polyline turning at pixel 10 is in the first gap.
  c.Pen().SetStyle(TPenStyle::psDash);
  const TPoint corner[] = {{20, 0}, {30, 0}, {30, 20}};
  c.Polyline(corner);
  EXPECT_EQ(b.Pixel(30, 7), clBlack);   // pixel 17
  EXPECT_EQ(b.Pixel(30, 8), clRed);     // pixel 18
  EXPECT_EQ(b.Pixel(30, 13), clRed);    // pixel 23
  EXPECT_EQ(b.Pixel(30, 14), clBlack);  // pixel 24
}

TEST(PenStyle, ClippedStyledLinesKeepTheirPhase) {
  std::mt19937 rng(99);
  const bool kDashDot[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0};
  for (int iteration = 0; iteration < 500; ++iteration) {
    std::uniform_int_distribution<int> coordinate(-400, 400);
    const TPoint from = Point(coordinate(rng), coordinate(rng));
    const TPoint to = Point(coordinate(rng), coordinate(rng));
    Bitmap actual(40, 30);
    TCanvas c(&actual);
    c.Pen().SetStyle(TPenStyle::psDashDot);
    c.Brush().SetColor(clRed);
    c.MoveTo(from.X, from.Y);
    c.LineTo(to.X, to.Y);
    Bitmap expected(40, 30);
    testing_ref::ReferenceLine(from.X, from.Y, to.X, to.Y, {0, 0, 40, 30},
                               [&](std::int64_t x, std::int64_t y, std::int64_t i) {
                                 expected.SetPixel(static_cast<int>(x), static_cast<int>(y),
                                                   kDashDot[i % 24] ? clBlack : clRed);
                               });
    ASSERT_EQ(testing_px::CountDifferences(actual, expected), 0)
        << from.X << ", " << from.Y << " to " << to.X << ", " << to.Y;
  }
}

TEST(WidePen, LinesAreRoundEndedAndStyledWidePensDrawSolid) {
  Bitmap b(40, 20);
  TCanvas c(&b);
  c.Pen().SetWidth(5);
  c.Pen().SetStyle(TPenStyle::psDash);
  c.MoveTo(10, 10);
  c.LineTo(30, 10);
  EXPECT_EQ(testing_px::Picture(b, 6, 6, 35, 15, clBlack),
            ".............................\n"
            ".............................\n"
            "...#######################...\n"
            "..#########################..\n"
            "..#########################..\n"
            "..#########################..\n"
            "...#######################...\n"
            ".............................\n"
            ".............................\n");
}

// The pen disc of an even width is centred half a pixel up and left of the path, and a
// round end reaches past the end point.
TEST(WidePen, EvenWidthsLeanUpAndLeft) {
  Bitmap b(20, 20);
  TCanvas c(&b);
  c.Pen().SetWidth(2);
  c.MoveTo(5, 5);
  c.LineTo(10, 5);
  EXPECT_EQ(testing_px::Picture(b, 2, 2, 13, 8, clBlack),
            "...........\n"
            "...........\n"
            "..#######..\n"
            "..#######..\n"
            "...........\n"
            "...........\n");
}

TEST(WidePen, HugeCoordinatesAndWidthsStayInsideTheBitmap) {
  Bitmap b(30, 30);
  TCanvas c(&b);
  c.Pen().SetWidth(9);
  c.MoveTo(INT32_MIN, INT32_MIN);
  c.LineTo(INT32_MAX, INT32_MAX);
  EXPECT_EQ(b.Pixel(15, 15), clBlack);
  EXPECT_EQ(b.Pixel(15, 19), clBlack);
  EXPECT_EQ(b.Pixel(15, 22), clWhite);
  c.Pen().SetWidth(INT32_MAX);
  c.Pen().SetColor(clRed);
  c.MoveTo(0, 0);
  c.LineTo(1, 1);
  EXPECT_EQ(PaintedPixels(b, clRed).size(), 0u);  // every pixel is red now
}

}  // namespace
}  // namespace kurvex
