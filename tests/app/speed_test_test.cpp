// The speed test's run on a chart of its own, without the form: the items it appends, the
// range it sets, the times it reports and the texts it shows them in.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "app/speed_test.h"
#include "chart/model/chart_item.h"
#include "common/random.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace kurvex {
namespace {

// A chart with a window under a fresh headless host, the stored chart's size.
class ChartScope {
 public:
  ChartScope() {
    Application().SetHost(std::make_unique<HeadlessHost>());
    chart_ = std::make_unique<TKurvex>(nullptr);
    chart_->SetBounds(0, 0, 560, 385);
    chart_->SetAutoRedraw(false);
    chart_->HandleNeeded();
  }
  ~ChartScope() {
    chart_.reset();
    Application().SetHost(nullptr);
  }
  TKurvex& operator*() const { return *chart_; }
  TKurvex* operator->() const { return chart_.get(); }

 private:
  std::unique_ptr<TKurvex> chart_;
};

TEST(RunSpeedTest, AppendsAMoveToAtTheOriginAndOneRedLineToPerPoint) {
  ChartScope chart;
  chart->SetDataColor(clBlue);
  RunSpeedTest(*chart, 1000);
  ASSERT_EQ(chart->ItemCount(), 1001u);
  EXPECT_EQ(chart->KindCount(ItemKind::MoveTo), 1);
  EXPECT_EQ(chart->KindCount(ItemKind::LineTo), 1000);
  const TkxChartItem first = chart->Item(0);
  EXPECT_EQ(first.Kind, ItemKind::MoveTo);
  EXPECT_EQ(first.X1, 0.0);
  EXPECT_EQ(first.Y1, 0.0);
  for (std::size_t i = 0; i < chart->ItemCount(); ++i) {
    const TkxChartItem item = chart->Item(i);
    ASSERT_EQ(item.Color, 255u) << i;
    ASSERT_EQ(item.Layer, 1) << i;
    if (i == 0) continue;
    ASSERT_EQ(item.Kind, ItemKind::LineTo) << i;
    ASSERT_EQ(item.X1, static_cast<double>(i)) << "x runs 1..n in order";
  }
  EXPECT_EQ(chart->Item(1000).X1, 1000.0);
}

TEST(RunSpeedTest, SetsLayerOneToTheCountAndTheFixedYRange) {
  ChartScope chart;
  RunSpeedTest(*chart, 2000);
  EXPECT_EQ(chart->Scale1X().RangeLow(), 0.0);
  EXPECT_EQ(chart->Scale1X().RangeHigh(), 2000.0);
  EXPECT_EQ(chart->Scale1Y().RangeLow(), -5.0);
  EXPECT_EQ(chart->Scale1Y().RangeHigh(), 5.0);
}

TEST(RunSpeedTest, FollowsTheDampedNoisySineWithinTheYRange) {
  ChartScope chart;
  SetRandSeed(20240607);
  const int n = 100000;
  RunSpeedTest(*chart, n);
  // The same draws again, with the library's sine: every y is the formula's value.
  SetRandSeed(20240607);
  double lowest = 0, highest = 0;
  for (int i = 1; i <= n; ++i) {
    const double expected = static_cast<double>(std::sin(0.01L * i) * 2000.0L / (i + 400) + Random());
    const double y = chart->Item(static_cast<std::size_t>(i)).Y1;
    ASSERT_NEAR(y, expected, 1e-13) << "point " << i;
    lowest = std::min(lowest, y);
    highest = std::max(highest, y);
  }
  EXPECT_GT(lowest, -2.33);
  EXPECT_LT(highest, 4.67);
  EXPECT_GT(highest, 4.0) << "the first crest reaches about 4.6";
}

TEST(RunSpeedTest, ReplacesThePreviousContentAndDrawsNothingForNoPoints) {
  ChartScope chart;
  RunSpeedTest(*chart, 500);
  RunSpeedTest(*chart, 0);
  EXPECT_EQ(chart->ItemCount(), 1u) << "only the move-to";
  RunSpeedTest(*chart, -7);
  EXPECT_EQ(chart->ItemCount(), 1u);
  EXPECT_EQ(chart->KindCount(ItemKind::LineTo), 0);
}

TEST(RunSpeedTest, ReportsOrderedTimesAndKeepsTheStartTime) {
  ChartScope chart;
  const double before = TimeOfDay();
  const SpeedTestTimes t = RunSpeedTest(*chart, 20000);
  const double after = TimeOfDay();
  EXPECT_GE(StartTime, before);
  EXPECT_LE(StartTime, after);
  EXPECT_GE(t.build_seconds, 0.0);
  EXPECT_GE(t.total_seconds, t.build_seconds);
  EXPECT_LE(t.total_seconds, (after - before) * 86400.0 + 1e-9);
}

TEST(RunSpeedTest, RepaintsTheWindowWithTheCurve) {
  ChartScope chart;
  RunSpeedTest(*chart, 1000);
  // The plot spans x 0..n over its width; a red pixel must be in the window somewhere in
  // the plot's left half, where the curve's first crest is.
  const Bitmap& shown = chart->Surface();
  int red = 0;
  for (int y = chart->MarginTop(); y < chart->Height() - chart->MarginBottom(); ++y) {
    for (int x = chart->MarginLeft(); x < chart->Width() / 2; ++x) red += shown.Pixel(x, y) == clRed;
  }
  EXPECT_GT(red, 100);
}

TEST(PointCounts, FollowTheScrollBarPositions) {
  EXPECT_EQ(PointCountAt(1), 100);
  EXPECT_EQ(PointCountAt(6), 5000);
  EXPECT_EQ(PointCountAt(13), 1000000);
  EXPECT_EQ(PointCountAt(0), 100) << "outside 1..13 the nearest end";
  EXPECT_EQ(PointCountAt(99), 1000000);
  for (std::size_t i = 1; i < kPointCounts.size(); ++i) EXPECT_LT(kPointCounts[i - 1], kPointCounts[i]);
}

TEST(TimeCaptions, ShowSecondsWithTwoDecimals) {
  EXPECT_EQ(BuildTimeCaption(0.254), "Time to draw internally: 0.25 sec");
  EXPECT_EQ(BuildTimeCaption(0.0), "Time to draw internally: 0.00 sec");
  EXPECT_EQ(TotalTimeCaption(0.5), "Total drawing time: 0.50 sec");
  EXPECT_EQ(TotalTimeCaption(12), "Total drawing time: 12.00 sec");
}

}  // namespace
}  // namespace kurvex
