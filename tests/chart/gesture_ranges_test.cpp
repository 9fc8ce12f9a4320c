// The range rules of the gestures on their own: pan, grid pan, zoom about the centre, the
// order of a zoom window, and the ranges they refuse to produce.

#include <gtest/gtest.h>

#include <cmath>

#include "chart/interact/gesture_ranges.h"

namespace kurvex {
namespace {

TDragAxis Axis(double low, double high, bool log = false) { return TDragAxis{low, high, low, high, log}; }

TEST(GesturePan, ContentFollowsThePointerAndComesBackExactly) {
  // 0..10 over PW = 500: 50 pixels to the right show -1..9; back at the start 0..10 exactly.
  TAxisChange r = PanX(Axis(0, 10), 50, 500);
  ASSERT_TRUE(r.Changes);
  EXPECT_EQ(r.Low, -1);
  EXPECT_EQ(r.High, 9);
  r = PanX(Axis(0, 10), 0, 500);
  EXPECT_EQ(r.Low, 0);
  EXPECT_EQ(r.High, 10);
  // Pixel y grows downwards: moving down by the full height raises the range by its height.
  r = PanY(Axis(-5, 5), 340, 340);
  EXPECT_EQ(r.Low, 5);
  EXPECT_EQ(r.High, 15);
  // The width moved per pixel is the current one, the ends are moved from the saved ones.
  r = PanX(TDragAxis{0, 10, 100, 120, false}, 50, 500);
  EXPECT_EQ(r.Low, -2);
  EXPECT_EQ(r.High, 8);
}

TEST(GesturePan, LogarithmicAxesMoveByAFactor) {
  // 1..100 over PW = 400: 200 pixels to the left multiply both ends by 100^(1/2).
  TAxisChange r = PanX(Axis(1, 100, true), -200, 400);
  ASSERT_TRUE(r.Changes);
  EXPECT_DOUBLE_EQ(r.Low, 10);
  EXPECT_DOUBLE_EQ(r.High, 1000);
  r = PanY(Axis(1, 100, true), 200, 400);  // down: larger values come into view
  EXPECT_DOUBLE_EQ(r.Low, 10);
  EXPECT_DOUBLE_EQ(r.High, 1000);
}

TEST(GesturePan, RefusesRangesThatCannotBeMapped) {
  EXPECT_FALSE(PanX(Axis(0, 10), 50, 0).Changes) << "no plot width to divide by";
  EXPECT_FALSE(PanY(Axis(0, 10), 50, -3).Changes);
  EXPECT_FALSE(PanX(Axis(1e308, 1.7e308), -400, 400).Changes) << "overflows to infinity";
  // A logarithmic end pushed below the smallest positive end the range setter takes.
  EXPECT_FALSE(PanX(Axis(1e-99, 1e200, true), 10000, 1).Changes);
  EXPECT_FALSE(PanX(Axis(0, 100, true), 10, 100).Changes) << "a logarithmic range starting at zero";
}

TEST(GesturePanGrid, SnapsTheLowEndTowardsZeroAndKeepsTheWidth) {
  // A pan that would give -2.7 .. 7.3 gives -2 .. 8 (towards zero, not the floor -3).
  const TDragAxis axis = Axis(0, 10);
  const TAxisChange pan = PanX(axis, 135, 500);
  ASSERT_DOUBLE_EQ(pan.Low, -2.7);
  TAxisChange r = SnapToPanGrid(pan, axis, 1, 0);
  EXPECT_EQ(r.Low, -2);
  EXPECT_EQ(r.High, 8);
  r = SnapToPanGrid(pan, axis, 0.5, 0.25);  // -2.5 + 0.25
  EXPECT_EQ(r.Low, -2.25);
  EXPECT_EQ(r.High, 7.75);
  r = SnapToPanGrid(pan, axis, 0, 0.25);  // no step: no snapping
  EXPECT_DOUBLE_EQ(r.Low, -2.7);
  EXPECT_DOUBLE_EQ(r.High, 7.3);
  EXPECT_FALSE(SnapToPanGrid(TAxisChange{}, axis, 1, 0).Changes);
}

TEST(GestureZoomDrag, ScalesTheWidthAboutTheCentre) {
  // A quarter of the control width to the right: 0.75 of the width about the same centre.
  EXPECT_EQ(ZoomDragFactorX(140, 560), 0.75);
  EXPECT_EQ(ZoomDragFactorY(100, 400), 1.25);  // downwards: out
  EXPECT_EQ(ZoomDragFactorX(50, 0), 1);
  TAxisChange r = ZoomAboutCentre(Axis(0, 10), 0.75);
  EXPECT_EQ(r.Low, 1.25);
  EXPECT_EQ(r.High, 8.75);
  EXPECT_FALSE(ZoomAboutCentre(Axis(0, 10), 0).Changes);
  EXPECT_FALSE(ZoomAboutCentre(Axis(-1e308, 1e308), 2).Changes) << "a zoom-out that overflows";
}

TEST(GestureZoomDrag, LogarithmicAxesZoomAboutTheGeometricCentreAndStayPositive) {
  // Zooming out of 1..1000 about the arithmetic centre would reach zero at once.
  TAxisChange r = ZoomAboutCentre(Axis(1, 10000, true), 0.5);
  ASSERT_TRUE(r.Changes);
  EXPECT_NEAR(r.Low, 10, 1e-9);
  EXPECT_NEAR(r.High, 1000, 1e-9);
  r = ZoomAboutCentre(Axis(1, 1000, true), 3);
  ASSERT_TRUE(r.Changes);
  EXPECT_NEAR(std::log10(r.Low), -3, 1e-12);
  EXPECT_NEAR(std::log10(r.High), 6, 1e-12);
  EXPECT_FALSE(ZoomAboutCentre(Axis(1e-60, 1e60, true), 3).Changes) << "below the smallest end";
}

TEST(GestureZoomWindow, OrderFollowsTheAxisDirection) {
  double a = 8, b = 2;
  OrderLikeAxis(a, b, 0, 10);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 8);
  OrderLikeAxis(a, b, 10, 0);  // a reversed axis stays reversed
  EXPECT_EQ(a, 8);
  EXPECT_EQ(b, 2);
  OrderLikeAxis(a, b, 10, 0);
  EXPECT_EQ(a, 8);
}

TEST(GestureRanges, UsableRange) {
  EXPECT_TRUE(UsableRange(-1, 1, false));
  EXPECT_TRUE(UsableRange(1, -1, false)) << "a reversed axis is a range";
  EXPECT_FALSE(UsableRange(1, 1, false));
  EXPECT_FALSE(UsableRange(-1e308, 1e308, false)) << "its width overflows";
  EXPECT_FALSE(UsableRange(NAN, 1, false));
  EXPECT_TRUE(UsableRange(kMinLogEnd, 1, true));
  EXPECT_FALSE(UsableRange(0, 1, true));
}

}  // namespace
}  // namespace kurvex
