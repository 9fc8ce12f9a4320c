#include <algorithm>

#include "chart/render/render_state.h"

namespace kurvex {

void TMarkOccupancy::Prepare(int width, int height, int dist) {
  dist_ = std::clamp(dist, 1, 3);
  columns_ = std::max(width, 0) + 2 * dist_;
  rows_ = std::max(height, 0) + 2 * dist_;
  cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), kNoMark);
}

bool TMarkOccupancy::Claim(int x, int y, int type) {
  const long long ci = static_cast<long long>(x) + dist_;
  const long long cj = static_cast<long long>(y) + dist_;
  const bool inside = ci >= 0 && ci < columns_ && cj >= 0 && cj < rows_;
  if (inside && cells_[static_cast<std::size_t>(ci * rows_ + cj)] == type) return false;
  const long long i0 = std::max(ci - dist_, 0LL), i1 = std::min(ci + dist_, columns_ - 1LL);
  const long long j0 = std::max(cj - dist_, 0LL), j1 = std::min(cj + dist_, rows_ - 1LL);
  for (long long i = i0; i <= i1; ++i) {
    std::int64_t* column = cells_.data() + i * rows_;
    for (long long j = j0; j <= j1; ++j) column[j] = type;
  }
  return true;
}

}  // namespace kurvex
