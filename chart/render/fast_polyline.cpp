// The hot loop of a repaint: runs of line-to items that share every attribute. Per point it
// costs one multiply-add per axis, a clamp, a rounding and the path buffer's column
// compare; no record is copied and nothing is allocated.

#include "chart/render/item_loop.h"

namespace kurvex {

namespace {

// A linear axis, as TAxisMap::ToPixel followed by the drawable clamp. Clamping before
// rounding gives the same pixel (the limits are integers), and adding and subtracting
// 1.5 * 2^52 rounds to the nearest integer with ties to even.
struct LinearAxis {
  double slope;
  double offset;
  int operator()(double v) const {
    double p = slope * v + offset;
    if (!(p >= -kDrawableLimit)) p = -kDrawableLimit;  // NaN too
    if (p > kDrawableLimit) p = kDrawableLimit;
    constexpr double kMagic = 6755399441055744.0;
    return static_cast<int>((p + kMagic) - kMagic);
  }
};

// Any axis (logarithmic ones included) through its own mapping.
struct GeneralAxis {
  const TAxisMap* map;
  int operator()(double v) const { return ClampDrawable(map->ToPixel(v)); }
};

template <class MapX, class MapY>
void AppendPoints(const TItemContext& ctx, const double* xs, const double* ys, std::size_t n, MapX mx, MapY my) {
  TPathBuffer& path = ctx.Path();
  TCanvas& canvas = ctx.C();
  const int dx = ctx.OffsetX - ctx.Geometry.MarginLeft;
  const int dy = ctx.OffsetY - ctx.Geometry.MarginTop;
  for (std::size_t i = 0; i < n; ++i) path.Append(canvas, Point(mx(xs[i]) + dx, my(ys[i]) + dy));
}

}  // namespace

void DrawLineToRun(const TItemContext& ctx, const TItemRun& run, const TLongTextArray& texts, bool is_annotation) {
  if (run.Count == 0) return;
  DrawItem(ctx, run.Item(0), texts, is_annotation, static_cast<int>(run.First));
  const std::size_t n = run.Count - 1;
  if (n == 0) return;
  const TLayerMap& map = ctx.Layer(run.Attrs->Layer).Map;
  const double* xs = run.X1 + 1;
  const double* ys = run.Y1 + 1;
  if (!map.X.Logarithmic && !map.Y.Logarithmic) {
    AppendPoints(ctx, xs, ys, n, LinearAxis{map.X.SlopeD, map.X.OffsetD}, LinearAxis{map.Y.SlopeD, map.Y.OffsetD});
  } else {
    AppendPoints(ctx, xs, ys, n, GeneralAxis{&map.X}, GeneralAxis{&map.Y});
  }
}

}  // namespace kurvex
