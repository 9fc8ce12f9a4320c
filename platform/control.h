#pragma once
// Controls: TControl (bounds, visibility, font, mouse notifications), TWinControl (has a
// window: a surface bitmap the host shows, and child controls), TCustomControl (a window
// the control paints itself through Canvas()) and TGraphicControl (windowless: paints into
// its parent's surface at its own position).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/color.h"
#include "common/geometry.h"
#include "common/types.h"
#include "platform/component.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"

namespace kurvex {

class TWinControl;
class Host;

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
KX_ENUM_NAMES(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient");

// Cursor numbers: negative ones are the platform's built-in cursors, positive ones index
// the application's cursor table (Screen).
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crHourGlass = -11;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  TRect BoundsRect() const { return Rect(left_, top_, left_ + width_, top_ + height_); }
  TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  // Stores the bounds; a size change resizes the window surface, realigns children and
  // fires OnResize. Overrides call the inherited SetBounds to apply the bounds.
  virtual void SetBounds(int left, int top, int width, int height);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // The control's font; a change repaints the control.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }

  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show) { show_hint_ = show; }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // Painting. Paint draws the control; Invalidate asks the host to repaint it later;
  // Refresh (= Repaint) repaints it now.
  virtual void Paint() {}
  virtual void Invalidate();
  virtual void Refresh();
  void Repaint() { Refresh(); }

  // Mouse notifications, called by the host with control-relative pixels. The defaults
  // raise the matching On... events; MouseUp of the left button inside the control calls
  // Click. WMMouseMove is the raw move message: its default runs MouseMove.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DblClick();
  virtual void WMMouseMove(int X, int Y, TShiftState Keys);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool MouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void Click();

  // The keys a control wants for itself (arrows 1, Tab 2, as flags).
  virtual int DialogCode() const { return 0; }

  // The host that shows this control (the application's host).
  Host& GetHost() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TMouseWheelUpDownEvent OnMouseWheelDown;

 protected:
  virtual void Resize();        // fires OnResize
  virtual void FontChanged();   // the default invalidates

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TFont font_;
  TColor color_ = clBtnFace;
  std::string hint_;
  bool show_hint_ = false;
  TCursor cursor_ = crDefault;
};

// A control with a window: a surface bitmap of its size that the host shows, and children.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }

  // The window surface ("the window"): what is drawn here is shown after Present.
  Bitmap& Surface() { return surface_; }
  const Bitmap& Surface() const { return surface_; }

  // Shows the given region of the surface (all of it by default) on the screen.
  void Present();
  void Present(const TRect& region);

  // True once the host has created the window; HandleNeeded asks the host for it.
  bool HandleAllocated() const { return handle_allocated_; }
  void HandleNeeded();

  // Paints the whole window: the background (PaintBackground), Paint, then every visible
  // windowless child at its position. The host calls it for invalidated windows.
  void PaintWindow();

  void SetBounds(int left, int top, int width, int height) override;

  // Called by the host when the window is created / destroyed. Overrides call inherited.
  virtual void CreateWnd();
  virtual void DestroyWnd();

  // Lays out children with an Align other than alNone.
  void Realign();

 protected:
  virtual void PaintBackground();  // fills the surface with Color()
  TCanvas& WindowCanvas() { return window_canvas_; }

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  std::vector<TControl*> controls_;
  Bitmap surface_;
  TCanvas window_canvas_{&surface_};
  bool handle_allocated_ = false;
};

// A window that the control paints itself (charts, scales).
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  const char* ClassName() const override { return "TCustomControl"; }

  // The canvas of the window surface.
  TCanvas& Canvas() { return WindowCanvas(); }

 protected:
  void PaintBackground() override {}  // the control paints everything itself
};

// A windowless control: paints into its parent's surface at its own position, clipped to
// its bounds. Its Canvas is valid only while it has a parent.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  const char* ClassName() const override { return "TGraphicControl"; }

  // A canvas on the parent's surface with the origin at this control's top-left corner.
  TCanvas& Canvas();

  // Repaints now and shows the result (the parent's region under this control).
  void Refresh() override;
  void Invalidate() override;

 private:
  TCanvas canvas_;
};

}  // namespace kurvex
