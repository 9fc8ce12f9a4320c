// The grid of the chart's current layer, drawn into the plot before the items: points or
// lines at the values of the two grid walks (grid_walk.h), solid or dotted.

#include <algorithm>
#include <cstdint>

#include "chart/render/grid_walk.h"
#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

namespace {

// A control pixel coordinate moved onto the canvas. Grid points are not clamped to the
// drawable range like items (a line far outside is simply not seen), so the sum is kept
// within 32 bits here.
int OnCanvas(int pixel, std::int64_t shift) {
  return static_cast<int>(std::clamp<std::int64_t>(pixel + shift, INT32_MIN, INT32_MAX));
}

struct GridPainter {
  TCanvas& canvas;
  const TLayerMap& map;
  std::int64_t dx, dy;  // control pixel -> canvas pixel

  int X(double v) const { return OnCanvas(map.X.ToPixel(v), dx); }
  int Y(double v) const { return OnCanvas(map.Y.ToPixel(v), dy); }

  void Line(int x1, int y1, int x2, int y2) const {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  }

  // One line per x value from the y range's low end to its high end.
  void Vertical(const TGridValues& xs, const TScaleProps& y) const {
    const int from = Y(y.RangeLow()), to = Y(y.RangeHigh());
    for (const double v : xs) Line(X(v), from, X(v), to);
  }
  void Horizontal(const TGridValues& ys, const TScaleProps& x) const {
    const int from = X(x.RangeLow()), to = X(x.RangeHigh());
    for (const double v : ys) Line(from, Y(v), to, Y(v));
  }

  // One pixel per crossing of the two walks, at most kMaxGridValues in all.
  void Points(const TGridValues& xs, const TGridValues& ys, TColor color) const {
    int left = kMaxGridValues;
    for (const double x : xs) {
      for (const double y : ys) {
        if (left-- == 0) return;
        canvas.SetPixel(X(x), Y(y), color);
      }
    }
  }
};

bool IsDotted(GridStyleType style) {
  return style == GridStyleType::gsVertDotLines || style == GridStyleType::gsHorizDotLines ||
         style == GridStyleType::gsDotLines;
}

}  // namespace

void DrawGrid(TCustomKurvex& chart, TCanvas& canvas, int ox, int oy) {
  // Dotted lines take the plot colour in their gaps.
  canvas.Brush().SetColor(chart.ChartColor());
  StateOf(chart).Cache.CachedBrushColor = chart.ChartColor();
  canvas.Pen().SetColor(chart.GridColor());

  const int layer = chart.CurrentLayer();
  const TScaleProps& x = chart.ScaleXProps(layer);
  const TScaleProps& y = chart.ScaleYProps(layer);
  TGridValues xs, ys;
  WalkGrid(chart.GridDx(), x, chart.ScaleX(layer), xs);
  WalkGrid(chart.GridDy(), y, chart.ScaleY(layer), ys);

  const GridPainter paint{canvas, chart.LayerMap(layer), std::int64_t{ox} - chart.MarginLeft(),
                          std::int64_t{oy} - chart.MarginTop()};
  const GridStyleType style = chart.GridStyle();
  const bool dotted = IsDotted(style);
  canvas.Pen().SetStyle(dotted ? TPenStyle::psDot : TPenStyle::psSolid);
  switch (style) {
    case GridStyleType::gsNone:
      break;
    case GridStyleType::gsPoints:
      paint.Points(xs, ys, chart.GridColor());
      break;
    case GridStyleType::gsVertLines:
    case GridStyleType::gsVertDotLines:
      paint.Vertical(xs, y);
      break;
    case GridStyleType::gsHorizLines:
    case GridStyleType::gsHorizDotLines:
      paint.Horizontal(ys, x);
      break;
    case GridStyleType::gsLines:
    case GridStyleType::gsDotLines:
      paint.Vertical(xs, y);
      paint.Horizontal(ys, x);
      break;
  }
  if (dotted) canvas.Pen().SetStyle(TPenStyle::psSolid);
}

}  // namespace kurvex::render
