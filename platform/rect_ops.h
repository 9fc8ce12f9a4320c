#pragma once
// Small helpers on pixel rectangles (Left..Right-1, Top..Bottom-1).

#include <algorithm>

#include "common/geometry.h"

namespace kurvex {

constexpr bool IsEmptyRect(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

constexpr TRect IntersectRects(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  return IsEmptyRect(r) ? TRect{} : r;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
constexpr TRect UnionRects(const TRect& a, const TRect& b) {
  if (IsEmptyRect(a)) return b;
  if (IsEmptyRect(b)) return a;
  return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

constexpr TRect OffsetRect(const TRect& r, int dx, int dy) {
  return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

constexpr bool PointInRect(const TRect& r, TPoint p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

}  // namespace kurvex
