// When the chart paints: the paint hold, AutoRedraw, RefreshChart and its sharers.

#include <gtest/gtest.h>

#include "chart/model/kurvex.h"

namespace kurvex {
namespace {

// A chart that counts its paints instead of drawing (what is drawn is the renderer's).
class CountingChart : public TKurvex {
 public:
  using TKurvex::TKurvex;
  int paints = 0;         // full paints that got past the hold
  int plot_refreshes = 0;  // plot-area refreshes of RefreshChart

  void Paint() override {
    if (PaintHeld() || IsLoading()) return;
    ++paints;
  }

 protected:
  void RefreshPlotArea() override { ++plot_refreshes; }
};

TEST(ChartRepaint, HoldPaintBatchesChangesIntoOnePaint) {
  CountingChart chart(nullptr);
  chart.HoldPaint(false);
  EXPECT_EQ(chart.paints, 1);  // releasing the hold paints
  chart.paints = 0;
  chart.HoldPaint(true);
  chart.SetLayerRange(1, 0, 0, 2, 2);
  chart.SetMarginLeft(60);
  chart.SetChartColor(clYellow);
  EXPECT_EQ(chart.paints, 0);
  chart.HoldPaint(false);
  EXPECT_EQ(chart.paints, 1);
  chart.HoldPaint(false);  // unchanged: nothing
  EXPECT_EQ(chart.paints, 1);
}

TEST(ChartRepaint, SettersRepaintOnlyWhatChangesTheDrawing) {
  CountingChart chart(nullptr);
  chart.HoldPaint(false);
  chart.paints = 0;
  chart.SetDataColor(clRed);  // drawing attributes only store
  chart.SetFillColor(clRed);
  chart.SetLineWidth(2);
  chart.SetMouseAction(TMouseActMode::maPan);
  EXPECT_EQ(chart.paints, 0);
  chart.SetChartColor(clBlue);
  EXPECT_EQ(chart.paints, 1);
  chart.SetAutoRedraw(false);
  chart.SetChartColor(clRed);
  EXPECT_EQ(chart.paints, 1);
  chart.CrossHair(1).SetPosX(1);  // crosshair changes repaint through the chart (AutoRedraw off)
  EXPECT_EQ(chart.paints, 1);
  chart.SetAutoRedraw(true);
  chart.CrossHair(1).SetPosX(1);
  EXPECT_EQ(chart.paints, 2);
  // A range change paints once through the hold's release and once more for AutoRedraw.
  chart.paints = 0;
  chart.SetLayerRange(1, 0, 0, 3, 3);
  EXPECT_EQ(chart.paints, 2);
  // An axis setting paints once, after all layers were applied again.
  chart.paints = 0;
  chart.Scale1X().SetCaption("x");
  EXPECT_EQ(chart.paints, 1);
}

TEST(ChartRepaint, RefreshChartDrawsThePlotOrTheWholeChart) {
  CountingChart chart(nullptr);
  chart.HoldPaint(false);
  chart.paints = 0;
  chart.RefreshChart();
  EXPECT_EQ(chart.plot_refreshes, 1);
  EXPECT_EQ(chart.paints, 0);
  chart.SetAutoRedraw(false);
  chart.RefreshChart();
  EXPECT_EQ(chart.plot_refreshes, 1);
  EXPECT_EQ(chart.paints, 1);
}

TEST(ChartRepaint, RefreshChartTellsTheSharersEvenWhenInvisible) {
  CountingChart a(nullptr), b(nullptr), c(nullptr);
  for (CountingChart* x : {&a, &b, &c}) x->HoldPaint(false);
  b.SetUseDataOf(&a);
  c.SetUseDataOf(&a);
  for (CountingChart* x : {&a, &b, &c}) x->paints = 0;
  a.SetVisible(false);
  a.MoveToPoint(0, 0);
  a.RefreshChart();
  EXPECT_EQ(a.plot_refreshes, 0);  // invisible: nothing drawn
  EXPECT_EQ(a.LastDrawnIndex(), 0);
  EXPECT_EQ(b.paints, 1);
  EXPECT_EQ(c.paints, 1);
  // From a user: the owner and every user of the owner, this one included.
  b.RefreshChart();
  EXPECT_EQ(a.paints, 1);
  EXPECT_EQ(b.paints, 2);
  EXPECT_EQ(c.paints, 2);
  EXPECT_EQ(b.plot_refreshes, 1);
}

}  // namespace
}  // namespace kurvex
