// Item kinds drawn into a small plot: exact pixels for the rules a user can see.
// Layer 1 maps world (x, y) to plot pixel (2x, 160 - 2y).

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render_test_support.h"

namespace kurvex {
namespace {

using test::ItemCanvas;
using test::MakeItem;

int NonWhite(const Bitmap& b) { return b.Width() * b.Height() - test::CountColor(b, clWhite); }

TEST(RenderItems, RectangleWhoseCornersMeetIsOnePixelInTheLineColour) {
  ItemCanvas t;
  t.Draw(MakeItem(ItemKind::Rectangle, 10, 10, 10.2, 10.1, clRed));
  EXPECT_EQ(NonWhite(t.bitmap), 1);
  EXPECT_EQ(t.At(20, 140), clRed);
}

TEST(RenderItems, RectangleCoversBothCornersAndFillsWithTheFillColour) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::Rectangle, 12, 10, 10, 11, clRed);  // corners in either order
  it.FillColor = clBlue;
  t.Draw(it);
  EXPECT_EQ(NonWhite(t.bitmap), 15);  // columns 20..24, rows 138..140
  EXPECT_EQ(t.At(20, 138), clRed);
  EXPECT_EQ(t.At(24, 140), clRed);
  EXPECT_EQ(t.At(22, 139), clBlue);

  it.Hollow = true;
  ItemCanvas hollow;
  hollow.Draw(it);
  EXPECT_EQ(hollow.At(22, 139), clWhite);
  EXPECT_EQ(hollow.At(24, 140), clRed);
}

TEST(RenderItems, MonochromeDrawsBlackOnSilver) {
  ItemCanvas t;
  t.ctx.Monochrome = true;
  TkxChartItem it = MakeItem(ItemKind::Rectangle, 10, 10, 12, 11, clRed);
  it.FillColor = clBlue;
  t.Draw(it);
  EXPECT_EQ(t.At(20, 138), clBlack);
  EXPECT_EQ(t.At(22, 139), clSilver);
}

TEST(RenderItems, NewLineColourStartsAtTheLastPointOfThePendingPolyline) {
  ItemCanvas t;
  t.Draw(MakeItem(ItemKind::MoveTo, 0, 10));
  t.Draw(MakeItem(ItemKind::LineTo, 10, 10, 0, 0, clBlack));
  EXPECT_EQ(t.state.Path.PolylineCalls(), 0u);
  t.Draw(MakeItem(ItemKind::LineTo, 20, 10, 0, 0, clRed));
  EXPECT_EQ(t.state.Path.PolylineCalls(), 1u);  // the black part is drawn before the pen changes
  t.Flush();
  EXPECT_EQ(t.state.Path.PolylineCalls(), 2u);
  EXPECT_EQ(t.At(0, 140), clBlack);
  EXPECT_EQ(t.At(19, 140), clBlack);
  EXPECT_EQ(t.At(20, 140), clRed);
  EXPECT_EQ(t.At(39, 140), clRed);
  EXPECT_EQ(t.At(40, 140), clWhite);  // the end of a polyline is not painted
}

TEST(RenderItems, KindsWithoutDrawingKeepThePendingPolylineUnlessThePenWidthChanges) {
  ItemCanvas t;
  t.Draw(MakeItem(ItemKind::MoveTo, 0, 10));
  t.Draw(MakeItem(ItemKind::LineTo, 10, 10));
  for (const std::uint8_t kind : {0, 10, 11, 25, 200}) t.Draw(MakeItem(kind, 50, 50));
  EXPECT_TRUE(t.state.Path.Pending());
  EXPECT_EQ(NonWhite(t.bitmap), 0);

  TkxChartItem wide = MakeItem(ItemKind::Unused11, 50, 50);
  wide.LineWidth = 3;
  t.Draw(wide);
  EXPECT_FALSE(t.state.Path.Pending());
  EXPECT_EQ(t.canvas.Pen().Width(), 3);
  EXPECT_EQ(t.At(10, 140), clBlack);
  EXPECT_EQ(NonWhite(t.bitmap), 20);  // the flushed 1-pixel line
}

TEST(RenderItems, TextItemsDoNotTouchThePenWidth) {
  ItemCanvas t;
  TkxChartItem text = MakeItem(ItemKind::Text, 50, 40);
  text.LineWidth = 7;  // a long-text index, not a width
  text.Param1 = 8;
  t.Draw(text);
  EXPECT_EQ(t.canvas.Pen().Width(), 1);
  EXPECT_EQ(t.state.Cache.CachedPenWidth, 1);
}

TEST(RenderItems, ArrowHeadWingsLieTwentyDegreesOffTheShaft) {
  // Horizontal arrow to the right, head length 10: wings at (x2 - 9, y2 -+ 3).
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::Arrow, 10, 40, 50, 40);
  it.FillColor = clBlue;
  it.Param1 = 10;
  t.Draw(it);
  EXPECT_EQ(t.At(94, 79), clBlue);  // inside the filled head
  EXPECT_EQ(t.At(100, 80), clBlack);
  EXPECT_EQ(t.At(91, 77), clBlack);  // a polygon's corners are outlined
  EXPECT_EQ(t.At(91, 83), clBlack);
  EXPECT_EQ(t.At(90, 77), clWhite);

  // Pointing up on the canvas: the wings lie below the end point, at (x2 -+ 3, y2 + 9).
  ItemCanvas up;
  TkxChartItem v = MakeItem(ItemKind::Arrow, 50, 10, 50, 40);
  v.Param1 = 10;
  v.Hollow = true;
  up.Draw(v);
  Bitmap expected(up.bitmap.Width(), up.bitmap.Height());
  expected.Fill(clWhite);
  TCanvas e(&expected);
  e.MoveTo(100, 140);
  e.LineTo(100, 80);
  e.MoveTo(100, 80);
  e.LineTo(97, 89);
  e.MoveTo(100, 80);
  e.LineTo(103, 89);
  EXPECT_EQ(test::DiffPixels(up.bitmap, expected), 0);
}

TEST(RenderItems, DoubleArrowWithOpenHeadsShowsTwoVsAndTheShaft) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::DoubleArrow, 20, 40, 60, 40);
  it.Param1 = 10;
  it.Hollow = true;
  t.Draw(it);
  Bitmap expected(t.bitmap.Width(), t.bitmap.Height());
  expected.Fill(clWhite);
  TCanvas e(&expected);
  e.MoveTo(40, 80);
  e.LineTo(120, 80);
  for (const TPoint w : {Point(49, 83), Point(49, 77)}) {  // start head opens to the right
    e.MoveTo(40, 80);
    e.LineTo(w.X, w.Y);
  }
  for (const TPoint w : {Point(111, 77), Point(111, 83)}) {  // end head opens to the left
    e.MoveTo(120, 80);
    e.LineTo(w.X, w.Y);
  }
  EXPECT_EQ(test::DiffPixels(t.bitmap, expected), 0);
}

TEST(RenderItems, DashedArrowWhoseFillEqualsItsColourShowsGapsInTheContrastColour) {
  ItemCanvas t;
  t.bitmap.Fill(clYellow);
  TkxChartItem it = MakeItem(ItemKind::Arrow, 10, 40, 60, 40, clNavy);
  it.FillColor = clNavy;
  it.PenStyle = TPenStyle::psDash;
  t.Draw(it);
  EXPECT_GT(test::CountColor(t.bitmap, clNavy), 40);
  EXPECT_GT(test::CountColor(t.bitmap, clWhite, Rect(20, 80, 120, 81)), 10);  // ContrastColor(navy)
  EXPECT_EQ(t.canvas.Brush().Color(), clNavy);  // the fill colour is back afterwards
}

TEST(RenderItems, ThreeDBarPutsItsSideFaceLeftPastNinetyDegrees) {
  // Also at depths whose offsets do not fit the int range: the faces keep their side.
  for (const int depth : {10, 1000000, 2147483647})
  for (const int angle : {45, 135}) {
    SCOPED_TRACE(depth);
    ItemCanvas t;
    TkxChartItem it = MakeItem(ItemKind::Bar3D, 20, 10, 40, 30);
    it.Param1 = angle;
    it.Param2 = depth;
    it.FillColor = clYellow;
    t.Draw(it);
    EXPECT_EQ(t.At(60, 120), clYellow);  // front face
    EXPECT_EQ(t.At(36, 120) == clYellow, angle == 135) << angle;
    EXPECT_EQ(t.At(84, 120) == clYellow, angle == 45) << angle;
    EXPECT_EQ(t.At(60, 96), clYellow);  // top face above the front
  }
}

TEST(RenderItems, FramedBoxLoweredEdges) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::FramedBox, 10, 10, 30, 20);
  it.FillColor = clSilver;
  it.ShadeColor = clGray;
  it.HiliteColor = clYellow;
  it.FrameStyle = 2;
  it.Hollow = true;  // ignored: a framed box is always filled
  t.canvas.Brush().SetStyle(TBrushStyle::bsClear);
  t.Draw(it);
  EXPECT_EQ(t.At(40, 130), clSilver);
  EXPECT_EQ(t.At(20, 130), clGray);   // left
  EXPECT_EQ(t.At(40, 120), clGray);   // top
  EXPECT_EQ(t.At(20, 140), clGray);   // bottom-left corner, where the path starts
  EXPECT_EQ(t.At(60, 130), clYellow);  // right, one beyond the fill
  EXPECT_EQ(t.At(59, 130), clSilver);
  EXPECT_EQ(test::CountColor(t.bitmap, clYellow, Rect(21, 140, 61, 141)), 40);  // bottom
  EXPECT_EQ(t.state.Cache.CachedPenColor, clYellow);  // the cache holds the last pen colour used
}

TEST(RenderItems, PixelBoxHalfSizesAreCanvasPixels) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::PixelBox, 50, 40, 999, 999, clRed);
  it.Param1 = 3;
  it.Param2 = 2;
  it.FillColor = clRed;
  t.Draw(it);
  EXPECT_EQ(test::CountColor(t.bitmap, clRed), 7 * 5);
  EXPECT_EQ(t.At(97, 78), clRed);
  EXPECT_EQ(t.At(103, 82), clRed);
}

TEST(RenderItems, ArcRunsCounterClockwiseBetweenItsAngles) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::Arc, 50, 40, 10, 10, clRed);
  it.Param1 = 0;
  it.Param2 = 157079633;  // pi / 2 in units of 1e-8 rad
  t.Draw(it);
  // Centre (100, 80), radius 20: only the upper right quarter.
  EXPECT_GT(test::CountColor(t.bitmap, clRed, Rect(101, 55, 125, 80)), 20);
  EXPECT_EQ(test::CountColor(t.bitmap, clRed, Rect(75, 55, 99, 80)), 0);
  EXPECT_EQ(test::CountColor(t.bitmap, clRed, Rect(75, 82, 125, 105)), 0);
}

TEST(RenderItems, CrossLeavesThePenAtItsCentre) {
  ItemCanvas t;
  t.Draw(MakeItem(ItemKind::Cross, 50, 40, 5, 5));
  EXPECT_EQ(t.At(100, 70), clBlack);  // vertical arm from the top corner
  EXPECT_EQ(t.At(100, 90), clBlack);  // down to the bottom corner, which +1 covers
  EXPECT_EQ(t.At(90, 80), clBlack);
  EXPECT_EQ(t.At(110, 80), clBlack);
  EXPECT_EQ(t.state.Path.CurrentPoint, Point(100, 80));
  t.Draw(MakeItem(ItemKind::RelLine, 0, 20));
  t.Flush();
  EXPECT_EQ(t.At(100, 95), clBlack);
  EXPECT_EQ(t.At(100, 100), clWhite);
}

TEST(RenderItems, VectorOpensAPathThatLineTosContinue) {
  ItemCanvas t;
  t.Draw(MakeItem(ItemKind::Vector, 10, 10, 20, -10));  // (20, 140) to (40, 130)
  t.Draw(MakeItem(ItemKind::LineTo, 30, 10));            // on to (60, 140)
  t.Flush();
  EXPECT_EQ(t.At(20, 140), clBlack);
  EXPECT_EQ(t.At(40, 130), clBlack);
  EXPECT_EQ(t.At(50, 135), clBlack);
  EXPECT_EQ(t.At(60, 140), clWhite);
}

TEST(RenderItems, RelativeMoveAndLineAreUnclampedPixelSteps) {
  ItemCanvas t;
  t.Draw(MakeItem(ItemKind::MoveTo, 10, 40));  // (20, 80)
  t.Draw(MakeItem(ItemKind::RelMove, 10.5, -0.5));  // rounds to (10, 0): ties to even
  t.Draw(MakeItem(ItemKind::RelLine, 0, 7));
  t.Draw(MakeItem(ItemKind::RelLine, 1e12, 0));  // far away, but no overflow
  t.Flush();
  EXPECT_EQ(t.At(30, 80), clBlack);
  EXPECT_EQ(t.At(30, 86), clBlack);
  EXPECT_EQ(t.At(31, 87), clBlack);
  EXPECT_EQ(t.At(200, 87), clBlack);
}

TEST(RenderItems, VerticalAndHorizontalLinesSpanThePlot) {
  ItemCanvas t;
  t.Draw(MakeItem(ItemKind::VertLine, 25, 0, 0, 0, clRed));
  t.Draw(MakeItem(ItemKind::HorizLine, 0, 40, 0, 0, clBlue));
  EXPECT_EQ(t.At(50, 0), clRed);
  EXPECT_EQ(t.At(50, 159), clRed);
  EXPECT_EQ(t.At(50, 160), clWhite);
  EXPECT_EQ(t.At(0, 80), clBlue);
  EXPECT_EQ(t.At(199, 80), clBlue);
  EXPECT_EQ(t.At(200, 80), clWhite);
  // Pixel coordinates for modes 1 and 3.
  TkxChartItem p = MakeItem(ItemKind::VertLine, 7, 0, 0, 0, clGreen);
  p.CoordMode = CoordMode::FirstPixels;
  t.Draw(p);
  EXPECT_EQ(t.At(7, 100), clGreen);
}

TEST(RenderItems, ErrorBarsWithTheirEndTicksAndMark) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::MarkErrorBars, 50, 40, -5, 10, clRed);  // |X2| down, |Y2| up
  it.MarkType = 0;
  t.Draw(it);
  EXPECT_EQ(t.At(100, 80), clRed);   // the mark
  EXPECT_EQ(t.At(100, 89), clRed);   // bar down to y = 35 (row 90)
  EXPECT_EQ(t.At(97, 90), clRed);    // its tick from x - 3 ...
  EXPECT_EQ(t.At(103, 90), clRed);   // ... to x + 3
  EXPECT_EQ(t.At(104, 90), clWhite);
  EXPECT_EQ(t.At(100, 61), clRed);   // bar up to y = 50 (row 60)
  EXPECT_EQ(t.At(97, 60), clRed);

  ItemCanvas outside;
  it.Y1 = 95;  // 95 - 5 is above the y range 0..80
  outside.Draw(it);
  EXPECT_EQ(NonWhite(outside.bitmap), 0);
}

TEST(RenderItems, MarkAtTheRangeEdgeIsDrawnJustBeyondItIsNot) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::Mark, 100, 40, 0, 0, clRed);
  it.MarkType = 9;  // a filled 7 x 7 square
  t.Draw(it);
  EXPECT_EQ(test::CountColor(t.bitmap, clRed), 4 * 7);  // columns 197..200 of it fit the plot
  ItemCanvas beyond;
  it.X1 = 100 + 1e-9;
  beyond.Draw(it);
  EXPECT_EQ(NonWhite(beyond.bitmap), 0);

  // Pixel marks: inside when 0 <= x <= W - MR - ML.
  ItemCanvas pixel;
  it.CoordMode = CoordMode::Pixels;
  it.MarkType = 0;
  it.X1 = 200;
  it.Y1 = 160;
  pixel.Draw(it);
  EXPECT_EQ(pixel.At(200, 160), clRed);
  it.X1 = -0.5;
  pixel.Draw(it);
  EXPECT_EQ(NonWhite(pixel.bitmap), 1);
}

TEST(RenderItems, DuplicateMarksOfOneTypeWithinTheDistanceAreSkipped) {
  ItemCanvas t;
  t.ctx.AvoidDuplicateMarks = true;
  t.state.Occupancy.Prepare(260, 220, 2);
  const auto mark = [&](double x, int type, TColor color) {
    TkxChartItem it = MakeItem(ItemKind::Mark, x, 55, 0, 0, color);
    it.MarkType = type;
    t.Draw(it);
  };
  mark(25, 0, clRed);      // (50, 50)
  mark(26, 0, clBlue);     // 2 pixels away: skipped
  mark(26.5, 0, clGreen);  // 3 pixels away: drawn
  EXPECT_EQ(t.At(50, 50), clRed);
  EXPECT_EQ(t.At(52, 50), clWhite);
  EXPECT_EQ(t.At(53, 50), clGreen);
  // The whole type counts: 256 is another type than 0, although it has the same low byte.
  mark(25, 256, clAqua);
  EXPECT_EQ(t.At(50, 50), clAqua);
  mark(25, 4, clBlue);  // another type at the same pixel is drawn, and takes the cells over
  EXPECT_EQ(t.At(50, 50), clBlue);
  mark(25, 0, clFuchsia);
  EXPECT_EQ(t.At(50, 50), clFuchsia);

  ItemCanvas near;
  near.ctx.AvoidDuplicateMarks = true;
  near.state.Occupancy.Prepare(260, 220, 1);
  TkxChartItem it = MakeItem(ItemKind::Mark, 25, 55, 0, 0, clRed);
  near.Draw(it);
  it.X1 = 26;
  near.Draw(it);
  EXPECT_EQ(near.At(52, 50), clRed);  // distance 1: 2 pixels away is far enough
}

TEST(RenderItems, DuplicateTestIsSafeForMarksOutsideTheControl) {
  ItemCanvas t;
  t.ctx.AvoidDuplicateMarks = true;
  t.state.Occupancy.Prepare(260, 220, 3);
  TkxChartItem it = MakeItem(ItemKind::Mark, 5000, 5000, 0, 0, clRed);
  it.CoordMode = CoordMode::Pixels;  // outside the plot: not drawn at all
  t.Draw(it);
  // A mark on a canvas offset far away from the plot: drawn, claims nothing outside.
  t.ctx.OffsetX = 1000;
  it.CoordMode = CoordMode::World;
  it.X1 = 50;
  it.Y1 = 40;
  t.Draw(it);
  t.Draw(it);
  EXPECT_EQ(NonWhite(t.bitmap), 0);
  EXPECT_TRUE(t.state.Occupancy.Claim(-100000, 5, 0));
}

TEST(RenderItems, CharacterMarksAreCentredOnThePoint) {
  for (const int type : {205, 65, 456}) {
    ItemCanvas t;
    TkxChartItem it = MakeItem(ItemKind::Mark, 50, 40, 0, 0, clRed);
    it.MarkType = type;
    t.Draw(it);
    Bitmap expected(t.bitmap.Width(), t.bitmap.Height());
    expected.Fill(clWhite);
    TCanvas e(&expected);
    e.Font().SetColor(clRed);
    e.Brush().SetStyle(TBrushStyle::bsClear);
    const std::string text = type == 205 ? "5" : type == 65 ? "A" : "0";
    e.TextOut(100 - e.TextWidth(text) / 2, 80 - e.TextHeight(text) / 2, text);
    EXPECT_EQ(test::DiffPixels(t.bitmap, expected), 0) << type;
    EXPECT_GT(NonWhite(t.bitmap), 5);
    EXPECT_EQ(t.canvas.Brush().Style(), TBrushStyle::bsClear);
    EXPECT_EQ(t.state.Cache.CachedFontColor, clRed);
  }
}

// Draws a text item on a canvas with the item canvas's text font at the item's size and
// returns what MeasureText gives for the text.
TTextMetrics MetricsFor(ItemCanvas& t, const std::string& text, int size) {
  TCanvas c(&t.bitmap);
  c.Font().SetName(t.text_font.Name());
  c.Font().SetSize(size);
  return MeasureText(text, c);
}

TEST(RenderItems, MeasureTextCountsLinesAndTheWidestLine) {
  ItemCanvas t;
  const TTextMetrics one = MetricsFor(t, "abc", 10);
  const TTextMetrics three = MetricsFor(t, "abc\n\nwider line", 10);
  EXPECT_EQ(one.Lines, 1);
  EXPECT_EQ(three.Lines, 3);
  EXPECT_EQ(three.LineHeight, one.LineHeight);
  EXPECT_EQ(three.TotalHeight, 3 * three.LineHeight);
  EXPECT_GT(three.MaxWidth, one.MaxWidth);
  EXPECT_EQ(MetricsFor(t, "", 10).MaxWidth, 0);
}

TEST(RenderItems, TwoLineOpaqueTextBoxCentresTheShorterLine) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::Text, 50, 40, 0, 0, clBlack);
  it.ShortText.Set("Wide line\nab");
  it.LineWidth = 0;  // the short text
  it.FillColor = clYellow;
  it.Param1 = 10;
  it.Param2 = 1;
  it.MarkType = 2;
  t.Draw(it);
  const TTextMetrics m = MetricsFor(t, "Wide line\nab", 10);
  ASSERT_EQ(m.Lines, 2);
  const int x = 100 - m.MaxWidth / 2;
  const int y = 80 - m.LineHeight / 2;
  EXPECT_EQ(t.At(x - 4, y - 2), clYellow);
  EXPECT_EQ(t.At(x - 5, y - 2), clWhite);
  EXPECT_EQ(t.At(x + m.MaxWidth + 3, y + 2 * m.LineHeight + 1), clYellow);
  EXPECT_EQ(t.At(x + m.MaxWidth + 4, y), clWhite);
  EXPECT_EQ(t.At(x, y + 2 * m.LineHeight + 2), clWhite);
  EXPECT_EQ(t.At(x, y - 3), clWhite);

  // The ink of the short line sits in the middle of the box.
  int left = 1 << 30, right = -1;
  for (int yy = y + m.LineHeight; yy < y + 2 * m.LineHeight; ++yy) {
    for (int xx = x - 4; xx < x + m.MaxWidth + 4; ++xx) {
      if (t.At(xx, yy) != clYellow) {
        left = std::min(left, xx);
        right = std::max(right, xx);
      }
    }
  }
  ASSERT_GE(right, left);
  EXPECT_LE(std::abs((left - x) - (x + m.MaxWidth - 1 - right)), 3);
}

TEST(RenderItems, BeforeRenderTextMayMakeATwoLineText) {
  ItemCanvas t;
  int seen_index = -1;
  bool seen_annotation = false;
  TBeforeRenderTextEvent handler = [&](TObject*, std::string& text, int index, bool annotation) {
    seen_index = index;
    seen_annotation = annotation;
    text[text.find(' ')] = '\n';
  };
  t.ctx.OnBeforeRenderText = &handler;
  t.texts.SetText(3, "first second");
  TkxChartItem it = MakeItem(ItemKind::Text, 50, 40);
  it.LineWidth = 3;  // the long text
  it.Param1 = 10;
  it.Param2 = 0x101;  // only the low byte counts: opaque
  it.FillColor = clAqua;
  t.Draw(it, 42, true);
  EXPECT_EQ(seen_index, 42);
  EXPECT_TRUE(seen_annotation);
  const TTextMetrics m = MetricsFor(t, "first\nsecond", 10);
  const int y = 80 - m.LineHeight / 2;
  EXPECT_EQ(t.At(100, y + 2 * m.LineHeight + 1), clAqua);  // the box of two lines
  EXPECT_EQ(t.At(100, y + 2 * m.LineHeight + 2), clWhite);
}

TEST(RenderItems, TextAlignmentRightEndsAtTheAnchor) {
  ItemCanvas t;
  TkxChartItem it = MakeItem(ItemKind::TextOffset, 50, 40, 10.5, -4);  // anchor (110, 76)
  it.ShortText.Set("right");
  it.LineWidth = 0;
  it.Param1 = 10;
  it.Param2 = 1;
  it.FillColor = clYellow;
  it.MarkType = 1;
  t.Draw(it);
  const TTextMetrics m = MetricsFor(t, "right", 10);
  const int y = 76 - m.LineHeight / 2;
  EXPECT_EQ(t.At(110 - m.MaxWidth, y), clYellow);
  EXPECT_EQ(t.At(109, y), clYellow);
  EXPECT_EQ(t.At(110, y), clWhite);
  EXPECT_EQ(t.At(110 - m.MaxWidth - 1, y), clWhite);
}

}  // namespace
}  // namespace kurvex
