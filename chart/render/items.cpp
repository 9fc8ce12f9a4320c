// DrawItem: the part every item kind shares (colours, pen width, the flush before drawing
// kinds), coordinate modes, and the polyline kinds move-to and line-to.

#include <cmath>
#include <limits>

#include "chart/render/item_kinds.h"

namespace kurvex {

int RoundInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(std::nearbyint(v));
}

namespace items {

// Point kinds: modes 1 and 3 are pixels, 4 has x in pixels, 5 has y in pixels; 0, 2 and
// any undefined mode are world values.
TPoint PointByMode(const TItemContext& ctx, const TkxChartItem& it, double x, double y) {
  switch (it.CoordMode) {
    case CoordMode::Pixels:
    case CoordMode::FirstPixels: return Point(ctx.PixelX(x), ctx.PixelY(y));
    case CoordMode::XPixels: return Point(ctx.PixelX(x), ctx.WorldY(it.Layer, y));
    case CoordMode::YPixels: return Point(ctx.WorldX(it.Layer, x), ctx.PixelY(y));
    default: return ctx.World(it.Layer, x, y);
  }
}

// Two-point kinds: 1 both points in pixels, 2 the second, 3 the first; 4 and 5 take the x
// (or y) values of both points as pixels and the others as world values; 0 and any
// undefined mode are world values.
void TwoPointsByMode(const TItemContext& ctx, const TkxChartItem& it, TPoint& a, TPoint& b) {
  const bool first_pixels = it.CoordMode == CoordMode::Pixels || it.CoordMode == CoordMode::FirstPixels;
  const bool second_pixels = it.CoordMode == CoordMode::Pixels || it.CoordMode == CoordMode::SecondPixels;
  a = first_pixels ? Point(ctx.PixelX(it.X1), ctx.PixelY(it.Y1)) : ctx.World(it.Layer, it.X1, it.Y1);
  b = second_pixels ? Point(ctx.PixelX(it.X2), ctx.PixelY(it.Y2)) : ctx.World(it.Layer, it.X2, it.Y2);
  if (it.CoordMode == CoordMode::XPixels) {
    a.X = ctx.PixelX(it.X1);
    b.X = ctx.PixelX(it.X2);
  } else if (it.CoordMode == CoordMode::YPixels) {
    a.Y = ctx.PixelY(it.Y1);
    b.Y = ctx.PixelY(it.Y2);
  }
}

void DrawDot(const TItemContext& ctx, TPoint p, TColor color) { ctx.C().SetPixel(p.X, p.Y, color); }

void DrawMoveTo(const TItemContext& ctx, const TkxChartItem& it) {
  const TPoint p = PointByMode(ctx, it, it.X1, it.Y1);
  ctx.Path().CurrentPoint = p;
  ctx.C().MoveTo(p.X, p.Y);
}

void DrawLineTo(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  const TPoint p = PointByMode(ctx, it, it.X1, it.Y1);
  if (ctx.LineAttributesDiffer(c.P, it.PenStyle, c.G)) {
    // The pending polyline keeps its own colour: it is drawn before the pen changes, and
    // the new colour starts at its last point.
    ctx.Path().FlushPath(ctx.C());
    TCanvas& canvas = ctx.C();
    canvas.Pen().SetColor(c.P);
    canvas.Pen().SetStyle(it.PenStyle);
    canvas.Brush().SetColor(c.G);
    ctx.Cache().CachedPenColor = c.P;
    ctx.Cache().CachedPenStyle = it.PenStyle;
    ctx.Cache().CachedBrushColor = c.G;
  }
  ctx.Path().AppendPathPoint(p.X, p.Y, ctx.C());
}

}  // namespace items

bool LineToOnlyAppends(const TItemContext& ctx, const TkxChartItem& attrs) {
  const TColor pen = ctx.Monochrome ? clBlack : attrs.Color;
  const TColor brush = ctx.Monochrome ? clWhite : attrs.FillColor;
  return attrs.LineWidth == ctx.Cache().CachedPenWidth && !ctx.LineAttributesDiffer(pen, attrs.PenStyle, brush);
}

void DrawItem(const TItemContext& ctx, const TkxChartItem& item, const TLongTextArray& texts, bool is_annotation,
              int index) {
  using namespace items;
  const std::uint8_t kind = item.Kind;
  const bool text_kind = kind == ItemKind::Text || kind == ItemKind::TextOffset;
  // Text kinds keep their long-text index in LineWidth, so they leave the pen alone.
  if (!text_kind && item.LineWidth != ctx.Cache().CachedPenWidth) {
    ctx.Path().FlushPath(ctx.C());
    ctx.Cache().CachedPenWidth = item.LineWidth;
    ctx.C().Pen().SetWidth(item.LineWidth);
  }

  TItemColors c;
  c.P = ctx.Monochrome ? clBlack : item.Color;
  c.F = ctx.Monochrome ? clSilver : item.FillColor;
  c.R = ctx.Monochrome ? clWhite : item.FillColor;
  c.G = c.R;

  switch (kind) {
    case ItemKind::LineTo: DrawLineTo(ctx, item, c); return;
    case ItemKind::RelLine: DrawRelativeLine(ctx, item, c); return;
    case ItemKind::Mark:
    case ItemKind::Line:
    case ItemKind::Rectangle:
    case ItemKind::FramedBox:
    case ItemKind::Bar3D:
    case ItemKind::Text:
    case ItemKind::MoveTo:
    case ItemKind::Ellipse:
    case ItemKind::RelMove:
    case ItemKind::Arrow:
    case ItemKind::DoubleArrow:
    case ItemKind::TextOffset:
    case ItemKind::PixelBox:
    case ItemKind::MarkErrorBars:
    case ItemKind::OffsetLine:
    case ItemKind::Arc:
    case ItemKind::Vector:
    case ItemKind::VertLine:
    case ItemKind::HorizLine:
    case ItemKind::Cross: break;
    default: return;  // 0, 10, 11 and unknown codes draw nothing and keep the pending path
  }

  // Every other drawing kind ends the pending polyline first.
  ctx.Path().FlushPath(ctx.C());
  switch (kind) {
    case ItemKind::Mark: DrawMarkItem(ctx, item, c); break;
    case ItemKind::Line: DrawLine(ctx, item, c); break;
    case ItemKind::Rectangle: DrawRectangle(ctx, item, c); break;
    case ItemKind::FramedBox: DrawFramedBox(ctx, item, c); break;
    case ItemKind::Bar3D: DrawBar3D(ctx, item, c); break;
    case ItemKind::Text:
    case ItemKind::TextOffset: DrawTextItem(ctx, item, c, texts, is_annotation, index); break;
    case ItemKind::MoveTo: DrawMoveTo(ctx, item); break;
    case ItemKind::Ellipse: DrawEllipse(ctx, item, c); break;
    case ItemKind::RelMove: DrawRelativeMove(ctx, item); break;
    case ItemKind::Arrow:
    case ItemKind::DoubleArrow: DrawArrow(ctx, item, c); break;
    case ItemKind::PixelBox: DrawPixelBox(ctx, item, c); break;
    case ItemKind::MarkErrorBars: DrawErrorBars(ctx, item, c); break;
    case ItemKind::OffsetLine: DrawOffsetLine(ctx, item, c); break;
    case ItemKind::Arc: DrawArc(ctx, item, c); break;
    case ItemKind::Vector: DrawVector(ctx, item, c); break;
    case ItemKind::VertLine: DrawVertLine(ctx, item, c); break;
    case ItemKind::HorizLine: DrawHorizLine(ctx, item, c); break;
    case ItemKind::Cross: DrawCross(ctx, item, c); break;
    default: break;
  }
}

}  // namespace kurvex
