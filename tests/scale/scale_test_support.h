#pragma once
// Building a scale for a test and reading back what its tick walk produced.

#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "scale/scale.h"
#include "scale/tick_engine.h"

namespace kurvex::scale_test {

// A 400 x 400 scale (margins 20) of the given type and range.
inline void Configure(TScale& s, double low, double high, int min_ticks = 3,
                      TScaleType type = TScaleType::sctXB) {
  s.SetScaleType(type);
  s.SetRange(high, low);
  s.SetMinTicks(min_ticks);
}

inline TTickList Walk(const TScale& s) {
  TTickList list;
  BuildTicks(s, list);
  return list;
}

// The label texts of the labelled ticks, in order.
inline std::vector<std::string> Labels(const TTickList& list) {
  std::vector<std::string> out;
  for (const TTick& t : list.Ticks) {
    if (t.Labelled) out.push_back(t.Label);
  }
  return out;
}

// The values of the ticks with the given mark, in order.
inline std::vector<double> Values(const TTickList& list, TTickMark mark) {
  std::vector<double> out;
  for (const TTick& t : list.Ticks) {
    if (t.Mark == mark) out.push_back(t.Value);
  }
  return out;
}

inline std::vector<double> Recorded(const TTickList& list) {
  std::vector<double> out;
  for (const TTick& t : list.Ticks) {
    if (t.Recorded) out.push_back(t.Value);
  }
  return out;
}

// Number of pixels of a region that differ from `color`.
inline int CountOther(const Bitmap& b, const TRect& region, TColor color) {
  int n = 0;
  for (int y = region.Top; y < region.Bottom; ++y) {
    for (int x = region.Left; x < region.Right; ++x) n += b.Pixel(x, y) != color;
  }
  return n;
}

}  // namespace kurvex::scale_test
