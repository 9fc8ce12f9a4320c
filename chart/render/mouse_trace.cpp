// The stored mouse trace, redrawn into the plot image at every paint.

#include <algorithm>

#include "chart/render/item_context.h"
#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

void DrawMouseTrace(TCustomKurvex& chart, int ox, int oy, Bitmap& target) {
  const TMouseState& mouse = chart.MouseState();
  const int count = std::min<int>(mouse.TraceCount, static_cast<int>(mouse.Trace.size()));
  if (count <= 0) return;
  TCanvas own(&target);
  TCanvas& canvas = &target == &chart.PlotBitmap() ? chart.PlotCanvas() : own;
  const TColor pen_color = canvas.Pen().Color();
  const int pen_width = canvas.Pen().Width();
  const TPenStyle pen_style = canvas.Pen().Style();
  const TBrushStyle brush_style = canvas.Brush().Style();

  const int layer = chart.CurrentLayer();
  const int dx = ox - chart.MarginLeft(), dy = oy - chart.MarginTop();
  for (int i = 1; i < count; ++i) {
    const TMouseTracePoint& from = mouse.Trace[static_cast<std::size_t>(i - 1)];
    const TMouseTracePoint& to = mouse.Trace[static_cast<std::size_t>(i)];
    if ((from.Flags & 1) != 0) continue;  // the stroke ended at the previous point
    canvas.Pen().SetColor(to.Color);
    canvas.Pen().SetMode((to.Flags & 2) != 0 ? TPenMode::pmXor : TPenMode::pmCopy);
    const TPoint p0 = chart.WorldToPixel(layer, from.X, from.Y);
    const TPoint p1 = chart.WorldToPixel(layer, to.X, to.Y);
    canvas.MoveTo(AddSaturated(p0.X, dx), AddSaturated(p0.Y, dy));
    canvas.LineTo(AddSaturated(p1.X, dx), AddSaturated(p1.Y, dy));
    canvas.Pen().SetMode(TPenMode::pmCopy);
  }

  canvas.Pen().SetColor(pen_color);
  canvas.Pen().SetWidth(pen_width);
  canvas.Pen().SetStyle(pen_style);
  canvas.Brush().SetStyle(brush_style);
}

}  // namespace kurvex::render
