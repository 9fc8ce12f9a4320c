// The zoom-and-pan rule of an axis, row by row, and the moves it refuses.

#include <gtest/gtest.h>

#include <cmath>

#include "scale/zoom_pan.h"

namespace kurvex {
namespace {

// A 240 x 240 scale with margins of 20: spans of 200 pixels between the margins.
TScaleZoomPanArgs Drag(TMouseActMode action, TScaleType type, TPoint press, TPoint now,
                       double low = 0, double high = 100, bool log = false) {
  TScaleZoomPanArgs a;
  a.Current = now;
  a.Press = press;
  a.Width = a.Height = 240;
  a.MarginLeft = a.MarginRight = a.MarginTop = a.MarginBottom = 20;
  a.PressLow = a.CurrentLow = low;
  a.PressHigh = a.CurrentHigh = high;
  a.Action = action;
  a.Type = type;
  a.Logarithmic = log;
  return a;
}

constexpr auto kX = TScaleType::sctXB;
constexpr auto kY = TScaleType::sctYL;
using enum TMouseActMode;

TEST(ScaleZoomPan, PanFollowsThePointer) {
  auto r = ScaleZoomPan(Drag(maPan, kX, {100, 5}, {150, 5}));  // 50 px right over 200 px
  ASSERT_TRUE(r.Acts);
  EXPECT_DOUBLE_EQ(r.Low, -25);
  EXPECT_DOUBLE_EQ(r.High, 75);
  r = ScaleZoomPan(Drag(maPan, kY, {5, 100}, {5, 150}));  // down: the values move up
  EXPECT_DOUBLE_EQ(r.Low, 25);
  EXPECT_DOUBLE_EQ(r.High, 125);
  r = ScaleZoomPan(Drag(maPan, kX, {100, 5}, {300, 5}, 1, 100, true));  // one span left: /100
  EXPECT_DOUBLE_EQ(r.Low, 0.01);
  EXPECT_DOUBLE_EQ(r.High, 1);
}

TEST(ScaleZoomPan, ZoomKeepsTheFarEndAndMovesThePressedValueWithThePointer) {
  // Pressed at value 75 (x = 170, right half); moved to x = 95 (value 37.5 before): 75 is there now.
  auto r = ScaleZoomPan(Drag(maZoom, kX, {170, 5}, {95, 5}));
  EXPECT_DOUBLE_EQ(r.Low, 0);
  EXPECT_DOUBLE_EQ(r.High, 200);
  // Left half: the high end stays.
  r = ScaleZoomPan(Drag(maZoom, kX, {70, 5}, {145, 5}));
  EXPECT_DOUBLE_EQ(r.High, 100);
  EXPECT_DOUBLE_EQ(r.Low, 100 - 100.0 * 150 / 75);
  // Vertical, upper half: the low end stays.
  r = ScaleZoomPan(Drag(maZoom, kY, {5, 70}, {5, 145}));
  EXPECT_DOUBLE_EQ(r.Low, 0);
  EXPECT_DOUBLE_EQ(r.High, 100.0 * 150 / 75);
  // Logarithmic, right half, no movement: the range stays.
  r = ScaleZoomPan(Drag(maZoom, kX, {170, 5}, {170, 5}, 1, 100, true));
  EXPECT_DOUBLE_EQ(r.Low, 1);
  EXPECT_NEAR(r.High, 100, 1e-12);
}

TEST(ScaleZoomPan, ZoomDragZoomsAboutTheMiddleOverTheWholeControl) {
  auto r = ScaleZoomPan(Drag(maZoomDrag, kX, {100, 5}, {160, 5}));  // a quarter of 240 right
  EXPECT_DOUBLE_EQ(r.Low, 50 - 37.5);
  EXPECT_DOUBLE_EQ(r.High, 50 + 37.5);
  r = ScaleZoomPan(Drag(maZoomDrag, kY, {5, 100}, {5, 220}));  // half of 240 down: out x1.5
  EXPECT_DOUBLE_EQ(r.Low, 50 - 75);
  EXPECT_DOUBLE_EQ(r.High, 50 + 75);
  r = ScaleZoomPan(Drag(maZoomDrag, kX, {100, 5}, {100, 5}, 1, 100, true));
  EXPECT_NEAR(r.Low, 1, 1e-12);
  EXPECT_NEAR(r.High, 100, 1e-12);
}

// The remaining rows of the rule on a 1 .. 100 logarithmic range and a linear vertical one;
// values from the rule's formulas (G = 10, J = 10 on 1 .. 100).
TEST(ScaleZoomPan, RemainingRows) {
  // Vertical pan: a quarter span down moves a logarithmic range up by half a decade.
  auto r = ScaleZoomPan(Drag(maPan, kY, {5, 100}, {5, 150}, 1, 100, true));
  EXPECT_DOUBLE_EQ(r.Low, std::sqrt(10.0));
  EXPECT_DOUBLE_EQ(r.High, 100 * std::sqrt(10.0));
  // Vertical zoom pressed in the lower half keeps the high end: 100 - 100 * 150 / 75.
  r = ScaleZoomPan(Drag(maZoom, kY, {5, 170}, {5, 95}));
  EXPECT_DOUBLE_EQ(r.Low, -100);
  EXPECT_DOUBLE_EQ(r.High, 100);
  // Logarithmic zoom, left half: low = G / J^((x - x0) / hs + 1).
  r = ScaleZoomPan(Drag(maZoom, kX, {70, 5}, {120, 5}, 1, 100, true));
  EXPECT_DOUBLE_EQ(r.Low, 10 / std::pow(10.0, 1.25));
  EXPECT_DOUBLE_EQ(r.High, 100);
  // Logarithmic zoom, upper half: high = G * J^((y - y0) / vs + 1); lower half: low = G / J^((y0 - y) / vs + 1).
  r = ScaleZoomPan(Drag(maZoom, kY, {5, 70}, {5, 120}, 1, 100, true));
  EXPECT_DOUBLE_EQ(r.Low, 1);
  EXPECT_DOUBLE_EQ(r.High, 10 * std::pow(10.0, 1.25));
  r = ScaleZoomPan(Drag(maZoom, kY, {5, 170}, {5, 120}, 1, 100, true));
  EXPECT_DOUBLE_EQ(r.Low, 10 / std::pow(10.0, 1.25));
  EXPECT_DOUBLE_EQ(r.High, 100);
  // Logarithmic zoom drag, vertical: j = J^((y - y0) / H + 1) over the whole height of 240.
  r = ScaleZoomPan(Drag(maZoomDrag, kY, {5, 100}, {5, 160}, 1, 100, true));
  EXPECT_DOUBLE_EQ(r.Low, 10 / std::pow(10.0, 1.25));
  EXPECT_DOUBLE_EQ(r.High, 10 * std::pow(10.0, 1.25));
}

TEST(ScaleZoomPan, RefusesOtherActionsAndMovesThatBreakTheRange) {
  EXPECT_FALSE(ScaleZoomPan(Drag(maZoomWind, kX, {100, 5}, {150, 5})).Acts);
  EXPECT_FALSE(ScaleZoomPan(Drag(maNone, kY, {5, 100}, {5, 150})).Acts);
  // No pixels between the margins.
  auto a = Drag(maPan, kX, {100, 5}, {150, 5});
  a.Width = 40;
  EXPECT_FALSE(ScaleZoomPan(a).Acts);
  // The pointer on the fixed end's margin would divide by zero.
  EXPECT_FALSE(ScaleZoomPan(Drag(maZoom, kX, {170, 5}, {20, 5})).Acts);
  // A logarithmic range that is not above zero gives no usable ends.
  EXPECT_FALSE(ScaleZoomPan(Drag(maPan, kX, {100, 5}, {150, 5}, 0, 100, true)).Acts);
  // A pan of a range near the double limit overflows.
  EXPECT_FALSE(ScaleZoomPan(Drag(maPan, kX, {100, 5}, {300, 5}, -1e308, 1.7e308)).Acts);
}

}  // namespace
}  // namespace kurvex
