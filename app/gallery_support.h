#pragma once
// Small helpers shared by the files of kurvex-gallery's window.

#include "chart/model/kurvex.h"

namespace kurvex::gallery {

inline void SetArial(TFont& font, int height, TColor color, bool bold = false) {
  font.SetName("Arial");
  font.SetHeight(height);
  font.SetColor(color);
  font.SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

// n segments of y = f(x) for x from x0 to x1, two pixels wide, on the current layer.
template <typename F>
void AddCurve(TKurvex& chart, TColor color, double x0, double x1, int n, F f) {
  chart.SetDataColor(color);
  chart.SetLineWidth(2);
  chart.MoveToPoint(x0, f(x0));
  for (int i = 1; i <= n; ++i) {
    const double x = x0 + (x1 - x0) * i / n;
    chart.LineToPoint(x, f(x));
  }
}

}  // namespace kurvex::gallery
