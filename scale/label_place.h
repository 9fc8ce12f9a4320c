#pragma once
// Where a horizontal scale puts a label of width w centred on pixel p: centred, but never
// left of x = 2 nor past Width - 2 (the label's half width taken as w div 2).

namespace kurvex {

constexpr int HorizontalLabelLeft(int p, int w, int controlWidth) {
  const int half = w / 2;
  if (p + half < controlWidth - 2) return p - (half < p - 2 ? half : p - 2);
  return controlWidth - 2 * half - 2;
}

}  // namespace kurvex
