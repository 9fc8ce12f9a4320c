#pragma once
// Helpers for the render tests: a hand-built item context over a small plot bitmap, the
// speed-test chart and curve, and pixel comparisons.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "chart/model/kurvex.h"
#include "chart/render/item_context.h"
#include "chart/render/render_state.h"
#include "common/extended_sine.h"
#include "common/random.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace kurvex::test {

// The outline of a chart: control size, the four margins and the shadow width.
struct ChartShape {
  int Width, Height;
  int MarginLeft, MarginRight, MarginTop, MarginBottom;
  int ShadowWidth;
};

// A plot of 201 x 161 pixels (control 260 x 220, margins 30/30/20/40, no shadow) whose
// layer 1 maps x 0..100 to plot columns 0..200 and y 0..80 to plot rows 160..0; every
// other layer maps x -10..10 and y -10..10.
struct ItemCanvas {
  Bitmap bitmap;
  TCanvas canvas{&bitmap};
  TRenderState state;
  TItemContext ctx;
  TFont text_font;

  ItemCanvas() : ItemCanvas(200, 160, 100, 80) {}

  // A plot of (plot_width + 1) x (plot_height + 1) pixels whose layer 1 maps x 0..x_high
  // and y 0..y_high onto it.
  ItemCanvas(int plot_width, int plot_height, double x_high, double y_high) {
    TPlotGeometry g;
    g.Width = plot_width + 60;
    g.Height = plot_height + 60;
    g.MarginLeft = 30;
    g.MarginRight = 30;
    g.MarginTop = 20;
    g.MarginBottom = 40;
    bitmap.SetSize(g.PlotWidth(), g.PlotHeight());
    bitmap.Fill(clWhite);
    text_font.SetName("Arial");
    text_font.SetSize(8);
    ctx.Canvas = &canvas;
    ctx.State = &state;
    ctx.Geometry = g;
    ctx.TextFont = &text_font;
    for (int n = 1; n <= TItemContext::kLayers; ++n) SetRange(n, -10, 10, -10, 10);
    SetRange(1, 0, x_high, 0, y_high);
    state.Path.Reset(Point(0, 0));
    state.Cache.CachedPenWidth = 1;
    state.Cache.CachedPenColor = canvas.Pen().Color();
    state.Cache.CachedBrushColor = canvas.Brush().Color();
    state.Cache.CachedFontColor = canvas.Font().Color();
  }

  void SetRange(int layer, double x_low, double x_high, double y_low, double y_high, bool x_log = false,
                bool y_log = false) {
    TLayerView& v = ctx.Layers[static_cast<std::size_t>(layer)];
    v.X = TAxisRange{x_low, x_high, x_log};
    v.Y = TAxisRange{y_low, y_high, y_log};
    v.Map.X = MakeXAxisMap(v.X, ctx.Geometry);
    v.Map.Y = MakeYAxisMap(v.Y, ctx.Geometry);
  }

  void Draw(const TkxChartItem& item, int index = 0, bool annotation = false) {
    DrawItem(ctx, item, texts, annotation, index);
  }
  void Flush() { state.Path.FlushPath(canvas); }
  TColor At(int x, int y) const { return bitmap.Pixel(x, y); }

  TLongTextArray texts;
};

// An item with the fields most kinds need.
inline TkxChartItem MakeItem(std::uint8_t kind, double x1, double y1, double x2 = 0, double y2 = 0,
                             TColor color = clBlack) {
  TkxChartItem it;
  it.Kind = kind;
  it.Layer = 1;
  it.X1 = x1;
  it.Y1 = y1;
  it.X2 = x2;
  it.Y2 = y2;
  it.Color = color;
  it.FillColor = clSilver;
  it.LineWidth = 1;
  return it;
}

// Number of pixels of a bitmap (inside an optional rectangle) that have the colour.
inline int CountColor(const Bitmap& b, TColor color, TRect r = Rect(0, 0, 1 << 30, 1 << 30)) {
  int n = 0;
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, b.Height()); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, b.Width()); ++x) n += b.Pixel(x, y) == color;
  return n;
}

// Number of differing pixels of two bitmaps of equal size (-1 when the sizes differ).
inline long long DiffPixels(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  long long n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += a.Pixel(x, y) != b.Pixel(x, y);
  return n;
}

// A chart with a window of the given shape, AutoRedraw off.
inline std::unique_ptr<TKurvex> MakeWindowedChart(const ChartShape& shape) {
  auto chart = std::make_unique<TKurvex>(nullptr);
  chart->SetBounds(0, 0, shape.Width, shape.Height);
  chart->SetMarginLeft(shape.MarginLeft);
  chart->SetMarginRight(shape.MarginRight);
  chart->SetMarginTop(shape.MarginTop);
  chart->SetMarginBottom(shape.MarginBottom);
  chart->SetShadowWidth(shape.ShadowWidth);
  chart->HandleNeeded();
  chart->SetAutoRedraw(false);
  return chart;
}

// Shaped like the speed-test program's: 560 x 385, margins 60/16/20/40, shadow 1.
inline std::unique_ptr<TKurvex> MakeSpeedTestChart() {
  return MakeWindowedChart({560, 385, 60, 16, 20, 40, 1});
}

// A plot of 201 x 161 pixels at control (30, 20) (control 260 x 220, margins 30/30/20/40,
// no shadow) whose layer 1 maps x 0..100 onto plot columns 0..200 (2 pixels a unit) and
// y -5..5 onto plot rows 160..0 (16 pixels a unit).
inline std::unique_ptr<TKurvex> MakeSmallPlotChart() {
  auto chart = MakeWindowedChart({260, 220, 30, 30, 20, 40, 0});
  chart->SetLayerRange(1, 0, -5, 100, 5);
  return chart;
}

// The speed-test curve of n segments with the noise of a freshly seeded generator.
inline void AppendSpeedTestCurve(TCustomKurvex& chart, int n) {
  InitSharedHelpers();
  chart.ClearItems();
  chart.SetLayerRange(1, 0, -5, n, 5);
  chart.SetDataColor(clRed);
  chart.MoveToPoint(0, 0);
  for (int i = 1; i <= n; ++i) {
    const double y = static_cast<double>(SinExtended(0.01L * i) * 2000.0L / (i + 400) + Random());
    chart.LineToPoint(i, y);
  }
}

}  // namespace kurvex::test
