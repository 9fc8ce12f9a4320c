#include "chart/render/run_reducer.h"

#include <algorithm>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace kurvex {

namespace {

constexpr std::size_t kBlock = TBlockSummary::kBlockSize;
constexpr std::size_t kPerGroup = TBlockSummary::kBlocksPerGroup;
constexpr std::size_t kGroup = kBlock * kPerGroup;
constexpr std::size_t kChunk = TKxItemContainer::kChunkSize;

}  // namespace

TRect VisibleCanvasPixels(const TCanvas& canvas) {
  const Bitmap* target = canvas.Target();
  const int w = target != nullptr ? target->Width() : 0;
  const int h = target != nullptr ? target->Height() : 0;
  const TPoint o = canvas.Origin();
  return Rect(-o.X, -o.Y, w - 1 - o.X, h - 1 - o.Y);
}

TRunReducer::TRunReducer(TColumnSink& sink, const TLinearCanvasMap& map, const TFastPaths& fast, TRect visible)
    : sink_(sink), map_(map), fast_(fast), visible_(visible) {}

void TRunReducer::Reduce(const TItemRun& run, std::size_t from) {
  std::size_t i = from;
  while (i < run.Count) {
    if (fast_.Summaries && TakeLargestBlock(run, i)) continue;
    // Point by point up to the next block start (or the end of the run).
    const std::size_t into_block = (run.First + i) & (kBlock - 1);
    const std::size_t stop = fast_.Summaries ? std::min(run.Count, i + kBlock - into_block) : run.Count;
    WalkPoints(fast_.Kernel, sink_, map_, run.X1 + i, run.Y1 + i, stop - i);
    i = stop;
  }
}

bool TRunReducer::TakeLargestBlock(const TItemRun& run, std::size_t& i) {
  const std::size_t offset = run.First + i - run.ChunkStart;  // within the chunk
  if ((offset & (kBlock - 1)) != 0) return false;
  const std::size_t block = offset >> TBlockSummary::kBlockShift;
  const std::size_t left = run.Count - i;
  // A chunk, a group of blocks, a block: the largest that starts here, lies in the run, has
  // its summary, and can be taken whole.
  if (offset == 0 && left >= kChunk && run.BlocksDone == TKxItemContainer::kBlocksPerChunk &&
      TakeBlock(*run.Whole, run, i, kChunk)) {
    i += kChunk;
    return true;
  }
  if ((block % kPerGroup) == 0 && left >= kGroup && block + kPerGroup <= run.BlocksDone &&
      TakeBlock(run.Groups[block / kPerGroup], run, i, kGroup)) {
    i += kGroup;
    return true;
  }
  if (left >= kBlock && block < run.BlocksDone && TakeBlock(run.Blocks[block], run, i, kBlock)) {
    i += kBlock;
    return true;
  }
  return false;
}

void TRunReducer::AddPoint(const TItemRun& run, std::size_t i) {
  const int x = map_.CanvasX(run.X1[i]);
  const int y = map_.CanvasY(run.Y1[i]);
  TColumnRun& column = sink_.OpenColumn();
  if (x == column.X) {
    column.Add(y);
  } else {
    sink_.NextColumn(Point(x, y));
  }
}

bool TRunReducer::TakeBlock(const TBlockSummary& s, const TItemRun& run, std::size_t i, std::size_t n) {
  if (!s.Usable()) return false;
  const int xa = map_.CanvasX(s.XMin), xb = map_.CanvasX(s.XMax);
  const int x_lo = std::min(xa, xb), x_hi = std::max(xa, xb);
  // The pixel rows of the world extremes; on the usual y axis the world's highest value is
  // the lowest row.
  const int y_of_min = map_.CanvasY(s.YMin), y_of_max = map_.CanvasY(s.YMax);
  const bool min_is_lo = y_of_min <= y_of_max;
  const TPixelExtreme lo{min_is_lo ? y_of_min : y_of_max, min_is_lo ? s.YMinAt : s.YMaxAt};
  const TPixelExtreme hi{min_is_lo ? y_of_max : y_of_min, min_is_lo ? s.YMaxAt : s.YMinAt};
  if (x_hi < visible_.Left || x_lo > visible_.Right || hi.Y < visible_.Top || lo.Y > visible_.Bottom) {
    AddPoint(run, i);
    AddPoint(run, i + n - 1);
    return true;
  }
  if (x_lo != x_hi) return false;
  // The column the block adds to: the open one, or a new one opened at its first point.
  const bool opens = x_lo != sink_.OpenColumn().X;
  TColumnRun base = sink_.OpenColumn();
  const TPoint first = Point(x_lo, opens ? map_.CanvasY(run.Y1[i]) : 0);
  if (opens) base.Open(first);
  const int last = map_.CanvasY(s.YLast);
  if (!base.CanAddSpan(lo.Y, hi.Y, last) && !LeavesExtremeBeforeEnd(base, lo, hi, last, run, i, n)) return false;
  if (opens) sink_.NextColumn(first);
  sink_.OpenColumn().AddSpan(lo.Y, hi.Y, last);
  return true;
}

bool TRunReducer::LeavesExtremeBeforeEnd(const TColumnRun& base, TPixelExtreme lo, TPixelExtreme hi, int last,
                                         const TItemRun& run, std::size_t i, std::size_t n) const {
  const bool at_low = last == std::min(base.Low, lo.Y);
  const int extreme = last;
  // The column's own points already left the extreme, or end on it (the block then moves
  // away from it, as not all of its points lie at one value).
  if (at_low ? base.Low == extreme && base.LowLeft : base.High == extreme && base.HighLeft) return true;
  if (base.Last == extreme) return true;
  // Else the block's first point at that value (the block holds it: the last point lies on
  // it and is the column's new extreme) must come before the run of points at it that
  // ends the block.
  const std::size_t at = at_low ? lo.At : hi.At;
  std::size_t tail = n - 1;
  while (tail > at && map_.CanvasY(run.Y1[i + tail - 1]) == extreme) --tail;
  return at < tail;
}

}  // namespace kurvex
