// The paint pipeline on whole charts: images, order of steps, events and repaint rules.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "chart/render/pipeline_steps.h"
#include "chart_test_support.h"
#include "common/errors.h"
#include "golden_image.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

// A windowed chart of the given size with margins 50/20/20/40 and no shadow.
std::unique_ptr<TKurvex> MakeChart(int width = 300, int height = 200) {
  auto chart = std::make_unique<TKurvex>(nullptr);
  chart->SetBounds(0, 0, width, height);
  chart->HandleNeeded();
  chart->SetAutoRedraw(false);
  chart->SetWindColor(clSilver);
  return chart;
}

int CountIn(const Bitmap& b, TColor c, TRect r) { return test::CountColor(b, c, r); }

TEST(RenderPipeline, SpeedTestCurveOfAThousandPoints) {
  auto chart = test::MakeSpeedTestChart();
  // The picture shows what this pipeline draws; the axes are the scale controls' own.
  chart->Scale1X().SetVisible(false);
  chart->Scale1Y().SetVisible(false);
  test::AppendSpeedTestCurve(*chart, 1000);
  chart->RefreshChart();
  ExpectMatchesGolden(chart->Surface(), "chart/speed_test_curve_1000");
}

TEST(RenderPipeline, PlotFrameAndShadowGeometry) {
  for (const TShadowStyle style : {TShadowStyle::ssFlying, TShadowStyle::ssBox}) {
    auto chart = MakeChart();
    chart->SetShadowWidth(5);
    chart->SetShadowStyle(style);
    chart->SetShadowColor(clRed);
    chart->SetShadowBakColor(clYellow);
    chart->SetChartFrameColor(clBlue);
    chart->Paint();
    const Bitmap& w = chart->Surface();
    // The plot frame's right column is the plot's last column, control x 50 + 225.
    EXPECT_EQ(w.Pixel(275, 100), clBlue);
    EXPECT_EQ(w.Pixel(276, 100), clSilver);
    EXPECT_EQ(w.Pixel(150, 155), clBlue);  // bottom row 20 + 135
    EXPECT_EQ(w.Pixel(150, 156), clSilver);
    // The right shadow starts at x = W - SW, under the black outline.
    EXPECT_EQ(w.Pixel(294, 100), clSilver);
    EXPECT_EQ(w.Pixel(295, 100), clBlack);
    EXPECT_EQ(w.Pixel(297, 100), clRed);
    EXPECT_EQ(w.Pixel(150, 197), clRed);
    EXPECT_EQ(w.Pixel(0, 100), clBlack);
    EXPECT_EQ(w.Pixel(150, 0), clBlack);
    // The free corners keep the shadow's background colour.
    EXPECT_EQ(w.Pixel(298, 1), clYellow);
    EXPECT_EQ(w.Pixel(1, 198), clYellow);
    if (style == TShadowStyle::ssFlying) {
      EXPECT_EQ(w.Pixel(297, 2), clYellow);  // the flying shadow starts SW - 1 lower
      EXPECT_EQ(w.Pixel(299, 100), clRed);
    } else {
      EXPECT_EQ(w.Pixel(297, 2), clBlack);  // the box side runs from the corner, outlined
      EXPECT_EQ(w.Pixel(299, 100), clBlack);
    }
  }
}

TEST(RenderPipeline, WithoutShadowTheWindowColourReachesTheEdges) {
  auto chart = MakeChart();
  chart->Paint();
  const Bitmap& w = chart->Surface();
  for (const TPoint p : {Point(0, 0), Point(299, 199), Point(0, 100), Point(299, 100), Point(150, 199)}) {
    EXPECT_EQ(w.Pixel(p.X, p.Y), clSilver) << p.X << "," << p.Y;
  }
}

// The rows and columns that hold caption ink (anything but the window colour) in the band
// above the plot, over the plot's columns (axis labels lie left of them).
TRect CaptionInk(const Bitmap& w, int top, int bottom) {
  TRect r = Rect(1 << 30, 1 << 30, -1, -1);
  for (int y = top; y < bottom; ++y) {
    for (int x = 50; x < w.Width(); ++x) {
      if (w.Pixel(x, y) == clSilver) continue;
      r.Left = std::min(r.Left, x);
      r.Top = std::min(r.Top, y);
      r.Right = std::max(r.Right, x + 1);
      r.Bottom = std::max(r.Bottom, y + 1);
    }
  }
  return r;
}

TEST(RenderPipeline, CaptionRightAlignedTenPixelsLeftOfThePlotEdge) {
  auto chart = MakeChart();
  chart->Font().SetName("Arial");
  chart->SetCaption("Caption");
  chart->SetCaptionAnchorHoriz(TCaptionAnchorHoriz::cahChartRight);
  chart->SetCaptionAlignment(TAlignment::taRightJustify);
  chart->SetCaptionPosX(-10);
  chart->SetCaptionAnchorVert(TCaptionAnchorVert::cavChartTop);
  chart->SetCaptionPosY(-15);
  chart->Paint();
  const TRect ink = CaptionInk(chart->Surface(), 0, 20);
  ASSERT_GT(ink.Right, 0);
  EXPECT_LE(ink.Right, 280 - 10);  // plot's right edge: W - MR = 280
  EXPECT_GE(ink.Right, 280 - 12);
  EXPECT_GE(ink.Top, 20 - 15);
  EXPECT_LE(ink.Top, 20 - 15 + 4);
}

TEST(RenderPipeline, CaptionTrimShortensALongCaptionToAPrefixAndDots) {
  const std::string caption = "A rather long caption for a small chart";
  int full_right = 0;
  for (const int trim : {100, 50}) {
    auto chart = MakeChart();
    chart->Font().SetName("Arial");
    chart->SetCaption(caption);
    chart->SetCaptionAnchorHoriz(TCaptionAnchorHoriz::cahChartLeft);
    chart->SetCaptionAlignment(TAlignment::taLeftJustify);
    chart->SetCaptionPosY(-16);
    chart->SetCaptionTrim(trim);
    chart->Paint();
    const TRect ink = CaptionInk(chart->Surface(), 0, 20);
    if (trim == 100) {
      full_right = ink.Right;
      continue;
    }
    TCanvas measure(&chart->ControlBitmap());
    measure.Font().Assign(chart->Font());
    const int limit = 115;  // round((300 - 70) * 0.5)
    const int w = measure.TextWidth(caption);
    ASSERT_GT(w, limit);
    const int n = static_cast<int>(std::nearbyint(static_cast<double>(caption.size()) * limit / w)) - 2;
    const std::string expected = caption.substr(0, static_cast<std::size_t>(n)) + "...";
    EXPECT_LT(ink.Right, full_right);
    EXPECT_LE(ink.Right, 50 + measure.TextWidth(expected));
    EXPECT_GE(ink.Right, 50 + measure.TextWidth(expected) - 3);
  }
}

TEST(RenderPipeline, EventsComeInOrderWithThePlotCorner) {
  auto chart = MakeChart();
  std::vector<std::string> calls;
  chart->OnScalesRendered = [&](TObject* sender, TCanvas& c, int top, int left) {
    EXPECT_EQ(sender, chart.get());
    EXPECT_EQ(&c, &chart->ControlCanvas());
    calls.push_back("scales " + std::to_string(top) + " " + std::to_string(left));
  };
  chart->OnBeforeRenderData = [&](TObject*, TCanvas&, int top, int left) {
    calls.push_back("before " + std::to_string(top) + " " + std::to_string(left));
  };
  chart->OnDataRendered = [&](TObject*, TCanvas&, int top, int left) {
    calls.push_back("after " + std::to_string(top) + " " + std::to_string(left));
  };
  chart->Paint();
  EXPECT_EQ(calls, (std::vector<std::string>{"scales 0 0", "before 20 50", "after 20 50"}));
}

TEST(RenderPipeline, HoldPaintThenRangeChangesPaintsOnceAtTheRelease) {
  auto chart = MakeChart();
  int paints = 0;
  chart->OnScalesRendered = [&](TObject*, TCanvas&, int, int) { ++paints; };
  chart->SetAutoRedraw(true);
  chart->HoldPaint(true);
  chart->SetLayerRange(1, 0, 0, 10, 10);
  chart->SetLayerRange(2, 0, 0, 5, 5);
  chart->SetChartColor(clYellow);
  chart->Paint();
  EXPECT_EQ(paints, 0);
  chart->HoldPaint(false);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(chart->Surface().Pixel(150, 100), clYellow);
  chart->HoldPaint(false);  // unchanged: no paint
  EXPECT_EQ(paints, 1);
}

TEST(RenderPipeline, InvisibleOrLoadingChartsDoNotPaint) {
  auto chart = MakeChart();
  int paints = 0;
  chart->OnScalesRendered = [&](TObject*, TCanvas&, int, int) { ++paints; };
  chart->SetVisible(false);
  chart->Paint();
  EXPECT_EQ(paints, 0);
  chart->SetVisible(true);
  chart->Paint();
  EXPECT_EQ(paints, 1);
}

TEST(RenderPipeline, LogarithmicRangeErrorStopsThePaintAndKeepsTheWindow) {
  auto chart = MakeChart();
  chart->SetLayerRange(1, 0, 0, 10, 10);
  chart->MoveToPoint(0.0, 0.0);
  chart->LineToPoint(10.0, 10.0);
  chart->Paint();
  const Bitmap before = chart->Surface();
  const int presents = test::Headless().PresentCount(*chart);

  chart->HoldPaint(true);
  chart->ScaleXProps(1).SetLoading(true);  // takes Logarithmic without range checks
  try {
    chart->ScaleXProps(1).SetLogarithmic(true);
  } catch (const EKPXKurvexError&) {
  }
  chart->SetChartColor(clRed);
  try {
    chart->HoldPaint(false);
    FAIL() << "the paint should have raised the logarithmic range error";
  } catch (const EKPXKurvexError& e) {
    EXPECT_EQ(std::string(e.what()), "Logarithmic axis must not be negative.");
  }
  EXPECT_EQ(test::DiffPixels(chart->Surface(), before), 0);
  EXPECT_EQ(test::Headless().PresentCount(*chart), presents);
}

TEST(RenderPipeline, BeforeRenderChartItemChangesTheDrawingNotTheStore) {
  auto chart = MakeChart();
  chart->SetLayerRange(1, 0, 0, 10, 10);
  chart->MoveToPoint(0.0, 5.0);
  for (int i = 1; i <= 10; ++i) chart->LineToPoint(static_cast<double>(i), 5.0);
  const TkxChartItem stored = chart->Item(4);
  std::vector<int> indices;
  chart->OnBeforeRenderChartItem = [&](TObject* sender, TkxChartItem& item, int index, bool annotation) {
    EXPECT_EQ(sender, chart.get());
    EXPECT_FALSE(annotation);
    indices.push_back(index);
    if (index >= 6) item.Color = clBlue;
  };
  chart->Paint();
  EXPECT_EQ(chart->Item(4), stored);
  EXPECT_EQ(chart->Item(7).Color, clBlack);
  EXPECT_EQ(indices.size(), 11u);
  EXPECT_EQ(indices.back(), 10);
  // x = i is control column 50 + 23 i, y = 5 control row 90; items 6.. end at x >= 6.
  const Bitmap& w = chart->Surface();
  EXPECT_EQ(w.Pixel(55, 90), clBlack);
  EXPECT_EQ(w.Pixel(164, 90), clBlack);
  EXPECT_EQ(w.Pixel(166, 90), clBlue);
  EXPECT_EQ(w.Pixel(245, 90), clBlue);
}

TEST(RenderPipeline, AutoRedrawRefreshUpdatesOnlyThePlotOnTheWindow) {
  auto chart = MakeChart();
  chart->SetLayerRange(1, 0, 0, 10, 10);
  chart->Paint();
  chart->SetWindColor(clLime);  // stored, not painted: AutoRedraw is off
  chart->SetAutoRedraw(true);
  chart->SetDataColor(clRed);
  chart->MoveToPoint(0.0, 5.0);
  chart->LineToPoint(10.0, 5.0);
  const int presents = test::Headless().PresentCount(*chart);
  chart->RefreshChart();
  const Bitmap& w = chart->Surface();
  EXPECT_EQ(w.Pixel(5, 5), clSilver);  // margins as before
  EXPECT_EQ(w.Pixel(150, 90), clRed);  // the new item
  EXPECT_EQ(test::Headless().PresentCount(*chart), presents + 1);
  EXPECT_EQ(test::Headless().ScreenImage(*chart).Pixel(150, 90), clRed);
}

TEST(RenderPipeline, ClearItemsRepaintsOnlyThePlotImage) {
  auto chart = MakeChart();
  chart->SetLayerRange(1, 0, 0, 10, 10);
  chart->SetDataColor(clRed);
  chart->MoveToPoint(0.0, 5.0);
  chart->LineToPoint(10.0, 5.0);
  chart->Paint();
  chart->ClearItems();
  EXPECT_EQ(CountIn(chart->PlotBitmap(), clRed, Rect(0, 0, 1000, 1000)), 0);
  EXPECT_EQ(chart->PlotBitmap().Pixel(0, 0), clBlack);  // the frame
  EXPECT_GT(CountIn(chart->Surface(), clRed, Rect(0, 0, 1000, 1000)), 200);
}

TEST(RenderPipeline, ThousandLineTosAreSixPolylines) {
  auto chart = MakeChart(1200, 200);
  chart->SetLayerRange(1, 0, 0, 1000, 10);
  chart->MoveToPoint(0.0, 0.0);
  for (int i = 1; i <= 1000; ++i) chart->LineToPoint(static_cast<double>(i), static_cast<double>(i % 10));
  for (const bool handler : {false, true}) {
    if (handler) chart->OnBeforeRenderChartItem = [](TObject*, TkxChartItem&, int, bool) {};
    chart->Paint();
    render::StateOf(*chart).Path.ResetCounters();
    chart->RenderData(chart->PlotCanvas(), 0, 0, false, 0);
    EXPECT_EQ(render::StateOf(*chart).Path.PolylineCalls(), 6u) << handler;
  }
}

// Random drawing: polylines with colour, style, width, class and layer changes, marks and
// other kinds in between; the fast path must give the same picture as the item-by-item
// path, and both as drawing every segment.
void AppendRandomDrawing(TCustomKurvex& chart, std::mt19937& rng) {
  std::uniform_real_distribution<double> u(-2, 12);
  std::uniform_int_distribution<int> pct(0, 99);
  const TColor colors[] = {clBlack, clRed, clBlue, clGreen};
  const TPenStyle styles[] = {TPenStyle::psSolid, TPenStyle::psSolid, TPenStyle::psDash, TPenStyle::psDot};
  chart.MoveToPoint(u(rng), u(rng));
  double x = 0;
  for (int i = 0; i < 3000; ++i) {
    const int r = pct(rng);
    if (r < 2) chart.SetDataColor(colors[pct(rng) % 4]);
    else if (r < 3) chart.SetPenStyle(styles[pct(rng) % 4]);
    else if (r < 4) chart.SetLineWidth(static_cast<std::uint8_t>(1 + pct(rng) % 3));
    else if (r < 5) chart.SetClassDefault(static_cast<std::uint8_t>(pct(rng) % 3));
    else if (r < 6) chart.SetCurrentLayer(1 + pct(rng) % 2);
    else if (r < 7) chart.MoveToPoint(u(rng), u(rng));
    else if (r < 8) {
      TkxChartItem mark = test::MakeItem(ItemKind::Mark, u(rng), u(rng), 0, 0, colors[pct(rng) % 4]);
      mark.MarkType = pct(rng) % 60;
      chart.AppendItem(mark);
    }
    else if (r < 9) {
      // Values without a place or far away, and exact pixel halves (layer 3 maps one
      // unit to one pixel), which round to the even neighbour.
      const double odd[] = {std::nan(""), INFINITY, -INFINITY, 1e300, -1e300, 0.5, 1.5, 2.5, -0.5};
      chart.SetCurrentLayer(3);
      for (int k = 0; k < 4; ++k) chart.LineToPoint(odd[pct(rng) % 9] + pct(rng) % 4, odd[pct(rng) % 9] + 100);
      chart.SetCurrentLayer(1);
    }
    x += pct(rng) < 95 ? 0.003 : -0.05;  // mostly forward in small steps: many points per column
    chart.LineToPoint(x, pct(rng) < 10 ? u(rng) * 100 : 5 + std::sin(x * 20) * 4 + (pct(rng) - 50) / 40.0);
  }
}

TEST(RenderPipeline, FastPathPaintsWhatTheItemByItemPathPaints) {
  std::mt19937 rng(99);
  for (int round = 0; round < 6; ++round) {
    auto chart = MakeChart(400, 300);
    chart->SetLayerRange(1, 0, 0, 10, 10);
    chart->SetLayerRange(2, -3, 0.5, 14, 12);
    chart->SetLayerRange(3, 0, 0, 330, 240);
    if (round % 2 == 1) {
      chart->ScaleYProps(2).SetLogarithmic(true);
      chart->SetClassVisible(2, false);
      chart->SetLayerVisible(2, round != 3);
    }
    AppendRandomDrawing(*chart, rng);
    chart->Paint();
    const Bitmap fast = chart->Surface();
    chart->OnBeforeRenderChartItem = [](TObject*, TkxChartItem&, int, bool) {};
    chart->Paint();
    EXPECT_EQ(test::DiffPixels(chart->Surface(), fast), 0) << "round " << round;
    render::StateOf(*chart).Path.SetColumnReduction(false);
    chart->Paint();
    EXPECT_EQ(test::DiffPixels(chart->Surface(), fast), 0) << "round " << round;
    EXPECT_LT(CountIn(fast, clWhite, Rect(51, 21, 379, 259)), 328 * 238 - 500);  // something was drawn
  }
}

TEST(RenderPipeline, FiltersAndRenderOrderSwitches) {
  auto chart = MakeChart();
  chart->SetLayerRange(1, 0, 0, 10, 10);
  chart->SetDataColor(clRed);
  chart->SetLineWidth(5);
  chart->MoveToPoint(0.0, 5.0);
  chart->LineToPoint(10.0, 5.0);
  chart->SetAnnotationMode(true);
  TkxChartItem text = test::MakeItem(ItemKind::Text, 5, 5, 0, 0, clBlack);
  text.ShortText.Set("        ");  // blanks: only the opaque background shows
  text.LineWidth = 0;
  text.Param1 = 20;
  text.Param2 = 1;
  text.FillColor = clYellow;
  chart->AppendItem(text);
  TkxChartItem box = test::MakeItem(ItemKind::Rectangle, 3, 3, 7, 7, clBlue);
  box.FillColor = clBlue;
  chart->AppendItem(box);
  chart->SetAnnotationMode(false);

  const auto colour_at_centre = [&] {
    chart->Paint();
    return chart->Surface().Pixel(165, 90);  // world (5, 5)
  };
  EXPECT_EQ(colour_at_centre(), clYellow);  // annotation texts come after the other annotations
  chart->SetAnnotationTextsLast(false);
  EXPECT_EQ(colour_at_centre(), clBlue);  // one pass in list order: the box covers the text
  chart->SetMainListAfterAnnotations(true);
  EXPECT_EQ(colour_at_centre(), clRed);
  chart->SetAnnotationsVisible(false);
  chart->SetMainListAfterAnnotations(false);
  EXPECT_EQ(colour_at_centre(), clRed);
  chart->SetClassVisible(0, false);
  EXPECT_EQ(colour_at_centre(), clWhite);
  chart->SetClassVisible(0, true);
  chart->SetLayerVisible(1, false);
  EXPECT_EQ(colour_at_centre(), clWhite);
}

TEST(RenderPipeline, MouseTraceIsRedrawnInTheTraceColours) {
  auto chart = MakeChart();
  chart->SetLayerRange(1, 0, 0, 10, 10);
  TMouseState& m = chart->MouseState();
  m.Trace[0] = {1, 5, 0, clRed};
  m.Trace[1] = {5, 5, 1, clRed};    // ends the first stroke
  m.Trace[2] = {6, 5, 0, clBlue};   // not joined to the point before
  m.Trace[3] = {9, 5, 2, clWhite};  // XOR over the white plot: black
  m.TraceCount = 4;
  chart->Paint();
  const Bitmap& w = chart->Surface();
  const int row = 90;
  EXPECT_EQ(w.Pixel(50 + 45, row), clRed);   // x = 2
  EXPECT_EQ(w.Pixel(50 + 124, row), clWhite);  // between x = 5 and x = 6: no segment
  EXPECT_EQ(w.Pixel(50 + 180, row), clBlack);  // x = 8, the XOR segment
}

}  // namespace
}  // namespace kurvex
