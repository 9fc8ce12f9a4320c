// Figure kinds: rectangle, framed box, 3-D bar, ellipse, pixel box, arc and cross.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "chart/render/item_kinds.h"

namespace kurvex::items {

namespace {

// The box Rectangle/Ellipse need to cover both corners: the larger x and y one further.
TRect CoveringBox(TPoint a, TPoint b) {
  return Rect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1);
}

void SetFillStyle(const TItemContext& ctx, bool hollow) {
  ctx.C().Brush().SetStyle(hollow ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

// Pen P, brush F and the item's pen style, the attributes of the outlined figures.
void SetFigureAttributes(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  ctx.SetPenColor(c.P);
  ctx.SetBrushColor(c.F);
  ctx.SetPenStyle(it.PenStyle);
}

// A canvas coordinate moved by a pixel offset, clamped to the drawable range.
int Moved(int v, long long d) { return ClampDrawable(AddSaturated(v, d)); }

}  // namespace

void DrawRectangle(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  SetFigureAttributes(ctx, it, c);
  SetFillStyle(ctx, it.Hollow);
  TPoint a, b;
  TwoPointsByMode(ctx, it, a, b);
  if (a == b) return DrawDot(ctx, a, c.P);
  ctx.C().Rectangle(CoveringBox(a, b));
}

void DrawFramedBox(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  ctx.SetPenColor(c.F);
  ctx.SetBrushColor(c.F);
  ctx.SetPenStyle(it.PenStyle);
  // A framed box is a filled face whatever brush style earlier items left behind.
  ctx.C().Brush().SetStyle(TBrushStyle::bsSolid);
  TPoint a, b;
  TwoPointsByMode(ctx, it, a, b);
  if (a == b) return DrawDot(ctx, a, c.F);
  const int x1 = std::min(a.X, b.X), x2 = std::max(a.X, b.X);
  const int yt = std::min(a.Y, b.Y), yb = std::max(a.Y, b.Y);
  TCanvas& canvas = ctx.C();
  canvas.Rectangle(x1, yb, x2, yt);

  TColor shade = ctx.Monochrome ? clBlack : it.ShadeColor;
  TColor hilite = ctx.Monochrome ? clWhite : it.HiliteColor;
  switch (static_cast<TFrameStyle>(it.FrameStyle)) {
    case TFrameStyle::fsRaised: std::swap(shade, hilite); [[fallthrough]];
    case TFrameStyle::fsLowered:
      ctx.SetPenColor(shade);
      canvas.MoveTo(x1, yb);
      canvas.LineTo(x1, yt);
      canvas.LineTo(x2, yt);
      ctx.SetPenColor(hilite);
      canvas.LineTo(x2, yb);
      canvas.LineTo(x1, yb);
      break;
    case TFrameStyle::fsEngraved: std::swap(shade, hilite); [[fallthrough]];
    case TFrameStyle::fsEmbossed:
      ctx.SetPenColor(shade);
      canvas.MoveTo(x1 + 1, yb);
      canvas.LineTo(x1 + 1, yt + 1);
      canvas.LineTo(x2, yt + 1);
      canvas.LineTo(x2, yb);
      canvas.LineTo(x1 + 1, yb);
      ctx.SetPenColor(hilite);
      canvas.MoveTo(x1, yb - 1);
      canvas.LineTo(x1, yt);
      canvas.LineTo(x2 - 1, yt);
      canvas.LineTo(x2 - 1, yb - 1);
      canvas.LineTo(x1, yb - 1);
      break;
    default: break;  // no edges
  }
}

void DrawBar3D(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  SetFigureAttributes(ctx, it, c);
  // The three faces are filled whatever brush style earlier items left behind.
  ctx.C().Brush().SetStyle(TBrushStyle::bsSolid);
  const TPoint a = ctx.World(it.Layer, it.X1, it.Y1);
  const TPoint b = ctx.World(it.Layer, it.X2, it.Y2);
  int x1 = std::min(a.X, b.X), x2 = std::max(a.X, b.X);
  const int y1 = std::min(a.Y, b.Y), y2 = std::max(a.Y, b.Y);
  const double angle = it.Param1 * std::numbers::pi / 180.0;
  const int dx = RoundInt(std::cos(angle) * it.Param2);
  const int dy = RoundInt(-std::sin(angle) * it.Param2);
  // Past 90 degrees the depth runs to the left, and the side face with it.
  if (it.Param1 > 90) std::swap(x1, x2);
  TCanvas& canvas = ctx.C();
  // A depth beyond the drawable range is cut there, so the faces keep their side.
  const TPoint top[4] = {Point(x1, y1), Point(Moved(x1, dx), Moved(y1, dy)), Point(Moved(x2, dx), Moved(y1, dy)),
                         Point(x2, y1)};
  canvas.Polygon(top);
  const TPoint side[4] = {Point(Moved(x2, dx), Moved(y1, dy)), Point(x2, y1), Point(x2, y2),
                          Point(Moved(x2, dx), Moved(y2, dy))};
  canvas.Polygon(side);
  canvas.Rectangle(CoveringBox(Point(x1, y1), Point(x2, y2)));
}

void DrawEllipse(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  SetFigureAttributes(ctx, it, c);
  SetFillStyle(ctx, it.Hollow);
  const TPoint a = ctx.World(it.Layer, it.X1 - it.X2, it.Y1 + it.Y2);
  const TPoint b = ctx.World(it.Layer, it.X1 + it.X2, it.Y1 - it.Y2);
  if (a == b) return DrawDot(ctx, a, c.P);
  const TRect r = CoveringBox(a, b);
  ctx.C().Ellipse(r.Left, r.Top, r.Right, r.Bottom);
}

void DrawPixelBox(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  SetFigureAttributes(ctx, it, c);
  SetFillStyle(ctx, it.Hollow);
  const TPoint centre = ctx.Layer(it.Layer).Map.ToPixel(it.X1, it.Y1);
  const TPoint a = Point(ctx.CanvasX(AddSaturated(centre.X, -static_cast<long long>(it.Param1))),
                         ctx.CanvasY(AddSaturated(centre.Y, -static_cast<long long>(it.Param2))));
  const TPoint b = Point(ctx.CanvasX(AddSaturated(centre.X, it.Param1)), ctx.CanvasY(AddSaturated(centre.Y, it.Param2)));
  if (a == b) return DrawDot(ctx, a, c.P);
  ctx.C().Rectangle(CoveringBox(a, b));
}

void DrawArc(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  ctx.SetPenColor(c.P);
  const TPoint a = ctx.World(it.Layer, it.X1 - it.X2, it.Y1 - it.Y2);
  const TPoint b = ctx.World(it.Layer, it.X1 + it.X2, it.Y1 + it.Y2);
  if (a == b) return DrawDot(ctx, a, c.P);
  const TPoint centre = ctx.World(it.Layer, it.X1, it.Y1);
  // Direction points far outside the box, so that only their direction counts.
  const auto direction = [&](std::int32_t angle_e8) {
    const double angle = angle_e8 * 1e-8;
    return Point(centre.X + RoundInt(std::cos(angle) * 1e8), centre.Y - RoundInt(std::sin(angle) * 1e8));
  };
  const TPoint from = direction(it.Param1);
  const TPoint to = direction(it.Param2);
  const TRect r = CoveringBox(a, b);
  ctx.C().Arc(r.Left, r.Top, r.Right, r.Bottom, from.X, from.Y, to.X, to.Y);
}

void DrawCross(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  SetFigureAttributes(ctx, it, c);
  ctx.C().Brush().SetStyle(TBrushStyle::bsSolid);
  TPoint a, b;
  switch (it.CoordMode) {
    case CoordMode::World:
      a = ctx.World(it.Layer, it.X1 - it.X2, it.Y1 + it.Y2);
      b = ctx.World(it.Layer, it.X1 + it.X2, it.Y1 - it.Y2);
      break;
    case CoordMode::Pixels:
    case CoordMode::FirstPixels:
      a = Point(ctx.PixelX(it.X1 - it.X2), ctx.PixelY(it.Y1 + it.Y2));
      b = Point(ctx.PixelX(it.X1 + it.X2), ctx.PixelY(it.Y1 - it.Y2));
      break;
    default: {
      // The centre by the point rule, the half sizes in pixels.
      const TPoint centre = PointByMode(ctx, it, it.X1, it.Y1);
      const int hx = RoundInt(it.X2), hy = RoundInt(it.Y2);
      a = Point(Moved(centre.X, -static_cast<long long>(hx)), Moved(centre.Y, hy));
      b = Point(Moved(centre.X, hx), Moved(centre.Y, -static_cast<long long>(hy)));
      break;
    }
  }
  TCanvas& canvas = ctx.C();
  TPoint middle = a;
  if (a == b) {
    DrawDot(ctx, a, c.P);
  } else {
    (a.X > b.X ? a.X : b.X) += 1;
    (a.Y > b.Y ? a.Y : b.Y) += 1;
    middle = Point((a.X + b.X) / 2, (a.Y + b.Y) / 2);
    canvas.MoveTo(middle.X, a.Y);
    canvas.LineTo(middle.X, b.Y);
    canvas.MoveTo(a.X, middle.Y);
    canvas.LineTo(b.X, middle.Y);
  }
  // The cross leaves the pen, and the start of the next polyline, at its centre.
  ctx.Path().CurrentPoint = middle;
  canvas.MoveTo(middle.X, middle.Y);
}

}  // namespace kurvex::items
