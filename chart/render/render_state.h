#pragma once
// The renderer's per-chart state: the canvas-state cache, the path buffer, the mark
// occupancy matrix and the decoded background image. It lives between renders; every
// render resets the first three before the item lists.

#include <cstdint>
#include <vector>

#include "chart/render/background_image.h"
#include "chart/model/item_store.h"
#include "chart/render/column_sink.h"
#include "chart/render/column_walk.h"
#include "chart/render/path_buffer.h"
#include "common/color.h"
#include "common/types.h"

namespace kurvex {

// The canvas attributes as the item drawing last set them. An attribute is changed on the
// canvas only when the wanted value differs from the cached one.
struct TCanvasCache {
  TColor CachedPenColor = 0;
  TPenStyle CachedPenStyle = TPenStyle::psSolid;
  TColor CachedBrushColor = 0;
  TColor CachedFontColor = 0;
  int CachedPenWidth = 1;
};

// Where marks of each type were drawn in this render, so that a mark of the same type too
// close to an earlier one can be skipped. Cells cover the control plus the minimum distance
// on every side; each holds the type of the last mark drawn near it, or -1.
class TMarkOccupancy {
 public:
  // Sizes the matrix for a control of width x height and distance dist, all cells empty.
  void Prepare(int width, int height, int dist);
  int Distance() const { return dist_; }

  // True when a mark of this type at canvas pixel (x, y) is to be drawn; it then claims
  // every cell within the distance. A mark whose own cell lies outside the matrix is drawn
  // and claims the part of its square that lies inside.
  bool Claim(int x, int y, int type);

 private:
  int dist_ = 1;
  int columns_ = 0;
  int rows_ = 0;
  // Column-major: cell (i, j) at i * rows_ + j. Cells hold the whole 32-bit mark type;
  // an empty cell holds kNoMark, a value no mark type can have.
  static constexpr std::int64_t kNoMark = INT64_MIN;
  std::vector<std::int64_t> cells_;
};

// The fast paths of the repaint beyond the column reduction of the path buffer. They paint
// exactly what the plain paths paint; tests and benchmarks switch them off to compare.
struct TFastPaths {
  bool Summaries = true;                  // whole blocks in a column, blocks off the canvas
  TWalkKernel Kernel = BestWalkKernel();  // per-point mapping
  // Polylines with at least this many points to map one by one (an estimate from the chunk
  // summaries: points of chunks that are on the canvas and too sparse to be taken in whole
  // blocks) are reduced in two halves, the second on the render worker. A thread hand-off
  // costs about as much as mapping some ten thousand points, more on a busy machine.
  static constexpr std::size_t kNever = static_cast<std::size_t>(-1);
  std::size_t SecondCoreFrom = std::size_t{1} << 20;
};

struct TRenderState {
  TCanvasCache Cache;
  TPathBuffer Path;
  TMarkOccupancy Occupancy;
  TBackgroundImageCache BackgroundImage;
  TFastPaths Fast;
  // Kept between renders for their memory: the runs of one polyline, and the half of it
  // that the render worker reduces.
  std::vector<TItemRun> LineRuns;
  TColumnHalf SecondHalf;
};

}  // namespace kurvex
