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
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// Name of a built-in cursor number ("crCross") or nullptr; and the reverse lookup.
const char* CursorToIdent(TCursor cursor);
bool IdentToCursor(std::string_view ident, TCursor& cursor);

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// Flags of DialogCode: the keys a control wants instead of the dialog's focus navigation.
inline constexpr int dlgcWantArrows = 1;
inline constexpr int dlgcWantTab = 2;

// The largest width or height of a control, above any screen's (7680 x 4320): a chart of
// 8192 x 8192 pixels holds three images of that size, 768 MB in all.
inline constexpr int kMaxControlExtent = 8192;
// The farthest a control may be placed from its parent's origin; positions, sizes and
// their sums then stay far inside the int range, even added over nested parents.
inline constexpr int kMaxControlOffset = 1 << 24;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return parent_; }
  // Moves the control into another parent's list of children (nullptr: none). A windowed
  // control gets its window when the new parent has one.
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
  // The area children and mouse positions are measured in; (0, 0, Width, Height) except
  // for controls with a frame of their own (forms).
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // Stores the bounds: positions clamped into -kMaxControlOffset..kMaxControlOffset, sizes
  // into 0..kMaxControlExtent. A size change resizes the window surface, realigns children
  // and fires OnResize; a surface that cannot be allocated leaves the old bounds. Overrides
  // call the inherited SetBounds to apply the bounds.
  virtual void SetBounds(int left, int top, int width, int height);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // The control's font; a change repaints the control. While ParentFont is True the
  // control follows its parent's font; changing the font itself clears ParentFont.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);

  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);

  // The hint is the control's tool tip while ShowHint is True.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // Painting. Paint draws the control; Invalidate asks the host to repaint it later;
  // Refresh (= Repaint) repaints it now and shows the result.
  virtual void Paint() {}
  virtual void Invalidate();
  virtual void Refresh();
  void Repaint() { Refresh(); }

  // Mouse notifications, called by the host with control-relative pixels. The defaults
  // raise the matching On... events; MouseUp of the left button inside the control, after
  // a single (not double) left press on it, calls Click. WMMouseMove is the raw move
  // message: its default runs MouseMove.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DblClick();
  virtual void WMMouseMove(int X, int Y, TShiftState Keys);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool MouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void Click();
  // Forgets a left press on this control: the next left release is no click (used when the
  // real release went elsewhere).
  void CancelClick() { clicked_ = false; }

  // The keys a control wants for itself (dlgcWantArrows, dlgcWantTab, as flags).
  virtual int DialogCode() const { return 0; }

  // The host that shows this control (the application's host).
  Host& GetHost() const;

  // Where this control's client origin lies in the client area of `ancestor` (a parent,
  // grandparent, ...); (0, 0) for the ancestor itself.
  TPoint OffsetIn(const TControl* ancestor) const;
  // True when this control and all its parents are visible.
  bool Showing() const;

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
  virtual void FontChanged();   // the default invalidates and tells the host
  // The size changed (bounds are stored already); windows resize their surface here.
  virtual void SizeChanged() {}
  // Tells the host that shown state (bounds, caption, colours, ...) changed.
  void NotifyHost();
  // Takes the parent's font while ParentFont is True (does not clear ParentFont).
  void AdoptParentFont();

 private:
  friend class TWinControl;

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TFont font_;
  bool parent_font_ = true;
  bool adopting_font_ = false;
  TColor color_ = clBtnFace;
  std::string hint_;
  bool show_hint_ = false;
  TCursor cursor_ = crDefault;
  bool clicked_ = false;  // a single left press started on this control
};

// A control with a window: a surface bitmap of its client size that the host shows, and
// children.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
  // The topmost visible, enabled child under the client point p (children added later lie
  // on top), searching windowed children recursively; this control when none is hit and
  // p lies in the client area; nullptr outside.
  TControl* ControlAtPos(TPoint p);

  // Position in the parent's keyboard navigation (-1: not set).
  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order);

  // The window surface ("the window"): what is drawn here is shown after Present.
  Bitmap& Surface() { return surface_; }
  const Bitmap& Surface() const { return surface_; }

  // Shows the given region of the surface (all of it by default) on the screen.
  void Present();
  void Present(const TRect& region);

  // True once the host has created the window; HandleNeeded asks the host for it (and for
  // the windows of the parents and windowed children). DestroyHandle gives it back.
  bool HandleAllocated() const { return handle_allocated_; }
  void HandleNeeded();
  void DestroyHandle();

  // Paints the whole window: the background (PaintBackground), Paint, then every visible
  // windowless child at its position. The host calls it for invalidated windows.
  void PaintWindow();
  // As PaintWindow, limited to a region of the client area (clipped there).
  void PaintRegion(const TRect& region);
  // Asks the host to repaint a region of the window later.
  void InvalidateRect(const TRect& region);

  // Called by the host when the window is created / destroyed. Overrides call inherited.
  virtual void CreateWnd();
  virtual void DestroyWnd();

  // Lays out children with an Align other than alNone: alTop first, then alBottom,
  // alLeft, alRight, and alClient in the space left.
  void Realign();

  void Invalidate() override;
  void Refresh() override;
  void Loaded() override;

 protected:
  virtual void PaintBackground(const TRect& region);  // fills the region with Color()
  TCanvas& WindowCanvas() { return window_canvas_; }
  void SizeChanged() override;
  void FontChanged() override;

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void PaintChildren(const TRect& region);

  std::vector<TControl*> controls_;
  Bitmap surface_;
  TCanvas window_canvas_{&surface_};
  bool handle_allocated_ = false;
  bool aligning_ = false;
  int tab_order_ = -1;
};

// A window that the control paints itself (charts, scales).
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  const char* ClassName() const override { return "TCustomControl"; }

  // The canvas of the window surface.
  TCanvas& Canvas() { return WindowCanvas(); }

 protected:
  void PaintBackground(const TRect&) override {}  // the control paints everything itself
};

// A windowless control: paints into its parent's surface at its own position, clipped to
// its bounds. Without a parent its canvas draws nowhere.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  const char* ClassName() const override { return "TGraphicControl"; }

  // A canvas on the parent's surface with the origin at this control's top-left corner,
  // clipped to the control's bounds (and, while the parent repaints a region, to it).
  TCanvas& Canvas();

  // Repaints the parent's region under this control now (background, then the windowless
  // children there, this one included) and shows it.
  void Refresh() override;
  // Asks the parent to repaint the region under this control later.
  void Invalidate() override;

 private:
  friend class TWinControl;
  void PaintClipped(const TRect& parent_region);

  Bitmap no_surface_;  // an empty target while there is no parent
  TCanvas canvas_;
  bool painting_ = false;  // Paint runs with the clip of the region being repainted
};

}  // namespace kurvex
