// The stand-alone scale under the mouse: a drag with the left button pans or zooms the
// range by ScaleZoomPan, a double click switches between panning and zooming.

#include "scale/scale.h"
#include "scale/zoom_pan.h"

namespace kurvex {

bool TScale::InActiveArea(int x, int y) const {
  const int w = Width(), h = Height();
  if (IsHorizontal()) return margin_left_ < x && x < w - margin_right_ && 0 < y && y < h;
  return 0 < x && x < w && margin_top_ < y && y < h - margin_bottom_;
}

void TScale::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  // Outside the active area a drag pauses; it goes on when the pointer comes back.
  if (!Shift.Contains(TShiftStateItem::ssLeft) || !InActiveArea(X, Y)) return;
  if (!Drag.Dragging) {
    Drag.Dragging = true;
    Drag.Press = Point(X, Y);
    Drag.PressLow = range_low_;
    Drag.PressHigh = range_high_;
    return;
  }
  TScaleZoomPanArgs a;
  a.Current = Point(X, Y);
  a.Press = Drag.Press;
  a.Width = Width();
  a.Height = Height();
  a.MarginLeft = margin_left_;
  a.MarginRight = margin_right_;
  a.MarginTop = margin_top_;
  a.MarginBottom = margin_bottom_;
  a.PressLow = Drag.PressLow;
  a.PressHigh = Drag.PressHigh;
  a.Action = mouse_action_;
  a.Type = scale_type_;
  a.Logarithmic = logarithmic_;
  a.CurrentLow = range_low_;
  a.CurrentHigh = range_high_;
  const TScaleZoomPanResult r = ScaleZoomPan(a);
  if (!r.Acts) return;
  // One paint for the new range, when painting was not suspended anyway.
  const bool suspended = paint_suspended_;
  SetPaintSuspended(true);
  SetRange(r.High, r.Low);
  SetPaintSuspended(suspended);
  if (OnZoomPan) OnZoomPan(this);
}

void TScale::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  Drag.Dragging = false;
}

void TScale::DblClick() {
  if (mouse_action_ == TMouseActMode::maPan) {
    mouse_action_ = TMouseActMode::maZoom;
  } else if (mouse_action_ == TMouseActMode::maZoom) {
    mouse_action_ = TMouseActMode::maPan;
  }
  TCustomControl::DblClick();
}

}  // namespace kurvex
