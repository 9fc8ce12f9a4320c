// The zoom-and-pan rule of an axis, row by row, and the moves it refuses.

#include <gtest/gtest.h>

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
