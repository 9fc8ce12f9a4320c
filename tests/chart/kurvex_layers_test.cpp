// Layer ranges on a chart: the mapping example, range rules, joint layers, history, limits.

#include <gtest/gtest.h>

#include <string>

#include "chart/model/kurvex.h"

namespace kurvex {
namespace {

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EKPXKurvexError& e) {
    return e.what();
  }
  return "";
}

TEST(ChartLayers, MappingOnA560x385Chart) {
  TKurvex chart(nullptr);
  chart.SetMarginLeft(60);
  chart.SetMarginRight(16);
  chart.SetMarginTop(20);
  chart.SetMarginBottom(40);
  chart.SetShadowWidth(1);
  chart.SetBounds(0, 0, 560, 385);
  chart.SetLayerRange(1, 0, -5, 100, 5);
  EXPECT_EQ(chart.WorldToPixel(1, 0, 5), Point(60, 20));
  EXPECT_EQ(chart.WorldToPixel(1, 100, -5), Point(543, 344));
  double x, y;
  chart.PixelToWorld(1, 543, 20, x, y);
  EXPECT_NEAR(x, 100, 1e-9);
  EXPECT_NEAR(y, 5, 1e-9);
  EXPECT_EQ(chart.PlotBitmap().Width(), 560 - 60 - 16 - 1 + 1);
  EXPECT_EQ(chart.PlotBitmap().Height(), 385 - 20 - 40 - 1 + 1);
  // The axis controls follow the range.
  EXPECT_EQ(chart.ScaleX(1).RangeHigh(), 100.0);
  EXPECT_EQ(chart.ScaleY(1).RangeLow(), -5.0);
  // World to pixel clamps its layer into 1..16; SetLayerRange rejects a bad one.
  EXPECT_EQ(chart.WorldToPixel(-7, 0, 5), Point(60, 20));
  chart.SetLayerRange(16, 0, 0, 10, 10);
  EXPECT_EQ(chart.WorldToPixel(99, 5, 5), chart.WorldToPixel(16, 5, 5));
  EXPECT_NE(chart.WorldToPixel(99, 5, 5), chart.WorldToPixel(1, 5, 5));
  chart.PixelToWorld(2147483647, 60, 20, x, y);
  EXPECT_NEAR(x, 0, 1e-9);
  EXPECT_NEAR(y, 10, 1e-9);
  EXPECT_EQ(ErrorOf([&] { chart.SetLayerRange(17, 0, 0, 1, 1); }),
            "Layer 17 is out of range (0..16, 0 = all layers)");
}

TEST(ChartLayers, ZeroWidthAndTooNarrowRanges) {
  TKurvex chart(nullptr);
  chart.SetLayerRange(1, 3, 0, 3, 1);
  EXPECT_DOUBLE_EQ(chart.Scale1X().RangeLow(), 3 - 5e-11);
  EXPECT_DOUBLE_EQ(chart.Scale1X().RangeHigh(), 3 + 5e-11);

  chart.SetLayerRange(2, 1, 1, 10, 100);
  chart.ScaleXProps(2).SetLogarithmic(true);
  chart.SetLayerRange(2, 3, 1, 3, 100);
  EXPECT_DOUBLE_EQ(chart.ScaleXProps(2).RangeLow(), 3 / 1.1);
  EXPECT_DOUBLE_EQ(chart.ScaleXProps(2).RangeHigh(), 3 * 1.1);

  chart.SetLayerRange(3, 0, 0, 10, 10);
  chart.SetLayerRange(3, 0, 0, 5e-11, 20);  // x narrower than 0.99 * MinRange: x kept
  EXPECT_EQ(chart.ScaleXProps(3).RangeHigh(), 10.0);
  EXPECT_EQ(chart.ScaleYProps(3).RangeHigh(), 20.0);
}

TEST(ChartLayers, LogarithmicAxes) {
  TKurvex chart(nullptr);
  chart.SetLayerRange(1, 1, 1, 1000, 10);
  chart.Scale1X().SetLogarithmic(true);
  ASSERT_TRUE(chart.Scale1X().Logarithmic());
  const int left = chart.MarginLeft();
  EXPECT_EQ(chart.WorldToPixel(1, 1, 1).X, left);
  EXPECT_EQ(chart.WorldToPixel(1, 0, 1).X, 0);  // at or below zero: the control's left edge
  // A non-positive end cannot be stored on the logarithmic axis through the range setter.
  chart.SetLayerRange(1, -5, 1, 100, 10);
  EXPECT_EQ(chart.Scale1X().RangeLow(), 1.0);
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 100.0);
  // Stored straight into the axis, it makes the transforms fail with the message.
  chart.Scale1X().StoreRangeLow(-1);
  EXPECT_EQ(ErrorOf([&] { chart.UpdateTransforms(); }), "Logarithmic axis must not be negative.");
}

TEST(ChartLayers, JointLayers) {
  TKurvex chart(nullptr);
  chart.SetLayerRange(1, 0, 0, 10, 10);
  chart.SetLayerRange(3, 0, 0, 50, 50);
  chart.JointLayers().SetXControlledBy(3, 1);
  EXPECT_EQ(chart.ScaleXProps(3).RangeHigh(), 10.0);  // takes its controller's x range
  EXPECT_EQ(chart.ScaleYProps(3).RangeHigh(), 50.0);  // keeps its own y range
  chart.SetLayerRange(1, 0, 0, 20, 20);
  EXPECT_EQ(chart.ScaleXProps(3).RangeHigh(), 20.0);
  chart.SetLayerRange(3, 0, 0, 99, 99);
  EXPECT_EQ(chart.ScaleXProps(3).RangeHigh(), 20.0);
  EXPECT_EQ(chart.ScaleYProps(3).RangeHigh(), 99.0);

  TJointLayers& j = chart.JointLayers();
  EXPECT_EQ(ErrorOf([&] { j.SetXControlledBy(2, 3); }), "Destination layer 3 is already joined");
  EXPECT_EQ(ErrorOf([&] { j.SetXControlledBy(2, 17); }), "Destination layer 17 is out of range");
  EXPECT_EQ(ErrorOf([&] { j.SetXControlledBy(2, 0); }), "Destination layer 0 is out of range");
  j.SetXControlledBy(5, 1);
  EXPECT_EQ(ErrorOf([&] { j.SetXControlledBy(1, 4); }), "Layer 1 is joined by other layers (3, 5)");
  j.SetXControlledBy(3, 3);  // its own range again
  EXPECT_EQ(j.XControlledBy(3), 3);
  chart.SetLayerRange(3, 0, 0, 7, 7);
  EXPECT_EQ(chart.ScaleXProps(3).RangeHigh(), 7.0);
  // The y table is separate.
  j.SetYControlledBy(2, 1);
  EXPECT_EQ(chart.ScaleYProps(2).RangeHigh(), 20.0);
  EXPECT_EQ(j.XControlledBy(2), 2);
}

TEST(ChartLayers, HistoryRecordsEveryLayerInARing) {
  TKurvex chart(nullptr);
  EXPECT_EQ(chart.RangeHistoryPosition(), 2);  // the clear stored one snapshot
  EXPECT_EQ(chart.RangeHistory(1, 1), (TRangeSnapshot{0, 1, 1, 0}));
  chart.SetLayerRange(1, 1, 2, 3, 4);
  EXPECT_EQ(chart.RangeHistory(1, 2), (TRangeSnapshot{1, 4, 3, 2}));
  EXPECT_EQ(chart.RangeHistory(2, 2), (TRangeSnapshot{0, 1, 1, 0}));
  for (int i = 0; i < 15; ++i) chart.SetLayerRange(1, i, 0, i + 1, 1);
  EXPECT_EQ(chart.RangeHistoryPosition(), 2);
  EXPECT_EQ(chart.RangeHistory(1, 1).Left, 14.0);
  EXPECT_THROW(chart.RangeHistory(1, 17), EKPXKurvexError);
  chart.ClearRangeHistory();
  EXPECT_EQ(chart.RangeHistory(1, 3), TRangeSnapshot{});
}

TEST(ChartLayers, LimitsMoveOrCutTheRange) {
  TKurvex chart(nullptr);
  chart.SetRangeLimits(0, 0, 100, 100);
  chart.SetMouseAction(TMouseActMode::maPan);
  chart.ApplyLayerRange(1, -10, 0, 20, 10, false, true);  // a pan keeps the width
  EXPECT_EQ(chart.Scale1X().RangeLow(), 0.0);
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 30.0);
  chart.SetMouseAction(TMouseActMode::maZoomWind);
  chart.ApplyLayerRange(1, -10, 0, 120, 10, false, true);  // others are cut
  EXPECT_EQ(chart.Scale1X().RangeLow(), 0.0);
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 100.0);
  chart.ApplyLayerRange(1, -10, 0, 120, 10, false, false);  // limits off
  EXPECT_EQ(chart.Scale1X().RangeLow(), -10.0);
}

TEST(ChartLayers, IsometricKeepsTheAspect) {
  TKurvex chart(nullptr);
  chart.SetBounds(0, 0, 281, 161);  // plot 281-50-20+1 = 212 wide, 161-20-40+1 = 102 high
  chart.SetIsometric(true);
  chart.SetLayerRange(1, 0, 0, 212, 10);
  EXPECT_DOUBLE_EQ(chart.Scale1Y().RangeHigh() - chart.Scale1Y().RangeLow(), 102.0);
  EXPECT_DOUBLE_EQ((chart.Scale1Y().RangeHigh() + chart.Scale1Y().RangeLow()) / 2, 5.0);
}

TEST(ChartLayers, PaintHoldBatchesRepaints) {
  TKurvex chart(nullptr);
  EXPECT_TRUE(chart.PaintHeld());
  chart.HoldPaint(false);
  chart.HoldPaint(true);
  chart.SetLayerRange(1, 0, 0, 5, 5);
  chart.SetLayerRange(2, 0, 0, 5, 5);
  EXPECT_TRUE(chart.PaintHeld());
  chart.HoldPaint(false);
  EXPECT_FALSE(chart.PaintHeld());
  chart.SetLayerRange(0, 0, 0, 8, 8);
  EXPECT_FALSE(chart.PaintHeld());  // the range setter gives the hold back
  for (int n = 1; n <= 16; ++n) EXPECT_EQ(chart.ScaleXProps(n).RangeHigh(), 8.0);
}

}  // namespace
}  // namespace kurvex
