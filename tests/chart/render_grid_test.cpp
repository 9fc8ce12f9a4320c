// The grid: the values each walk visits (fixed steps, the three logarithmic rules, the
// ticks a scale recorded, the 1000-value cap), and the points and lines drawn from them.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "chart/render/grid_walk.h"
#include "chart/render/pipeline_steps.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

using Values = std::vector<double>;

Values Walk(double d, const TScaleProps& props, const TScale& scale) {
  render::TGridValues out;
  render::WalkGrid(d, props, scale, out);
  return Values(out.begin(), out.end());
}

std::unique_ptr<TScalePropsHoriz> Axis(double low, double high, bool logarithmic = false) {
  auto p = std::make_unique<TScalePropsHoriz>();
  p->StoreRange(low, high);
  p->SetLogarithmic(logarithmic);  // taken without checks: the object is still loading
  return p;
}

TEST(GridWalk, FixedStepsRunFromTheFirstMultipleToBelowTheUpperEnd) {
  TScale unused(nullptr);
  EXPECT_EQ(Walk(1, *Axis(-5, 5), unused), (Values{-5, -4, -3, -2, -1, 0, 1, 2, 3, 4}));
  // A reversed range walks from its lower end as well.
  EXPECT_EQ(Walk(1, *Axis(5, -5), unused), (Values{-5, -4, -3, -2, -1, 0, 1, 2, 3, 4}));
  EXPECT_EQ(Walk(2.5, *Axis(1, 10), unused), (Values{2.5, 5, 7.5}));
  // Multiples are counted, not summed: the tenth 0.1 is 1 exactly and gets no value.
  EXPECT_EQ(Walk(0.1, *Axis(0, 1), unused).size(), 10u);
  // On a linear axis the sign of the step does not matter.
  EXPECT_EQ(Walk(-2, *Axis(0.5, 9), unused), (Values{0, 2, 4, 6, 8}));
  // A positive step on a logarithmic axis is a fixed step too.
  EXPECT_EQ(Walk(300, *Axis(1, 1000, true), unused), (Values{300, 600, 900}));
}

TEST(GridWalk, LogarithmicRulesOnOneToAThousand) {
  TScale unused(nullptr);
  const auto axis_ptr = Axis(1, 1000, true);
  const TScalePropsHoriz& axis = *axis_ptr;
  EXPECT_EQ(Walk(-1, axis, unused), (Values{1, 10, 100}));
  EXPECT_EQ(Walk(-2, axis, unused), (Values{2, 5, 10, 20, 50, 100, 200, 500}));
  Values digits;
  for (const double decade : {1, 10, 100})
    for (int d = 1; d <= 9; ++d) digits.push_back(d * decade);
  EXPECT_EQ(Walk(-3, axis, unused), digits);
  // Any other negative step starts at the low end itself, then goes on as -3 does.
  EXPECT_EQ(Walk(-0.5, *Axis(3.7, 40, true), unused), (Values{3.7, 5, 6, 7, 8, 9, 10, 20, 30}));
  // Low ends between the steps.
  EXPECT_EQ(Walk(-1, *Axis(0.02, 30, true), unused), (Values{0.1, 1, 10}));
  EXPECT_EQ(Walk(-2, *Axis(0.03, 1, true), unused), (Values{0.05, 0.1, 0.2, 0.5}));
}

TEST(GridWalk, LogarithmicRulesNeedARangeAboveZero) {
  TScale unused(nullptr);
  for (const double d : {-1.0, -2.0, -3.0, -0.5}) {
    EXPECT_TRUE(Walk(d, *Axis(0, 1000, true), unused).empty()) << d;
    EXPECT_TRUE(Walk(d, *Axis(-1, 1000, true), unused).empty()) << d;
  }
}

TEST(GridWalk, ATinyStepGivesOnlyTheFirstThousandValues) {
  TScale unused(nullptr);
  const Values v = Walk(1e-9, *Axis(0, 1), unused);
  ASSERT_EQ(v.size(), 1000u);
  EXPECT_EQ(v.front(), 0.0);
  EXPECT_DOUBLE_EQ(v.back(), 999e-9);
}

TEST(GridWalk, StepZeroFollowsTheRecordedTicks) {
  TScale scale(nullptr);
  scale.SetRange(10, 0);
  // Never painted: only the low end of the scale's own range.
  EXPECT_EQ(Walk(0, *Axis(0, 10), scale), (Values{0}));
  scale.SetRange(0, 10);
  EXPECT_EQ(Walk(0, *Axis(0, 10), scale), (Values{0}));

  scale.ClearTicks();
  for (const double v : {0.0, 2.5, 5.0, 7.5, 10.0}) scale.RecordTick(v);
  EXPECT_EQ(Walk(0, *Axis(0, 10), scale), (Values{0, 2.5, 5, 7.5}));
  // A reversed axis records from its upper end down; that end gets no line, the rest do.
  scale.ClearTicks();
  for (const double v : {10.0, 7.5, 5.0, 2.5, 0.0}) scale.RecordTick(v);
  EXPECT_EQ(Walk(0, *Axis(10, 0), scale), (Values{7.5, 5, 2.5, 0}));
}

// ---- Drawn ----

// The small plot chart (plot 201 x 161; x 0..100 at 2 pixels a unit, y -5..5 at 16 pixels
// a unit) with a blue grid on white.
std::unique_ptr<TKurvex> GridChart(GridStyleType style, double dx, double dy) {
  auto chart = test::MakeSmallPlotChart();
  chart->SetChartColor(clWhite);
  chart->SetGridColor(clBlue);
  chart->SetGridStyle(style);
  chart->SetGridDx(dx);
  chart->SetGridDy(dy);
  return chart;
}

// Inner columns (1..199) holding the grid colour in plot row y, and inner rows in column x.
std::vector<int> BlueColumns(const Bitmap& plot, int y) {
  std::vector<int> columns;
  for (int x = 1; x < plot.Width() - 1; ++x)
    if (plot.Pixel(x, y) == clBlue) columns.push_back(x);
  return columns;
}
std::vector<int> BlueRows(const Bitmap& plot, int x) {
  std::vector<int> rows;
  for (int y = 1; y < plot.Height() - 1; ++y)
    if (plot.Pixel(x, y) == clBlue) rows.push_back(y);
  return rows;
}

TEST(GridDrawing, HorizontalLinesAtEveryUnitAcrossThePlot) {
  auto chart = GridChart(GridStyleType::gsHorizLines, 0, 1);
  chart->Paint();
  const Bitmap& plot = chart->PlotBitmap();
  // y = -4 .. 4; -5 lies under the bottom frame row, 5 gets no line.
  EXPECT_EQ(BlueRows(plot, 100), (std::vector<int>{16, 32, 48, 64, 80, 96, 112, 128, 144}));
  // Each line runs over every inner column, and there is nothing else.
  EXPECT_EQ(test::CountColor(plot, clBlue), 9 * 199);
  EXPECT_EQ(BlueColumns(plot, 80).size(), 199u);
}

TEST(GridDrawing, VerticalLinesOnTheTicksTheAxisRecorded) {
  auto chart = GridChart(GridStyleType::gsVertLines, 0, 1);
  chart->Paint();
  // The axis records its short ticks, every 5 units from 0 to 100.
  const TScale& axis = chart->ScaleX(1);
  std::vector<int> ticks;
  for (int k = 1; k <= axis.NumTicks(); ++k) {
    const int column = static_cast<int>(2 * axis.TickPosition(k));
    if (column > 0 && column < 200) ticks.push_back(column);
  }
  std::vector<int> expected;
  for (int x = 10; x < 200; x += 10) expected.push_back(x);
  EXPECT_EQ(ticks, expected);
  EXPECT_EQ(BlueColumns(chart->PlotBitmap(), 5), expected);
  EXPECT_EQ(BlueRows(chart->PlotBitmap(), 10).size(), 159u);

  // The ticks move with the range (now every 2 units, 8 pixels); the grid follows them in
  // the same paint.
  chart->SetLayerRange(1, 10, -5, 60, 5);
  std::vector<int> every_eighth;
  for (int x = 8; x < 200; x += 8) every_eighth.push_back(x);
  EXPECT_EQ(BlueColumns(chart->PlotBitmap(), 5), every_eighth);
}

TEST(GridDrawing, ANeverPaintedAxisGivesOnlyTheLineAtTheLowEnd) {
  auto chart = test::MakeWindowedChart({260, 220, 30, 30, 20, 40, 0});
  chart->Scale1X().SetVisible(false);
  chart->SetGridColor(clBlue);
  chart->SetGridStyle(GridStyleType::gsVertLines);
  chart->SetLayerRange(1, 0, -5, 100, 5);
  ASSERT_EQ(chart->ScaleX(1).NumTicks(), 0);
  // That line is column 0, under the plot frame: no grid inside.
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), clBlue), 0);
  chart->Scale1X().SetVisible(true);
  EXPECT_EQ(BlueColumns(chart->PlotBitmap(), 5).size(), 19u);
}

TEST(GridDrawing, DecadeLinesOnALogarithmicAxis) {
  auto chart = GridChart(GridStyleType::gsVertLines, -1, 1);
  chart->SetLayerRange(1, 1, -5, 1000, 5);
  chart->Scale1X().SetLogarithmic(true);
  chart->Paint();
  // 10 and 100 lie a third and two thirds along the 200 pixels; 1 is under the frame.
  EXPECT_EQ(BlueColumns(chart->PlotBitmap(), 5), (std::vector<int>{67, 133}));
}

TEST(GridDrawing, PointsStopAtAThousandInAll) {
  // 100 x values times 20 y values; the first thousand points are the first 50 columns'.
  auto chart = GridChart(GridStyleType::gsPoints, 1, 0.5);
  chart->Paint();
  const Bitmap& plot = chart->PlotBitmap();
  // Column 0 and row 160 are under the frame: 49 columns of 19 points remain.
  EXPECT_EQ(test::CountColor(plot, clBlue), 49 * 19);
  EXPECT_EQ(BlueColumns(plot, 8).back(), 98);
  EXPECT_EQ(BlueRows(plot, 2), (std::vector<int>{8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104, 112, 120,
                                                 128, 136, 144, 152}));
}

TEST(GridDrawing, DottedLinesHaveThePlotColourInTheirGapsAndLeaveASolidPen) {
  auto chart = GridChart(GridStyleType::gsDotLines, 25, 1);
  // A grey stripe from y -1 to 1 (rows 64..95) under the line at y = 0 (row 80).
  TBakGndImg& area = chart->BackGroundImg();
  area.SetAreaTop(1);
  area.SetAreaBottom(-1);
  area.SetAreaColor(clGray);
  area.SetAreaMode(TBGAreaMode::bamHStripe);
  chart->Paint();
  const Bitmap& plot = chart->PlotBitmap();
  std::set<TColor> row;
  for (int x = 1; x < 200; ++x)
    if (x % 50 != 0) row.insert(plot.Pixel(x, 80));  // off the vertical lines
  EXPECT_EQ(row, (std::set<TColor>{clBlue, clWhite}));
  EXPECT_EQ(plot.Pixel(3, 70), clGray);

  // The grid sets the brush and the pen colour, the style for its lines, and puts the
  // style back to solid; width and mode stay as they were.
  TCanvas& canvas = chart->PlotCanvas();
  for (const GridStyleType style : {GridStyleType::gsDotLines, GridStyleType::gsVertDotLines,
                                    GridStyleType::gsHorizDotLines, GridStyleType::gsLines}) {
    chart->SetGridStyle(style);
    canvas.Pen().SetStyle(TPenStyle::psDash);
    canvas.Pen().SetWidth(3);
    canvas.Brush().SetColor(clRed);
    render::DrawGrid(*chart, canvas, 0, 0);
    EXPECT_EQ(canvas.Pen().Style(), TPenStyle::psSolid);
    EXPECT_EQ(canvas.Pen().Width(), 3);
    EXPECT_EQ(canvas.Pen().Color(), clBlue);
    EXPECT_EQ(canvas.Brush().Color(), clWhite);
  }
}

}  // namespace
}  // namespace kurvex
