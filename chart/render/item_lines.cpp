// Line kinds: mark, line, relative move and line, error bars, offset segment, vector,
// vertical and horizontal line.

#include <algorithm>
#include <cmath>

#include "chart/render/item_kinds.h"

namespace kurvex::items {

namespace {

bool WithinRange(double v, const TAxisRange& r) {
  return v >= std::min(r.Low, r.High) && v <= std::max(r.Low, r.High);
}

// The interval [lo, hi] meets the axis range (in either order of its ends).
bool MeetsRange(double lo, double hi, const TAxisRange& r) {
  return lo <= std::max(r.Low, r.High) && hi >= std::min(r.Low, r.High);
}

// Pen colour, style and brush colour set on the canvas as given, and cached.
void SetLineAttributesNow(const TItemContext& ctx, TColor pen, TPenStyle style, TColor brush) {
  TCanvas& canvas = ctx.C();
  canvas.Pen().SetColor(pen);
  canvas.Pen().SetStyle(style);
  canvas.Brush().SetColor(brush);
  ctx.Cache().CachedPenColor = pen;
  ctx.Cache().CachedPenStyle = style;
  ctx.Cache().CachedBrushColor = brush;
}

// The pen position the relative kinds start from: the end of the pending polyline, or the
// canvas pen.
TPoint PenBase(const TItemContext& ctx) { return ctx.Path().Pending() ? ctx.Path().LastPoint() : ctx.C().PenPos(); }

TPoint Offset(TPoint base, double dx, double dy) {
  return Point(AddSaturated(base.X, RoundInt(dx)), AddSaturated(base.Y, RoundInt(dy)));
}

// Draws a mark with the canvas pen and keeps the font-colour cache true: character marks
// take the pen colour as font colour.
void DrawMarkCached(const TItemContext& ctx, int type, TPoint p) {
  DrawMark(ctx.C(), type, p.X, p.Y);
  if ((type & 0xFF) >= 52) ctx.Cache().CachedFontColor = ctx.C().Pen().Color();
}

}  // namespace

void DrawMarkItem(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  TPoint p;
  if (it.CoordMode == CoordMode::World) {
    const TLayerView& layer = ctx.Layer(it.Layer);
    if (!WithinRange(it.X1, layer.X) || !WithinRange(it.Y1, layer.Y)) return;
    p = ctx.World(it.Layer, it.X1, it.Y1);
  } else {
    const TPlotGeometry& g = ctx.Geometry;
    const bool inside = it.X1 >= 0 && it.X1 <= g.Width - g.MarginRight - g.MarginLeft && it.Y1 >= 0 &&
                        it.Y1 <= g.Height - g.MarginBottom - g.MarginTop;
    if (!inside) return;
    p = Point(ctx.PixelX(it.X1), ctx.PixelY(it.Y1));
  }
  ctx.SetPenColor(c.P);
  ctx.SetPenStyle(it.PenStyle);
  // Types compare by the low byte, the part that chooses the shape.
  if (ctx.AvoidDuplicateMarks && !ctx.State->Occupancy.Claim(p.X, p.Y, it.MarkType)) return;
  DrawMarkCached(ctx, it.MarkType, p);
}

void DrawLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  ctx.SetLineAttributes(c.P, it.PenStyle, c.G);
  TPoint a, b;
  TwoPointsByMode(ctx, it, a, b);
  if (a == b) return DrawDot(ctx, a, c.P);
  ctx.C().MoveTo(a.X, a.Y);
  ctx.C().LineTo(b.X, b.Y);
}

void DrawRelativeMove(const TItemContext& ctx, const TkxChartItem& it) {
  const TPoint p = Offset(PenBase(ctx), it.X1, it.Y1);
  ctx.Path().FlushPath(ctx.C());
  ctx.Path().CurrentPoint = p;
  ctx.C().MoveTo(p.X, p.Y);
}

void DrawRelativeLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  const TPoint p = Offset(PenBase(ctx), it.X1, it.Y1);
  if (ctx.LineAttributesDiffer(c.P, it.PenStyle, c.G)) {
    ctx.Path().FlushPath(ctx.C());
    SetLineAttributesNow(ctx, c.P, it.PenStyle, c.G);
  }
  ctx.Path().AppendPathPoint(p.X, p.Y, ctx.C());
}

void DrawErrorBars(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  const double e1 = std::fabs(it.X2);  // towards lower values
  const double e2 = std::fabs(it.Y2);  // towards higher values
  const TLayerView& layer = ctx.Layer(it.Layer);
  if (!MeetsRange(it.X1 - e1, it.X1 + e2, layer.X) || !MeetsRange(it.Y1 - e1, it.Y1 + e2, layer.Y)) return;
  ctx.SetLineAttributes(c.P, it.PenStyle, c.G);
  TCanvas& canvas = ctx.C();
  const TPoint centre = ctx.World(it.Layer, it.X1, it.Y1);
  if (it.Param1 != 0) {
    for (const double x : {it.X1 - e1, it.X1 + e2}) {
      const int ex = ctx.WorldX(it.Layer, x);
      canvas.MoveTo(centre.X, centre.Y);
      canvas.LineTo(ex, centre.Y);
      canvas.MoveTo(ex, centre.Y - 3);
      canvas.LineTo(ex, centre.Y + 4);
    }
  } else {
    for (const double y : {it.Y1 - e1, it.Y1 + e2}) {
      const int ey = ctx.WorldY(it.Layer, y);
      canvas.MoveTo(centre.X, centre.Y);
      canvas.LineTo(centre.X, ey);
      canvas.MoveTo(centre.X - 3, ey);
      canvas.LineTo(centre.X + 4, ey);
    }
  }
  DrawMarkCached(ctx, it.MarkType, centre);
}

void DrawOffsetLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  ctx.SetLineAttributes(c.P, it.PenStyle, c.G);
  const TLayerMap& map = ctx.Layer(it.Layer).Map;
  const auto end = [&](double x, double y) {
    const TPoint p = map.ToPixel(x, y);
    return Point(ctx.CanvasX(AddSaturated(p.X, it.Param1)), ctx.CanvasY(AddSaturated(p.Y, it.Param2)));
  };
  const TPoint a = end(it.X1, it.Y1);
  const TPoint b = end(it.X2, it.Y2);
  if (a == b) return DrawDot(ctx, a, c.P);
  ctx.C().MoveTo(a.X, a.Y);
  ctx.C().LineTo(b.X, b.Y);
}

void DrawVector(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  if (ctx.LineAttributesDiffer(c.P, it.PenStyle, c.G)) SetLineAttributesNow(ctx, c.P, it.PenStyle, c.G);
  const TPoint s = ctx.World(it.Layer, it.X1, it.Y1);
  const TPoint e = Point(ClampDrawable(AddSaturated(s.X, RoundInt(it.X2))), ClampDrawable(AddSaturated(s.Y, RoundInt(it.Y2))));
  // A vector opens a new path at its start that following line-to items continue; one of
  // zero length shows a dot and still places that start.
  ctx.Path().CurrentPoint = s;
  if (s == e) {
    DrawDot(ctx, s, c.P);
    ctx.C().MoveTo(s.X, s.Y);
    return;
  }
  ctx.Path().AppendPathPoint(e.X, e.Y, ctx.C());
}

void DrawVertLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  const int x = PointByMode(ctx, it, it.X1, it.Y1).X;
  SetLineAttributesNow(ctx, c.P, it.PenStyle, c.G);
  const TPlotGeometry& g = ctx.Geometry;
  ctx.C().MoveTo(x, ctx.OffsetY);
  ctx.C().LineTo(x, ctx.OffsetY + g.Height - g.MarginBottom - g.MarginTop);
}

void DrawHorizLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  const int y = PointByMode(ctx, it, it.X1, it.Y1).Y;
  SetLineAttributesNow(ctx, c.P, it.PenStyle, c.G);
  const TPlotGeometry& g = ctx.Geometry;
  ctx.C().MoveTo(ctx.OffsetX, y);
  ctx.C().LineTo(ctx.OffsetX + g.Width - g.MarginLeft - g.MarginRight, y);
}

}  // namespace kurvex::items
