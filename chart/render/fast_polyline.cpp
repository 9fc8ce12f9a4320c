// The hot loop of a repaint: runs of line-to items that share every attribute. With the
// reducing path buffer on linear axes the run goes to the run reducer (block summaries and
// SIMD groups); otherwise every point costs one multiply-add per axis, a clamp, a rounding
// and the path buffer's column compare. No record is copied and nothing is allocated.

#include "chart/render/item_loop.h"
#include "chart/render/linear_axis.h"
#include "chart/render/run_reducer.h"

namespace kurvex {

namespace {

// Any axis (logarithmic ones included) through its own mapping.
struct GeneralAxis {
  const TAxisMap* map;
  int operator()(double v) const { return ClampDrawable(map->ToPixel(v)); }
};

}  // namespace

void DrawLineToRun(const TItemContext& ctx, const TItemRun& run, const TLongTextArray& texts, bool is_annotation) {
  if (run.Count == 0) return;
  const TLayerMap& map = ctx.Layer(run.Attrs->Layer).Map;
  const int dx = ctx.OffsetX - ctx.Geometry.MarginLeft;
  const int dy = ctx.OffsetY - ctx.Geometry.MarginTop;
  TPathBuffer& path = ctx.Path();
  const bool linear = !map.X.Logarithmic && !map.Y.Logarithmic;
  // A run that continues the reduced polyline (the next chunk of a long curve) goes to the
  // reducer whole, so that its blocks stay aligned with the chunk's summaries.
  if (linear && path.Reducing() && LineToOnlyAppends(ctx, *run.Attrs)) {
    TRunReducer(ctx.C(), path, TLinearCanvasMap{TLinearAxis(map.X), TLinearAxis(map.Y), dx, dy}, ctx.State->Fast)
        .Reduce(run, 0);
    return;
  }
  DrawItem(ctx, run.Item(0), texts, is_annotation, static_cast<int>(run.First));
  const std::size_t n = run.Count - 1;
  if (n == 0) return;
  const double* xs = run.X1 + 1;
  const double* ys = run.Y1 + 1;
  if (linear) {
    const TLinearCanvasMap linear_map{TLinearAxis(map.X), TLinearAxis(map.Y), dx, dy};
    if (path.Reducing()) {
      TRunReducer(ctx.C(), path, linear_map, ctx.State->Fast).Reduce(run, 1);
      return;
    }
    path.AppendMapped(ctx.C(), xs, ys, n, linear_map.X, linear_map.Y, dx, dy);
  } else {
    path.AppendMapped(ctx.C(), xs, ys, n, GeneralAxis{&map.X}, GeneralAxis{&map.Y}, dx, dy);
  }
}

}  // namespace kurvex
