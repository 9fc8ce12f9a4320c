// The hot loop of a repaint: polylines of line-to items that share every attribute. With
// the reducing path buffer on linear axes the polyline goes to the run reducer (block
// summaries and SIMD groups), a long one in two halves on two threads; otherwise every
// point costs one multiply-add per axis, a clamp, a rounding and the path buffer's column
// compare. No record is copied and nothing is allocated per point.

#include <algorithm>
#include <cstdlib>

#include "chart/render/item_loop.h"
#include "chart/render/linear_axis.h"
#include "chart/render/render_worker.h"
#include "chart/render/run_reducer.h"

namespace kurvex {

namespace {

// Any axis (logarithmic ones included) through its own mapping.
struct GeneralAxis {
  const TAxisMap* map;
  int operator()(double v) const { return ClampDrawable(map->ToPixel(v)); }
};

// The runs of a polyline from point from of the first one on, through one reducer.
void ReduceRuns(TRunReducer& reducer, std::span<const TItemRun> runs, std::size_t from) {
  for (const TItemRun& run : runs) {
    reducer.Reduce(run, from);
    from = 0;
  }
}

// The worker's half: the runs from the split on, reduced into a column half that starts
// at their first point.
struct SecondHalfTask {
  TColumnHalf* half;
  std::span<const TItemRun> runs;
  TLinearCanvasMap map;
  TFastPaths fast;
  TRect visible;

  static void Run(void* context) {
    const auto& t = *static_cast<const SecondHalfTask*>(context);
    t.half->Start(Point(t.map.CanvasX(t.runs[0].X1[0]), t.map.CanvasY(t.runs[0].Y1[0])));
    TRunReducer reducer(*t.half, t.map, t.fast, t.visible);
    ReduceRuns(reducer, t.runs, 1);
  }
};

// The first run index of the second half: where half of the points lie before it.
std::size_t SplitRun(std::span<const TItemRun> runs, std::size_t points) {
  std::size_t before = 0, k = 0;
  while (k + 1 < runs.size() && before + runs[k].Count < points / 2) before += runs[k++].Count;
  return k == 0 ? 1 : k;
}

// The points of the runs that will be mapped one by one, about: those of every chunk that
// is on the canvas and has fewer points than whole blocks need per pixel column (or no
// summary yet).
std::size_t PointsToWalk(std::span<const TItemRun> runs, const TLinearCanvasMap& map, TRect visible) {
  std::size_t points = 0;
  for (const TItemRun& run : runs) {
    const TBlockSummary& s = *run.Whole;
    if (run.BlocksDone == TKxItemContainer::kBlocksPerChunk && s.Usable()) {
      const int xa = map.CanvasX(s.XMin), xb = map.CanvasX(s.XMax);
      const int ya = map.CanvasY(s.YMin), yb = map.CanvasY(s.YMax);
      const bool off = std::max(xa, xb) < visible.Left || std::min(xa, xb) > visible.Right ||
                       std::max(ya, yb) < visible.Top || std::min(ya, yb) > visible.Bottom;
      const auto columns = static_cast<std::size_t>(std::abs(xb - xa)) + 1;
      if (off || run.Count / columns >= TBlockSummary::kBlockSize) continue;
    }
    points += run.Count;
  }
  return points;
}

// Points from .. of the reducing polyline's runs, long ones in two halves.
void ReduceLinear(const TItemContext& ctx, std::span<const TItemRun> runs, std::size_t from,
                  const TLinearCanvasMap& map) {
  TPathBuffer& path = ctx.Path();
  const TFastPaths& fast = ctx.State->Fast;
  const TRect visible = VisibleCanvasPixels(ctx.C());
  TPathSink sink(path, ctx.C());
  TRunReducer reducer(sink, map, fast, visible);
  TRenderWorker* worker = runs.size() >= 2 && fast.SecondCoreFrom != TFastPaths::kNever &&
                                  PointsToWalk(runs, map, visible) >= fast.SecondCoreFrom
                              ? TRenderWorker::Instance()
                              : nullptr;
  if (worker == nullptr) {
    ReduceRuns(reducer, runs, from);
    return;
  }
  std::size_t points = 0;
  for (const TItemRun& run : runs) points += run.Count;
  const std::size_t split = SplitRun(runs, points);
  SecondHalfTask task{&ctx.State->SecondHalf, runs.subspan(split), map, fast, visible};
  worker->Run(&SecondHalfTask::Run, &task);
  try {
    ReduceRuns(reducer, runs.first(split), from);
  } catch (...) {
    worker->Wait();
    throw;
  }
  worker->Wait();
  task.half->SpliceInto(path, ctx.C());
}

}  // namespace

void DrawLineToRuns(const TItemContext& ctx, std::span<const TItemRun> runs, const TLongTextArray& texts,
                    bool is_annotation) {
  const TItemRun& first = runs.front();
  const TLayerMap& map = ctx.Layer(first.Attrs->Layer).Map;
  const int dx = ctx.OffsetX - ctx.Geometry.MarginLeft;
  const int dy = ctx.OffsetY - ctx.Geometry.MarginTop;
  TPathBuffer& path = ctx.Path();
  const bool linear = !map.X.Logarithmic && !map.Y.Logarithmic;
  std::size_t from = 0;
  // A polyline that continues the reduced path needs nothing of DrawItem, and its blocks
  // stay aligned with the chunk summaries.
  if (!(linear && path.Reducing() && LineToOnlyAppends(ctx, *first.Attrs))) {
    DrawItem(ctx, first.Item(0), texts, is_annotation, static_cast<int>(first.First));
    from = 1;
  }
  if (!linear) {
    for (const TItemRun& run : runs) {
      path.AppendMapped(ctx.C(), run.X1 + from, run.Y1 + from, run.Count - from, GeneralAxis{&map.X},
                        GeneralAxis{&map.Y}, dx, dy);
      from = 0;
    }
    return;
  }
  const TLinearCanvasMap linear_map{TLinearAxis(map.X), TLinearAxis(map.Y), dx, dy};
  if (path.Reducing()) {
    ReduceLinear(ctx, runs, from, linear_map);
    return;
  }
  for (const TItemRun& run : runs) {
    path.AppendMapped(ctx.C(), run.X1 + from, run.Y1 + from, run.Count - from, linear_map.X, linear_map.Y, dx, dy);
    from = 0;
  }
}

}  // namespace kurvex
