#pragma once
// Small helpers for pixel tests: which pixels differ from the background, pictures of a
// region as text (so a failing test shows the shape), and whole-bitmap comparison.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace kurvex::testing_px {

using Pixels = std::vector<std::pair<int, int>>;

// Every pixel (x, y), row by row, whose colour differs from `background`.
inline Pixels PaintedPixels(const Bitmap& b, TColor background) {
  Pixels out;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) != background) out.emplace_back(x, y);
    }
  }
  return out;
}

// The rows of a region, '#' where the pixel has `ink`, '.' elsewhere.
inline std::string Picture(const Bitmap& b, int left, int top, int right, int bottom, TColor ink) {
  std::string out;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) out += b.Pixel(x, y) == ink ? '#' : '.';
    out += '\n';
  }
  return out;
}

// Number of pixels that differ; the first difference is described in *first.
inline int CountDifferences(const Bitmap& a, const Bitmap& b, std::string* first = nullptr) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) {
    if (first != nullptr) *first = "sizes differ";
    return -1;
  }
  int count = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (count++ == 0 && first != nullptr) {
        char text[64];
        std::snprintf(text, sizeof text, "(%d, %d)", x, y);
        *first = text;
      }
    }
  }
  return count;
}

}  // namespace kurvex::testing_px
