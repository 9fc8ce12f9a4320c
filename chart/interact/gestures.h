#pragma once
// The steps of the chart's mouse handling, one concern per file: drag starts and the pan
// and zoom drags (pan_zoom.cpp), the zoom window and its XOR figures (zoom_window.cpp),
// crosshair and label dragging (item_drag.cpp), the mouse trace and the two-corner
// selection (trace_and_corners.cpp). TCustomKurvex's mouse notifications call them in
// order (mouse_events.cpp). A point passed by reference may be clamped by the step, and
// the later steps of the same move use the clamped point.

#include <cstdint>
#include <limits>

#include "chart/interact/chart_area.h"
#include "chart/model/kurvex.h"

namespace kurvex::interact {

inline TChartArea AreaOf(const TCustomKurvex& chart) { return TChartArea::Of(chart.Geometry()); }

// a - b without wrapping around (pixels of far-away world positions reach +-2^31).
inline int SubSaturated(int a, int b) {
  const std::int64_t d = static_cast<std::int64_t>(a) - b;
  if (d > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (d < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(d);
}

// Holds the chart's paint while `work` runs and gives the hold back afterwards (painting
// once when it was free), also when `work` raises, so that an error in an event handler
// cannot leave the chart unable to paint.
template <class Work>
void WithPaintHeld(TCustomKurvex& chart, Work&& work) {
  const bool earlier = chart.PaintHeld();
  chart.HoldPaint(true);
  try {
    work();
  } catch (...) {
    try {
      chart.HoldPaint(earlier);
    } catch (...) {
      // The first error is the one to report.
    }
    throw;
  }
  chart.HoldPaint(earlier);
}

// ---- Drag starts, pan and zoom drags, axis drags (pan_zoom.cpp) ----
bool IsPanMode(TMouseActMode mode);
// Every layer's start pixel and ranges as they are now; the drag is active from here on.
void TakeDragStart(TCustomKurvex& chart, TPoint p);
// The visible axis whose hit band holds p: y axes of layers 1..16 first, then x axes.
TScaleProps* ScaleAtHitBand(TCustomKurvex& chart, TPoint p);
// A left press starts the drags that follow the pointer from where it went down.
void StartDragAtPress(TCustomKurvex& chart, TPoint p);
void ScaleDragMove(TCustomKurvex& chart, TPoint p);
void PanMove(TCustomKurvex& chart, TPoint p);
void ZoomDragMove(TCustomKurvex& chart, TPoint p);

// ---- Zoom window, rubber band, selection rectangle (zoom_window.cpp) ----
bool IsWindowMode(TMouseActMode mode);
void ZoomWindowPress(TCustomKurvex& chart, TMouseButton button, TPoint p);
void ZoomWindowMove(TCustomKurvex& chart, TPoint& p);
void ZoomWindowRelease(TCustomKurvex& chart, TMouseButton button);
// Draws a figure with the XOR pen on the window (the same call again erases it) and shows
// it; a clip, when given, limits it to that rectangle.
void DrawXorFigure(TCustomKurvex& chart, TWindowFigure figure, TPoint a, TPoint b, const TRect* clip = nullptr);

// ---- Crosshair and label dragging (item_drag.cpp) ----
// The crosshair nearest to p along the axes its lines mark (1..4; 1 when all are off).
int NearestCrossHair(const TCustomKurvex& chart, TPoint p);
// The visible, switched-on label whose anchor is nearest to p (1 when there is none).
int NearestTextLabel(const TCustomKurvex& chart, TPoint p);
void CrossHairDragMove(TCustomKurvex& chart, TPoint p);
void LabelDragMove(TCustomKurvex& chart, TPoint p);

// ---- Mouse trace and two-corner selection (trace_and_corners.cpp) ----
void TraceMove(TCustomKurvex& chart, TPoint& p);
void TraceRelease(TCustomKurvex& chart);
void CornerSelectPress(TCustomKurvex& chart, TMouseButton button, TPoint p);
void CornerSelectMove(TCustomKurvex& chart, TPoint& p);
void CornerSelectRelease(TCustomKurvex& chart, TMouseButton button, TPoint p);
// Takes the selection rectangle off the window when it is shown.
void EraseSelectRect(TCustomKurvex& chart);

}  // namespace kurvex::interact
