#include "chart/interact/chart_area.h"

namespace kurvex {

bool InXScaleBand(const TPlotGeometry& g, const TScalePropsHoriz& scale, TPoint p, bool hit) {
  const int depth = hit ? 40 : 50;
  const int pos = scale.ScalePos();
  if (hit && !(g.MarginLeft < p.X && p.X < g.Width - g.MarginRight)) return false;
  if (scale.ScaleLocation() == TScaleLocationHoriz::slTop) {
    const int edge = g.MarginTop - pos;
    return edge - depth < p.Y && p.Y < edge;
  }
  const int edge = g.Height - g.MarginBottom + pos;
  return edge < p.Y && p.Y < edge + depth;
}

bool InYScaleBand(const TPlotGeometry& g, const TScalePropsVert& scale, TPoint p, bool hit) {
  const int pos = scale.ScalePos();
  if (hit && !(g.MarginTop < p.Y && p.Y < g.Height - g.MarginBottom)) return false;
  if (scale.ScaleLocation() == TScaleLocationVert::slLeft) {
    const int edge = g.MarginLeft - pos;
    return edge - 50 < p.X && p.X < edge;
  }
  const int edge = g.Width - g.MarginRight + pos;
  return edge < p.X && p.X < edge + 50;
}

}  // namespace kurvex
