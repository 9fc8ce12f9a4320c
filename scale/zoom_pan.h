#pragma once
// The zoom-and-pan rule of an axis: from a drag (press point, current point) and the range
// at the press, the new range. Shared by the stand-alone scale and the chart's axis bands,
// and free of mouse events so that it can be tested on its own.

#include "common/geometry.h"
#include "common/types.h"

namespace kurvex {

struct TScaleZoomPanArgs {
  TPoint Current;             // the pointer now
  TPoint Press;               // the pointer at the press
  int Width = 0;              // the control (or axis band) size
  int Height = 0;
  int MarginLeft = 0;
  int MarginRight = 0;
  int MarginTop = 0;
  int MarginBottom = 0;
  double PressLow = 0;        // the range at the press
  double PressHigh = 0;
  TMouseActMode Action = TMouseActMode::maNone;
  TScaleType Type = TScaleType::sctXB;
  bool Logarithmic = false;
  double CurrentLow = 0;      // the range now (pan speed follows it)
  double CurrentHigh = 0;
};

struct TScaleZoomPanResult {
  bool Acts = false;  // false: the action is not one an axis handles; the range stays
  double Low = 0;
  double High = 0;
};

// maPan moves the range with the pointer, maZoom keeps the end away from the pressed half
// fixed and lets the pressed value follow the pointer, maZoomDrag zooms about the middle.
// Every other action answers Acts = false.
TScaleZoomPanResult ScaleZoomPan(const TScaleZoomPanArgs& a);

}  // namespace kurvex
