// The chart's axes: every axis setting copied into its scale control, the axis lines on the
// plot edges moved out by ScalePos, invisible axes, and the scale events forwarded with the
// chart as sender.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/model/configure_scale.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

// 260 x 220, margins 30/30/20/40, shadow 3: the plot runs from (30, 20) to (227, 177).
constexpr test::ChartShape kShape{260, 220, 30, 30, 20, 40, 3};

std::unique_ptr<TKurvex> MakeChart() {
  auto chart = test::MakeWindowedChart(kShape);
  chart->SetWindColor(clSilver);
  chart->SetLayerRange(1, 0, -5, 100, 5);
  return chart;
}

TEST(ConfigureScale, CopiesEveryAxisSetting) {
  TScalePropsVert p;
  p.SetScaleLocation(TScaleLocationVert::slRight);
  p.StoreRange(2, 700);
  p.SetVisible(true);
  p.SetCaption("volts");
  p.SetCaptionPosX(3);
  p.SetCaptionPosY(-7);
  p.SetCaptionAlignment(TAlignment::taRightJustify);
  p.SetCaptionAnchor(TScaleUnitAnchor::uaSclBotRgt);
  p.SetColorScale(clTeal);
  p.SetLabelType(TFigType::ftTime);
  p.SetDecPlaces(1);  // after the label type, which set 4
  p.SetLogarithmic(true);
  p.SetShortTicks(false);
  p.SetMinTicks(7);
  p.SetScaleInscript("& V");
  p.SetUserTickText("a|b");
  p.Font().SetName("Arial");
  p.Font().SetColor(clMaroon);
  p.DateFormat().SetDateOrder(TDateOrder::doYYMMDD);
  p.DateFormat().SetTimeSeparator('.');

  TScale s(nullptr);
  s.SetBounds(0, 0, 400, 300);
  ConfigureScale(s, p, TPlotGeometry{400, 300, 40, 20, 10, 30, 2});
  EXPECT_EQ(s.ScaleType(), TScaleType::sctYL);
  EXPECT_EQ(s.MarginLeft(), 400 - 20 - 2);  // the plot's right column
  EXPECT_EQ(s.BaseLine(), 378);
  EXPECT_EQ(s.RangeLow(), 2);
  EXPECT_EQ(s.RangeHigh(), 700);
  EXPECT_TRUE(s.Visible());
  EXPECT_EQ(s.Caption(), "volts");
  EXPECT_EQ(s.CaptionPosX(), 3);
  EXPECT_EQ(s.CaptionPosY(), -7);
  EXPECT_EQ(s.CaptionAlignment(), TAlignment::taRightJustify);
  EXPECT_EQ(s.CaptionAnchor(), TScaleUnitAnchor::uaSclBotRgt);
  EXPECT_EQ(s.ColorScale(), clTeal);
  EXPECT_EQ(s.LabelType(), TFigType::ftTime);
  EXPECT_EQ(s.DecPlaces(), 1);
  EXPECT_TRUE(s.Logarithmic());
  EXPECT_FALSE(s.ShortTicks());
  EXPECT_EQ(s.MinTicks(), 7);
  EXPECT_EQ(s.ScaleInscript(), "& V");
  EXPECT_EQ(s.UserTickText(), "a|b");
  EXPECT_EQ(s.Font().Name(), "Arial");
  EXPECT_EQ(s.Font().Color(), clMaroon);
  EXPECT_EQ(s.DateFormat().DateOrder(), TDateOrder::doYYMMDD);
  EXPECT_EQ(s.DateFormat().TimeSeparator(), '.');
}

struct AxisCase {
  const char* name;
  bool horizontal;
  int location;  // TScaleLocationHoriz or TScaleLocationVert
  int pos;       // ScalePos
  int line;      // the row (horizontal) or column (vertical) of the axis line
};

class AxisLine : public testing::TestWithParam<AxisCase> {};

// The axis line runs exactly along the plot's side, ScalePos pixels out from its edge.
TEST_P(AxisLine, LiesOnThePlotEdgeMovedOutByScalePos) {
  const AxisCase& c = GetParam();
  auto chart = MakeChart();
  chart->Scale1X().SetVisible(false);
  chart->Scale1Y().SetVisible(false);
  TScaleProps& props = c.horizontal ? static_cast<TScaleProps&>(chart->Scale1X()) : chart->Scale1Y();
  if (c.horizontal) {
    chart->Scale1X().SetScaleLocation(static_cast<TScaleLocationHoriz>(c.location));
  } else {
    chart->Scale1Y().SetScaleLocation(static_cast<TScaleLocationVert>(c.location));
  }
  props.SetColorScale(clRed);
  props.SetScalePos(c.pos);
  props.SetVisible(true);
  chart->Paint();
  const Bitmap& w = chart->Surface();
  // Plot columns 30..227, rows 20..177.
  const int first = c.horizontal ? 30 : 20, last = c.horizontal ? 227 : 177;
  const auto at = [&](int along) { return c.horizontal ? w.Pixel(along, c.line) : w.Pixel(c.line, along); };
  for (int along = first; along <= last; ++along) ASSERT_EQ(at(along), clRed) << along;
  EXPECT_NE(at(first - 1), clRed);
  EXPECT_NE(at(last + 1), clRed);
}

INSTANTIATE_TEST_SUITE_P(
    ChartAxes, AxisLine,
    testing::Values(AxisCase{"BottomThirtyBelow", true, int(TScaleLocationHoriz::slBottom), 30, 177 + 30},
                    AxisCase{"TopTenAbove", true, int(TScaleLocationHoriz::slTop), 10, 20 - 10},
                    AxisCase{"LeftTwentyLeft", false, int(TScaleLocationVert::slLeft), 20, 30 - 20},
                    AxisCase{"RightFiveRight", false, int(TScaleLocationVert::slRight), 5, 227 + 5}),
    [](const testing::TestParamInfo<AxisCase>& info) { return std::string(info.param.name); });

// Pixels of the control image that differ from the window colour, inside the outline
// (row and column 0, 217 and 257) and outside the plot, or in a part of that.
int InkAroundThePlot(const Bitmap& w, TRect part = Rect(1, 1, 257, 217)) {
  int n = 0;
  for (int y = part.Top; y < part.Bottom; ++y)
    for (int x = part.Left; x < part.Right; ++x) {
      const bool in_plot = x >= 30 && x <= 227 && y >= 20 && y <= 177;
      if (!in_plot && w.Pixel(x, y) != clSilver) ++n;
    }
  return n;
}

TEST(ChartAxes, InvisibleAxesDrawNothingAlsoWhileDesigned) {
  auto chart = MakeChart();
  chart->Paint();
  ASSERT_GT(InkAroundThePlot(chart->Surface()), 100);  // layer 1's two axes
  chart->Scale1X().SetVisible(false);
  chart->Scale1Y().SetVisible(false);
  chart->Paint();
  EXPECT_EQ(InkAroundThePlot(chart->Surface()), 0);
  chart->SetDesigning(true);
  chart->Paint();
  EXPECT_EQ(InkAroundThePlot(chart->Surface()), 0);
}

// Axis and caption offsets at the ends of the int range are kept within kMaxControlOffset,
// so that adding the control size and margins to them cannot overflow; an axis that far
// out lies outside the control and draws nothing there.
TEST(ChartAxes, ExtremeAxisAndCaptionOffsetsAreClampedAndDrawNothing) {
  auto chart = MakeChart();
  chart->SetCaption("title");
  for (const int v : {2147483647, -2147483647 - 1}) {
    SCOPED_TRACE(v);
    const int clamped = v > 0 ? kMaxControlOffset : -kMaxControlOffset;
    chart->SetCaptionPosX(v);
    chart->SetCaptionPosY(v);
    EXPECT_EQ(chart->CaptionPosX(), clamped);
    EXPECT_EQ(chart->CaptionPosY(), clamped);
    for (TScaleProps* p : {static_cast<TScaleProps*>(&chart->Scale1X()), static_cast<TScaleProps*>(&chart->Scale1Y())}) {
      p->SetCaption("axis");
      p->SetCaptionPosX(v);
      p->SetCaptionPosY(v);
      p->SetScalePos(v);
      EXPECT_EQ(p->ScalePos(), clamped);
      EXPECT_EQ(p->CaptionPosX(), clamped);
      EXPECT_EQ(p->CaptionPosY(), clamped);
    }
    for (const auto horiz : {TCaptionAnchorHoriz::cahControlLeft, TCaptionAnchorHoriz::cahChartCenter,
                             TCaptionAnchorHoriz::cahControlRight}) {
      chart->SetCaptionAnchorHoriz(horiz);
      chart->SetCaptionAnchorVert(TCaptionAnchorVert::cavControlBottom);
      chart->Paint();
    }
    if (v > 0) {
      // Moved outwards without end: both axes leave the control.
      EXPECT_EQ(InkAroundThePlot(chart->Surface()), 0);
    }
  }
}

// The scale control's own margins stay between 0 and kMaxControlOffset: its span and base
// line are computed from them and the control size.
TEST(ChartAxes, ExtremeScaleControlMarginsAreClamped) {
  TScale s(nullptr);
  s.SetBounds(0, 0, 300, 200);
  s.SetCaption("axis");
  s.SetMarginLeft(2147483647);
  s.SetMarginRight(2147483647);
  s.SetMarginBottom(-2147483647 - 1);
  s.SetCaptionPosX(2147483647);
  EXPECT_EQ(s.MarginLeft(), kMaxControlOffset);
  EXPECT_EQ(s.MarginRight(), kMaxControlOffset);
  EXPECT_EQ(s.MarginBottom(), 0);
  EXPECT_EQ(s.CaptionPosX(), kMaxControlOffset);
  for (const TScaleType t : {TScaleType::sctXB, TScaleType::sctXT, TScaleType::sctYL, TScaleType::sctYR}) {
    s.SetScaleType(t);
    s.ForcePaint();
  }
  s.SetScaleType(TScaleType::sctXB);
  EXPECT_EQ(s.BaseLine(), 199);  // the negative bottom margin taken as 0
}

TEST(ChartAxes, ASettingChangedOnTheScaleControlIsReplacedAtThePaint) {
  auto chart = MakeChart();
  chart->ScaleX(1).SetRange(50, 0);
  chart->ScaleX(1).SetColorScale(clRed);
  chart->Paint();
  EXPECT_EQ(chart->ScaleX(1).RangeHigh(), 100);
  EXPECT_EQ(chart->ScaleX(1).ColorScale(), clBlack);
}

// Between paints the scale controls already hold what their axis settings say: after a
// change of a setting, a range set on a layer and carried over to a joined layer, and a
// resize.
TEST(ChartAxes, ScaleControlsFollowTheirSettingsWithoutAPaint) {
  auto chart = MakeChart();
  chart->HoldPaint(true);
  chart->JointLayers().SetXControlledBy(2, 1);
  chart->Scale1Y().SetCaption("volts");
  EXPECT_EQ(chart->ScaleY(1).Caption(), "volts");
  chart->SetLayerRange(1, -20, -1, 20, 1);
  EXPECT_EQ(chart->ScaleX(1).RangeLow(), -20);
  EXPECT_EQ(chart->ScaleY(1).RangeHigh(), 1);
  EXPECT_EQ(chart->ScaleX(2).RangeLow(), -20);  // layer 2's x follows layer 1's
  EXPECT_EQ(chart->ScaleX(2).RangeHigh(), 20);
  chart->SetBounds(0, 0, 300, 260);
  // The bottom axis line moves with the plot's bottom row: 260 - 40 - 3.
  EXPECT_EQ(chart->ScaleX(1).Width(), 300);
  EXPECT_EQ(chart->ScaleX(1).BaseLine(), 217);
  EXPECT_EQ(chart->ScaleY(1).BaseLine(), 30);
}

struct TickEvent {
  TObject* sender;
  TScaleType type;
  double value;
  int x, y;
};

TEST(ChartAxes, TickEventsComeWithTheChartAsSenderAtTheAxisPixels) {
  auto chart = MakeChart();
  std::vector<TickEvent> events;
  chart->OnScaleTickDrawn = [&](TObject* sender, TCanvas&, TScaleType type, double value, int x, int y) {
    events.push_back({sender, type, value, x, y});
  };
  chart->Paint();
  int horizontal = 0, vertical = 0;
  for (const TickEvent& e : events) {
    EXPECT_EQ(e.sender, chart.get());
    if (e.type == TScaleType::sctXT) {
      // x 0..100 on columns 30..227 (1.97 pixels a unit), on the plot's bottom row.
      ++horizontal;
      EXPECT_EQ(e.x, chart->WorldToPixel(1, e.value, 0).X) << e.value;
      EXPECT_EQ(e.y, 177);
    } else {
      ASSERT_EQ(e.type, TScaleType::sctYR);
      ++vertical;
      EXPECT_EQ(e.x, 30);
      EXPECT_EQ(e.y, chart->WorldToPixel(1, 0, e.value).Y) << e.value;
    }
  }
  // Short ticks every 5 from 0 to 100 and labelled ticks every 20; every 0.5 from -5 to 5
  // and labelled ones every 2 from -4 to 4.
  EXPECT_EQ(horizontal, 21 + 6);
  EXPECT_EQ(vertical, 21 + 5);
}

TEST(ChartAxes, TickLabelEventOfLayerNineComesWithTheChartAsSender) {
  auto chart = MakeChart();
  chart->Scale1X().SetVisible(false);
  chart->Scale1Y().SetVisible(false);
  chart->SetLayerRange(9, 1000, 0, 2000, 1);
  TScalePropsHoriz& x9 = chart->ScaleXProps(9);
  x9.SetScalePos(0);
  x9.SetVisible(true);
  std::vector<double> labelled;
  bool blank = false;
  chart->OnBeforeTickLabel = [&](TObject* sender, TScaleType type, double value, std::string& text) {
    EXPECT_EQ(sender, chart.get());
    EXPECT_EQ(type, TScaleType::sctXT);  // odd layers have their x axis at the bottom
    labelled.push_back(value);
    if (blank) text.clear();
  };
  chart->Paint();
  EXPECT_EQ(labelled, (std::vector<double>{1000, 1200, 1400, 1600, 1800, 2000}));
  // The labels stand 7 pixels below the axis line; the handler's texts are what is drawn.
  const auto ink_below = [&] { return InkAroundThePlot(chart->Surface(), Rect(1, 177 + 7, 257, 217)); };
  EXPECT_GT(ink_below(), 50);
  blank = true;
  chart->Paint();
  EXPECT_EQ(ink_below(), 0);
}

}  // namespace
}  // namespace kurvex
