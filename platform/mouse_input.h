#pragma once
// Routes the mouse input that a host receives for one of its windows to the control under
// the pointer (windowless children before their parent, topmost first), with mouse
// capture while a button is held, hover tracking for MouseEnter/MouseLeave and the shift
// state of the held buttons. Both the headless host and the Qt host feed it, so mouse
// behaviour is the same everywhere.
//
// Hover tracking names the innermost control under the pointer: moving from a panel onto
// one of its children leaves the panel and enters the child. While a button is held the
// hovered control does not change; the release updates it.

#include "common/geometry.h"
#include "common/types.h"

namespace kurvex {

class TControl;
class TWinControl;

class MouseInput {
 public:
  static MouseInput& Instance();

  // Positions are client pixels of `window`. A double click arrives as its own press
  // (double_click true): the control gets DblClick, then MouseDown with ssDouble.
  void Press(TWinControl& window, TPoint p, TMouseButton button, TShiftState modifiers, bool double_click = false);
  // raw_message true delivers the raw move message (WMMouseMove, which runs MouseMove);
  // false calls MouseMove alone.
  void Move(TWinControl& window, TPoint p, TShiftState modifiers, bool raw_message = true);
  void Release(TWinControl& window, TPoint p, TMouseButton button, TShiftState modifiers);
  // The window system's word on which buttons are down now (ssLeft, ssRight, ssMiddle): a
  // button held here that it no longer reports lost its release (to a modal box opened in
  // the middle of a drag, say), and is released at p now, so that no gesture goes on
  // without its button.
  void ReleaseLostButtons(TWinControl& window, TPoint p, TShiftState down, TShiftState modifiers);
  // Offers the wheel to the control under the pointer, then to its parents, until one
  // handles it. Returns whether one did.
  bool Wheel(TWinControl& window, TPoint p, int delta, TShiftState modifiers);
  // The pointer entered the window at p / left it.
  void Enter(TWinControl& window, TPoint p);
  void Leave(TWinControl& window);

  TControl* Capture() const { return capture_; }
  TControl* Hover() const { return hover_; }
  TShiftState HeldButtons() const { return held_; }

  // A control is being destroyed: drop every reference to it.
  void Forget(const TControl* control);
  // Drops capture, hover and held buttons (a host starting afresh).
  void Reset();

 private:
  void SetCapture(TControl* control);
  void SetHover(TControl* control);

  TControl* capture_ = nullptr;
  TControl* hover_ = nullptr;
  TShiftState held_;
};

}  // namespace kurvex
