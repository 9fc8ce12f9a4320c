#pragma once
// A run of line-to points on linear axes, drawn through the reducing path buffer with the
// store's block summaries: a block (256 points, or a group of 16 blocks, or a whole chunk
// of 65536 points) that maps into
// one pixel column is folded into the open column from its summary and its last point, a
// block that lies entirely off the canvas on one side is replaced by its first and last
// point, and the rest is mapped in SIMD groups (column_walk.h). The pixels are those of
// drawing every segment:
//  - a chain of segments whose points all lie beyond one edge of the canvas paints nothing,
//    and neither does the single segment from its first to its last point, which takes its
//    place (the segments into and out of it stay as they are);
//  - a block inside one column adds to the column only its extremes and its last point,
//    which is all the column reduction keeps of it, whenever that is exact: when the
//    block's last point is neither of the column's new extremes (TColumnRun::CanAddSpan),
//    or when it is one of them and the chain is known to leave that value before the end
//    (then the last pixel is painted whichever way the chain went); otherwise the block
//    is walked point by point.

#include <cstddef>

#include "chart/model/item_store.h"
#include "chart/render/column_walk.h"
#include "chart/render/render_state.h"
#include "common/geometry.h"

namespace kurvex {

// The canvas pixels that can reach the canvas's bitmap: its pixels less the canvas origin
// (a clip rectangle only narrows them further). Without a bitmap nothing is visible.
TRect VisibleCanvasPixels(const TCanvas& canvas);

class TRunReducer {
 public:
  // Blocks wholly outside visible (canvas pixels, edges included) are skipped.
  TRunReducer(TColumnSink& sink, const TLinearCanvasMap& map, const TFastPaths& fast, TRect visible);

  // Adds points from .. run.Count - 1 of the run.
  void Reduce(const TItemRun& run, std::size_t from);

 private:
  // Takes the largest block that starts at point i and can be taken whole, advancing i
  // past it; false when there is none.
  bool TakeLargestBlock(const TItemRun& run, std::size_t& i);
  // Takes points i .. i + n - 1 of the run as a whole from their summary; false when that
  // is not exact (nothing is added then).
  bool TakeBlock(const TBlockSummary& s, const TItemRun& run, std::size_t i, std::size_t n);
  void AddPoint(const TItemRun& run, std::size_t i);

  // A pixel row of a block's extreme and where in the block it first occurs.
  struct TPixelExtreme {
    int Y;
    std::size_t At;
  };
  // For a block of one column whose last point lies on the column's new lowest (or
  // highest) value: whether the chain is known to leave that value before it ends, which
  // makes adding the block from its summary exact (TColumnRun::AddSpan).
  bool LeavesExtremeBeforeEnd(const TColumnRun& base, TPixelExtreme lo, TPixelExtreme hi, int last,
                              const TItemRun& run, std::size_t i, std::size_t n) const;

  TColumnSink& sink_;
  TLinearCanvasMap map_;
  TFastPaths fast_;
  TRect visible_;  // canvas pixels that can be painted, edges included
};

}  // namespace kurvex
