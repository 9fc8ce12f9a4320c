#pragma once
// Where the mouse is, seen by the gestures: the chart area (the plot, both edges included)
// and the bands beside it where the axes are drawn and can be dragged.

#include "chart/model/layer_mapping.h"
#include "chart/model/scale_props.h"
#include "common/geometry.h"

namespace kurvex {

struct TChartArea {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;  // both ends included

  static TChartArea Of(const TPlotGeometry& g) {
    return {g.MarginLeft, g.MarginTop, g.Width - g.MarginRight - g.ShadowWidth, g.Height - g.MarginBottom - g.ShadowWidth};
  }
  // PW and PH of the gestures: one less than the plot bitmap's size.
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom; }
  // Forces the point into the area (towards its top-left corner when the area is empty).
  TPoint Clamp(TPoint p) const { return Point(ClampX(p.X), ClampY(p.Y)); }
  int ClampX(int x) const { return x > Right ? Right < Left ? Left : Right : x < Left ? Left : x; }
  int ClampY(int y) const { return y > Bottom ? Bottom < Top ? Top : Bottom : y < Top ? Top : y; }
};

// The band of an axis beside the plot: `hit` the band where a drag or double click starts
// (40 pixels deep for x axes, and only between the margins), otherwise the band a drag
// stays in (50 pixels deep).
bool InXScaleBand(const TPlotGeometry& g, const TScalePropsHoriz& scale, TPoint p, bool hit);
bool InYScaleBand(const TPlotGeometry& g, const TScalePropsVert& scale, TPoint p, bool hit);

}  // namespace kurvex
