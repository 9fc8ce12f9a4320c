#include "platform/mouse_input.h"

#include "platform/application.h"
#include "platform/control.h"
#include "platform/host.h"

namespace kurvex {

namespace {

TShiftStateItem ButtonItem(TMouseButton button) {
  switch (button) {
    case TMouseButton::mbRight: return TShiftStateItem::ssRight;
    case TMouseButton::mbMiddle: return TShiftStateItem::ssMiddle;
    default: return TShiftStateItem::ssLeft;
  }
}

// Only the keyboard modifiers of a caller's shift state count; the buttons are tracked here.
TShiftState Modifiers(TShiftState s) {
  TShiftState m;
  for (auto item : {TShiftStateItem::ssShift, TShiftStateItem::ssAlt, TShiftStateItem::ssCtrl}) {
    if (s.Contains(item)) m.Include(item);
  }
  return m;
}

TPoint Local(const TControl& target, const TWinControl& window, TPoint p) {
  const TPoint o = target.OffsetIn(&window);
  return Point(p.X - o.X, p.Y - o.Y);
}

}  // namespace

MouseInput& MouseInput::Instance() {
  static MouseInput instance;
  return instance;
}

void MouseInput::SetCapture(TControl* control) {
  if (control == capture_) return;
  capture_ = control;
  Application().GetHost().SetMouseCapture(control);
}

void MouseInput::SetHover(TControl* control) {
  if (control == hover_) return;
  TControl* old = hover_;
  hover_ = control;
  if (old != nullptr) old->MouseLeave();
  // The leave handler may have destroyed the new control; Forget clears hover_ then.
  if (control != nullptr && hover_ == control) control->MouseEnter();
}

void MouseInput::Press(TWinControl& window, TPoint p, TMouseButton button, TShiftState modifiers, bool double_click) {
  TControl* target = capture_ != nullptr ? capture_ : window.ControlAtPos(p);
  if (target == nullptr) return;
  if (capture_ == nullptr) {
    SetHover(target);
    if (hover_ != target) return;  // a leave or enter handler destroyed it
  }
  held_.Include(ButtonItem(button));
  SetCapture(target);
  const TPoint l = Local(*target, window, p);
  TShiftState shift = Modifiers(modifiers) + held_;
  if (double_click) {
    shift.Include(TShiftStateItem::ssDouble);
    target->DblClick();
    if (capture_ != target) return;  // destroyed by the handler
  }
  target->MouseDown(button, shift, l.X, l.Y);
}

void MouseInput::Move(TWinControl& window, TPoint p, TShiftState modifiers, bool raw_message) {
  TControl* target = capture_;
  if (target == nullptr) {
    target = window.ControlAtPos(p);
    SetHover(target);
    if (target == nullptr || hover_ != target) return;
  }
  const TPoint l = Local(*target, window, p);
  const TShiftState shift = Modifiers(modifiers) + held_;
  if (raw_message) {
    target->WMMouseMove(l.X, l.Y, shift);
  } else {
    target->MouseMove(shift, l.X, l.Y);
  }
}

void MouseInput::Release(TWinControl& window, TPoint p, TMouseButton button, TShiftState modifiers) {
  TControl* target = capture_ != nullptr ? capture_ : window.ControlAtPos(p);
  held_.Exclude(ButtonItem(button));
  if (held_.Empty()) SetCapture(nullptr);
  if (target != nullptr) {
    const TPoint l = Local(*target, window, p);
    const TShiftState shift = Modifiers(modifiers) + held_;
    target->MouseUp(button, shift, l.X, l.Y);
  }
  if (capture_ == nullptr) SetHover(window.ControlAtPos(p));
}

void MouseInput::ReleaseLostButtons(TWinControl& window, TPoint p, TShiftState down, TShiftState modifiers) {
  for (TMouseButton button : {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle}) {
    const TShiftStateItem item = ButtonItem(button);
    if (!held_.Contains(item) || down.Contains(item)) continue;
    // Released elsewhere: the gesture ends here, but nobody clicked here.
    if (capture_ != nullptr) capture_->CancelClick();
    Release(window, p, button, modifiers);
  }
}

bool MouseInput::Wheel(TWinControl& window, TPoint p, int delta, TShiftState modifiers) {
  TControl* target = capture_ != nullptr ? capture_ : window.ControlAtPos(p);
  const TShiftState shift = Modifiers(modifiers) + held_;
  for (TControl* c = target; c != nullptr; c = c->Parent()) {
    if (c->MouseWheel(shift, delta, Local(*c, window, p))) return true;
    if (c == &window) break;
  }
  return false;
}

void MouseInput::Enter(TWinControl& window, TPoint p) {
  if (capture_ == nullptr) SetHover(window.ControlAtPos(p));
}

void MouseInput::Leave(TWinControl& window) {
  if (capture_ != nullptr || hover_ == nullptr) return;
  for (const TControl* c = hover_; c != nullptr; c = c->Parent()) {
    if (c == &window) {
      SetHover(nullptr);
      return;
    }
  }
}

void MouseInput::Forget(const TControl* control) {
  if (capture_ == control) {
    capture_ = nullptr;
    held_ = TShiftState{};
  }
  if (hover_ == control) hover_ = nullptr;
}

void MouseInput::Reset() {
  capture_ = nullptr;
  hover_ = nullptr;
  held_ = TShiftState{};
}

}  // namespace kurvex
