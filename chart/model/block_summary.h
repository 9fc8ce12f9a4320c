#pragma once
// Summaries of the stored points: for every block of 256 consecutive items, for every
// group of 16 blocks and for every chunk of 16 groups, the lowest and highest X1 and Y1 and
// the Y1 of the last item and where the lowest and highest Y1 first occur. The renderer
// takes a block
// whose points all fall into one pixel column, or all lie off the plot on one side, as a
// whole instead of point by point: the mapping to pixels is monotonic, so the world
// extremes of a block are its pixel extremes.
//
// A block that holds a NaN or an infinity anywhere in X1 or Y1 has no usable summary (a NaN
// maps to no ordered position and an infinity times a zero slope gives one): the renderer
// walks such blocks point by point.

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace kurvex {

struct TBlockSummary {
  static constexpr std::size_t kBlockShift = 8;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockShift;  // items per block
  static constexpr std::size_t kBlockMask = kBlockSize - 1;
  static constexpr std::size_t kGroupShift = 12;  // 16 blocks
  static constexpr std::size_t kBlocksPerGroup = std::size_t{1} << (kGroupShift - kBlockShift);

  // NaN in XMin marks a block that must be walked point by point.
  double XMin = NAN;
  double XMax = NAN;
  double YMin = NAN;
  double YMax = NAN;
  double YLast = NAN;  // kept here so that taking a block whole reads no stored point
  // Where YMin and YMax first occur, counted from the first item summarized.
  std::uint32_t YMinAt = 0;
  std::uint32_t YMaxAt = 0;

  bool Usable() const { return !std::isnan(XMin); }
};

// The summary of n >= 1 points.
TBlockSummary SummarizePoints(const double* xs, const double* ys, std::size_t n);
// The summary of n >= 1 consecutive blocks of block_size items each: unusable when any of
// them is.
TBlockSummary SummarizeBlocks(const TBlockSummary* blocks, std::size_t n, std::size_t block_size);

}  // namespace kurvex
