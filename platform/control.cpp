#include "platform/control.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/application.h"
#include "platform/host.h"
#include "platform/mouse_input.h"

namespace kurvex {

namespace {

struct CursorName {
  TCursor cursor;
  const char* name;
};

constexpr CursorName kCursorNames[] = {
    {crDefault, "crDefault"},   {crNone, "crNone"},         {crArrow, "crArrow"},
    {crCross, "crCross"},       {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},     {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},   {crHourGlass, "crHourGlass"}, {crNo, "crNo"},
    {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
};

}  // namespace

const char* CursorToIdent(TCursor cursor) {
  for (const auto& c : kCursorNames) {
    if (c.cursor == cursor) return c.name;
  }
  return nullptr;
}

bool IdentToCursor(std::string_view ident, TCursor& cursor) {
  for (const auto& c : kCursorNames) {
    if (ident == c.name) {
      cursor = c.cursor;
      return true;
    }
  }
  return false;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  font_.OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  font_.OnChange = nullptr;
  MouseInput::Instance().Forget(this);
  if (parent_ != nullptr) {
    TWinControl* parent = parent_;
    parent->RemoveControl(this);
    // The dynamic type is TControl here, so windowed controls land here too; repainting
    // the parent's region is right for both.
    if (visible_) parent->InvalidateRect(BoundsRect());
  }
}

Host& TControl::GetHost() const { return Application().GetHost(); }

void TControl::NotifyHost() {
  auto* self = dynamic_cast<TWinControl*>(this);
  if (self != nullptr && self->HandleAllocated()) GetHost().ControlChanged(*self);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (TControl* p = parent; p != nullptr; p = p->parent_) {
    if (p == this) throw EComponentError("A control cannot be its own parent");
  }
  auto* self = dynamic_cast<TWinControl*>(this);
  if (parent_ != nullptr) {
    TWinControl* old = parent_;
    if (self != nullptr) self->DestroyHandle();
    old->RemoveControl(this);
    if (self == nullptr) old->InvalidateRect(BoundsRect());
    if (align_ != TAlign::alNone) old->Realign();
  }
  if (parent != nullptr) {
    parent->InsertControl(this);
    AdoptParentFont();
    if (align_ != TAlign::alNone) parent->Realign();
    if (self != nullptr && parent->HandleAllocated()) self->HandleNeeded();
    Invalidate();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  left = std::clamp(left, -kMaxControlOffset, kMaxControlOffset);
  top = std::clamp(top, -kMaxControlOffset, kMaxControlOffset);
  width = std::clamp(width, 0, kMaxControlExtent);
  height = std::clamp(height, 0, kMaxControlExtent);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  const bool windowless = dynamic_cast<TWinControl*>(this) == nullptr;
  const TRect old = BoundsRect();
  if (windowless && parent_ != nullptr && visible_) parent_->InvalidateRect(old);
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (resized) {
    try {
      SizeChanged();
    } catch (const std::bad_alloc&) {
      // A surface that cannot be had: the control keeps its old bounds (and its surface,
      // which a failed resize leaves as it was), like any refused value.
      left_ = old.Left;
      top_ = old.Top;
      width_ = old.Width();
      height_ = old.Height();
      return;
    }
  }
  if (windowless) Invalidate();
  NotifyHost();
  if (resized) Resize();
  if (parent_ != nullptr && align_ != TAlign::alNone && !parent_->aligning_) parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_ != nullptr) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  if (parent_ != nullptr && align_ != TAlign::alNone) parent_->Realign();
  NotifyHost();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
  NotifyHost();
}

void TControl::SetParentFont(bool parent_font) {
  if (parent_font == parent_font_) return;
  parent_font_ = parent_font;
  AdoptParentFont();
}

void TControl::AdoptParentFont() {
  if (!parent_font_ || parent_ == nullptr) return;
  adopting_font_ = true;
  try {
    font_.Assign(parent_->Font());
  } catch (...) {
    adopting_font_ = false;
    throw;
  }
  adopting_font_ = false;
}

void TControl::FontChanged() {
  if (!adopting_font_) parent_font_ = false;
  Invalidate();
  NotifyHost();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Invalidate();
  NotifyHost();
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  NotifyHost();
}

void TControl::SetShowHint(bool show) {
  if (show == show_hint_) return;
  show_hint_ = show;
  NotifyHost();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  NotifyHost();
}

void TControl::Invalidate() {}

void TControl::Refresh() {}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == TMouseButton::mbLeft) clicked_ = !Shift.Contains(TShiftStateItem::ssDouble);
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool click = Button == TMouseButton::mbLeft && clicked_;
  if (Button == TMouseButton::mbLeft) clicked_ = false;
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
  const TRect r = ClientRect();
  if (click && X >= 0 && Y >= 0 && X < r.Width() && Y < r.Height()) Click();
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::WMMouseMove(int X, int Y, TShiftState Keys) { MouseMove(Keys, X, Y); }

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

bool TControl::MouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (!handled) {
    if (WheelDelta > 0 && OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    if (WheelDelta < 0 && OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  }
  return handled;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

TPoint TControl::OffsetIn(const TControl* ancestor) const {
  TPoint offset;
  for (const TControl* c = this; c != ancestor && c != nullptr; c = c->parent_) {
    if (c->parent_ == nullptr) break;
    offset.X += c->left_;
    offset.Y += c->top_;
  }
  return offset;
}

bool TControl::Showing() const {
  for (const TControl* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

}  // namespace kurvex
