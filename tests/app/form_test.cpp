// The speed-test window headless: what the stored layout gives it, and what each of its
// handlers does to the chart and the labels.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/speed_test.h"
#include "app_test_support.h"
#include "chart/model/chart_item.h"
#include "common/random.h"
#include "golden_image.h"

namespace kurvex {
namespace {

using test::OpenForm;

void ExpectBounds(const TControl& c, int left, int top, int width, int height) {
  EXPECT_EQ(c.Left(), left) << c.Name();
  EXPECT_EQ(c.Top(), top) << c.Name();
  EXPECT_EQ(c.Width(), width) << c.Name();
  EXPECT_EQ(c.Height(), height) << c.Name();
}

void ExpectArial13Black(const TControl& c) {
  EXPECT_EQ(c.Font().Name(), "Arial") << c.Name();
  EXPECT_EQ(c.Font().Height(), -13) << c.Name();
  EXPECT_EQ(c.Font().Color(), clBlack) << c.Name();
}

TEST(SpeedTestForm, OpensWithTheStoredWindowAndControls) {
  OpenForm form;
  EXPECT_EQ(form->Caption(), "Testing the drawing speed of KURVEX");
  EXPECT_EQ(form->Color(), clSilver);
  EXPECT_EQ(form->PixelsPerInch(), 120);
  ExpectArial13Black(*form);
  // The outer size of the window; the frame leaves a client area that the panel and the
  // chart fill exactly.
  ExpectBounds(*form, 463, 241, 568, 499);
  EXPECT_EQ(form->ClientWidth(), 560);
  EXPECT_EQ(form->ClientHeight(), 466);

  ExpectBounds(*form->Panel1, 0, 0, 560, 81);
  EXPECT_EQ(form->Panel1->Align(), TAlign::alTop);
  ExpectBounds(*form->ButExit, 8, 6, 89, 29);
  ExpectBounds(*form->ButStart, 104, 6, 89, 29);
  ExpectBounds(*form->GroupBox1, 232, 4, 145, 49);
  ExpectBounds(*form->RBZoom, 16, 24, 65, 17);
  ExpectBounds(*form->RBPan, 88, 24, 49, 17);
  ExpectBounds(*form->NLabDatPoi, 416, 28, 129, 22);
  ExpectBounds(*form->ScrollBar1, 418, 56, 121, 17);
  ExpectBounds(*form->Kurvex1, 0, 81, 560, 385);
  EXPECT_EQ(form->Kurvex1->Align(), TAlign::alClient);
  // The labels size themselves to their captions; their places are stored.
  for (const TLabel* label : {form->Label1, form->LblT1, form->LblT2}) {
    EXPECT_GT(label->Width(), 0);
    ExpectArial13Black(*label);
  }
  EXPECT_EQ(form->Label1->Left(), 432);
  EXPECT_EQ(form->Label1->Top(), 8);
  EXPECT_EQ(form->LblT2->Left(), 8);
  EXPECT_EQ(form->LblT2->Top(), 44);
  EXPECT_EQ(form->LblT1->Left(), 8);
  EXPECT_EQ(form->LblT1->Top(), 60);
  ExpectArial13Black(*form->GroupBox1);

  EXPECT_EQ(form->ButExit->Caption(), "Exit");
  EXPECT_EQ(form->ButStart->Caption(), "Start");
  EXPECT_EQ(form->ButExit->TabOrder(), 0);
  EXPECT_EQ(form->ButStart->TabOrder(), 1);
  EXPECT_EQ(form->ScrollBar1->TabOrder(), 2);
  EXPECT_EQ(form->GroupBox1->TabOrder(), 3);
  EXPECT_EQ(form->GroupBox1->Caption(), "Mouse Action");
  EXPECT_EQ(form->Label1->Caption(), "Nr. of data points");
  EXPECT_EQ(form->RBZoom->Caption(), "Zoom");
  EXPECT_EQ(form->RBPan->Caption(), "Pan");
  EXPECT_EQ(form->RBZoom->Parent(), form->GroupBox1);
}

TEST(SpeedTestForm, StartsInTheStoredState) {
  OpenForm form;
  EXPECT_EQ(form->NLabDatPoi->Value(), 5000.0);
  EXPECT_EQ(form->NLabDatPoi->DisplayText(), "5000");
  EXPECT_EQ(form->ScrollBar1->Min(), 1);
  EXPECT_EQ(form->ScrollBar1->Max(), 13);
  EXPECT_EQ(form->ScrollBar1->Position(), 6);
  EXPECT_EQ(PointCountAt(form->ScrollBar1->Position()), 5000);
  EXPECT_EQ(form->LblT2->Caption(), "Total drawing time: ----");
  EXPECT_EQ(form->LblT1->Caption(), "Time to draw internally: ----");
  EXPECT_TRUE(form->RBPan->Checked());
  EXPECT_FALSE(form->RBZoom->Checked());

  TKurvex& chart = *form->Kurvex1;
  EXPECT_EQ(chart.ItemCount(), 0u);
  EXPECT_EQ(chart.MouseAction(), TMouseActMode::maPan);
  EXPECT_FALSE(chart.AutoRedraw());
  EXPECT_FALSE(chart.PaintHeld()) << "creating the window releases the paint hold";
  EXPECT_EQ(chart.Scale1X().RangeLow(), 0.0);
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 1.0);
  EXPECT_EQ(chart.Scale1Y().RangeLow(), -3.0);
  EXPECT_EQ(chart.Scale1Y().RangeHigh(), 3.0);
  // The handlers are bound by name from the layout.
  EXPECT_TRUE(form->ButStart->OnClick);
  EXPECT_TRUE(form->ButExit->OnClick);
  EXPECT_TRUE(form->ScrollBar1->OnChange);
  EXPECT_TRUE(form->RBZoom->OnClick);
  EXPECT_TRUE(form->RBPan->OnClick);
}

TEST(SpeedTestForm, StartFillsTheChartAndShowsBothTimes) {
  OpenForm form;
  form.ClickOn(*form->ButStart);
  TKurvex& chart = *form->Kurvex1;
  ASSERT_EQ(chart.ItemCount(), 5001u);
  EXPECT_EQ(chart.Item(5000).X1, 5000.0);
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 5000.0);
  EXPECT_EQ(chart.Scale1Y().RangeLow(), -5.0);
  EXPECT_TRUE(test::IsTimeCaption(form->LblT1->Caption(), "Time to draw internally: ")) << form->LblT1->Caption();
  EXPECT_TRUE(test::IsTimeCaption(form->LblT2->Caption(), "Total drawing time: ")) << form->LblT2->Caption();
}

TEST(TimeCaptionShape, AcceptsOnlySecondsWithTwoDecimals) {
  EXPECT_TRUE(test::IsTimeCaption("Total drawing time: 12.05 sec", "Total drawing time: "));
  EXPECT_FALSE(test::IsTimeCaption("Total drawing time: 12.5 sec", "Total drawing time: "));
  EXPECT_FALSE(test::IsTimeCaption("Total drawing time: .50 sec", "Total drawing time: "));
  EXPECT_FALSE(test::IsTimeCaption("Total drawing time: 0.50 sec ", "Total drawing time: "));
  EXPECT_FALSE(test::IsTimeCaption("Total drawing time: ----", "Total drawing time: "));
}

TEST(SpeedTestForm, StartTakesTheCountFromTheLabelRounded) {
  OpenForm form;
  form->NLabDatPoi->SetValue(250.5);  // a tie goes to the even neighbour
  form->ButStart->Click();
  EXPECT_EQ(form->Kurvex1->ItemCount(), 251u);
  form->NLabDatPoi->SetValue(251.5);
  form->ButStart->Click();
  EXPECT_EQ(form->Kurvex1->ItemCount(), 253u) << "each Start replaces the whole content";
}

TEST(SpeedTestForm, ScrollBarEmptiesTheChartAndSetsOnlyTheHighEnd) {
  OpenForm form;
  TKurvex& chart = *form->Kurvex1;
  form->ButStart->Click();
  ASSERT_GT(chart.ItemCount(), 0u);
  chart.SetLayerRange(1, 7, -5, 100, 5);  // as after a pan
  const std::string build_caption = form->LblT1->Caption();

  form->ScrollBar1->SetPosition(13);
  EXPECT_EQ(chart.ItemCount(), 0u);
  EXPECT_EQ(form->NLabDatPoi->Value(), 1000000.0);
  EXPECT_EQ(form->NLabDatPoi->DisplayText(), "1000000");
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 1000000.0);
  EXPECT_EQ(chart.Scale1X().RangeLow(), 7.0);
  EXPECT_EQ(form->LblT1->Caption(), build_caption) << "the times stay until the next run";

  form->ScrollBar1->SetPosition(1);
  EXPECT_EQ(form->NLabDatPoi->Value(), 100.0);
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 100.0);
  EXPECT_EQ(chart.Scale1X().RangeLow(), 7.0);
}

TEST(SpeedTestForm, ScrollBarAtTheEndThenStartAppendsAMillionAndOneItems) {
  OpenForm form;
  form->ScrollBar1->SetPosition(13);
  form->ButStart->Click();
  TKurvex& chart = *form->Kurvex1;
  ASSERT_EQ(chart.ItemCount(), 1000001u);
  EXPECT_EQ(chart.KindCount(ItemKind::MoveTo), 1);
  EXPECT_EQ(chart.KindCount(ItemKind::LineTo), 1000000);
  EXPECT_EQ(chart.Item(1000000).X1, 1000000.0);
}

TEST(SpeedTestForm, RadioButtonsSwitchTheMouseActionWithoutPainting) {
  OpenForm form;
  TKurvex& chart = *form->Kurvex1;
  const int paints = form.Host().PaintCount(chart);
  form.ClickOn(*form->RBZoom);
  EXPECT_EQ(chart.MouseAction(), TMouseActMode::maZoomWindPos);
  EXPECT_TRUE(form->RBZoom->Checked());
  EXPECT_FALSE(form->RBPan->Checked());
  form.ClickOn(*form->RBPan);
  EXPECT_EQ(chart.MouseAction(), TMouseActMode::maPan);
  EXPECT_TRUE(form->RBPan->Checked());
  EXPECT_EQ(form.Host().PaintCount(chart), paints);
}

TEST(SpeedTestForm, ExitClosesTheFormAndEndsTheLoop) {
  OpenForm form;
  ASSERT_TRUE(form->Visible());
  form.ClickOn(*form->ButExit);
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(Application().Run(), 0) << "a closed main form leaves nothing to run";
}

// The Y values of the first items after the shared helpers were started.
std::vector<double> FirstRunCurve() {
  OpenForm form;
  form->ScrollBar1->SetPosition(1);
  form->ButStart->Click();
  std::vector<double> ys;
  for (std::size_t i = 0; i < 20; ++i) ys.push_back(form->Kurvex1->Item(i).Y1);
  return ys;
}

TEST(SpeedTestForm, FirstRunDrawsTheSameNoiseAfterEveryStartUp) {
  InitSharedHelpers();
  const std::vector<double> first = FirstRunCurve();
  const std::vector<double> second_run = FirstRunCurve();  // the sequence goes on
  InitSharedHelpers();
  const std::vector<double> after_restart = FirstRunCurve();
  EXPECT_EQ(first, after_restart);
  EXPECT_NE(first, second_run);
  // Same shape, other noise: the differences stay below the noise amplitude.
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_LT(std::abs(first[i] - second_run[i]), 1.0);
}

// The chart as the stored layout has it after a run of 1,000 points: both axes of layer 1
// with their labels clear of the plot frame and of each other, the dotted silver grid on
// the x axis's ticks and at every y unit, the curve over it.
TEST(SpeedTestForm, AThousandPointsWithTheAxesAndTheDottedGrid) {
  OpenForm form;
  InitSharedHelpers();
  RunSpeedTest(*form->Kurvex1, 1000);
  ExpectMatchesGolden(form->Kurvex1->Surface(), "app/speed_test_chart_1000");
}

}  // namespace
}  // namespace kurvex
