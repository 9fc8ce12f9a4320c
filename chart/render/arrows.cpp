// Arrow (14) and double arrow (15): a shaft and heads of two wings at 20 degrees.

#include <cmath>
#include <numbers>

#include "chart/render/item_kinds.h"
#include "common/numeric.h"

namespace kurvex::items {

namespace {

constexpr double kWingAngle = 0.3490658503988659154;  // 20 degrees

// Direction of the shaft from (x1, y1) to (x2, y2) as the head geometry measures it.
double ShaftDirection(TPoint a, TPoint b) {
  constexpr double pi = std::numbers::pi;
  if (a.X == b.X) return b.Y - a.Y < 1 ? 2 * pi : pi;
  const double t = std::atan(static_cast<double>(b.Y - a.Y) / static_cast<double>(b.X - a.X));
  return t + (b.X - a.X < 0 ? 3 * pi / 2 : pi / 2);
}

// A wing of the head at tip; sign +1 for the end point, -1 for the start point.
TPoint Wing(TPoint tip, double angle, int length, int sign) {
  const long long dx = RoundInt(std::sin(angle) * length);
  const long long dy = RoundInt(std::cos(angle) * length);
  return Point(AddSaturated(tip.X, -sign * dx), AddSaturated(tip.Y, sign * dy));
}

void DrawHead(const TItemContext& ctx, TPoint tip, TPoint w1, TPoint w2, bool open) {
  TCanvas& canvas = ctx.C();
  if (open) {
    canvas.MoveTo(tip.X, tip.Y);
    canvas.LineTo(w1.X, w1.Y);
    canvas.MoveTo(tip.X, tip.Y);
    canvas.LineTo(w2.X, w2.Y);
  } else {
    const TPoint head[3] = {tip, w1, w2};
    canvas.Polygon(head);
  }
}

}  // namespace

void DrawArrow(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c) {
  ctx.SetPenColor(c.P);
  ctx.SetBrushColor(c.F);
  ctx.SetPenStyle(it.PenStyle);
  TCanvas& canvas = ctx.C();
  canvas.Brush().SetStyle(it.Hollow ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
  TPoint a, b;
  TwoPointsByMode(ctx, it, a, b);
  if (a == b) return DrawDot(ctx, a, c.P);

  canvas.MoveTo(a.X, a.Y);
  if (it.PenStyle != TPenStyle::psSolid && c.F == c.P) {
    // The brush colour fills the gaps of a broken line: one that equals the pen colour
    // would hide the pattern, so the gaps take the contrasting colour.
    canvas.Brush().SetColor(ContrastColor(c.P));
    canvas.LineTo(b.X, b.Y);
    canvas.Brush().SetColor(c.F);
  } else {
    canvas.LineTo(b.X, b.Y);
  }

  const int length = it.Param1;
  if (length < 1) return;
  const double theta = ShaftDirection(a, b);
  ctx.SetPenStyle(TPenStyle::psSolid);
  if (it.Kind == ItemKind::DoubleArrow) {
    DrawHead(ctx, a, Wing(a, theta + kWingAngle, length, -1), Wing(a, theta - kWingAngle, length, -1), it.Hollow);
  }
  DrawHead(ctx, b, Wing(b, theta + kWingAngle, length, +1), Wing(b, theta - kWingAngle, length, +1), it.Hollow);
}

}  // namespace kurvex::items
