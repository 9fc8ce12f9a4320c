#include <algorithm>

#include "platform/control.h"
#include "platform/host.h"
#include "platform/rect_ops.h"

namespace kurvex {

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  SetDestroying();
  // The children stay alive (their owner frees them); they only lose this parent, and
  // windowed ones their windows.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    controls_.pop_back();
    if (auto* w = dynamic_cast<TWinControl*>(child)) w->DestroyHandle();
    child->parent_ = nullptr;
  }
  DestroyHandle();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
}

TControl* TWinControl::ControlAtPos(TPoint p) {
  if (!PointInRect(Rect(0, 0, ClientWidth(), ClientHeight()), p)) return nullptr;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || !c->Enabled() || !PointInRect(c->BoundsRect(), p)) continue;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      if (TControl* hit = w->ControlAtPos(Point(p.X - c->Left(), p.Y - c->Top()))) return hit;
      continue;
    }
    return c;
  }
  return this;
}

void TWinControl::SetTabOrder(int order) {
  if (order < -1) order = -1;
  if (order == tab_order_) return;
  tab_order_ = order;
  NotifyHost();
}

void TWinControl::Present() { Present(Rect(0, 0, surface_.Width(), surface_.Height())); }

void TWinControl::Present(const TRect& region) {
  if (!handle_allocated_) return;
  const TRect r = IntersectRects(region, Rect(0, 0, surface_.Width(), surface_.Height()));
  if (!IsEmptyRect(r)) GetHost().Present(*this, r);
}

void TWinControl::HandleNeeded() {
  if (handle_allocated_) return;
  if (Parent() != nullptr && !Parent()->HandleAllocated()) {
    Parent()->HandleNeeded();  // creates the windows of its children, this one included
    if (handle_allocated_) return;
  }
  handle_allocated_ = true;
  GetHost().CreateWindow(*this);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (auto* w = dynamic_cast<TWinControl*>(controls_[i])) w->HandleNeeded();
  }
}

void TWinControl::DestroyHandle() {
  if (!handle_allocated_) return;
  for (TControl* child : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(child)) w->DestroyHandle();
  }
  DestroyWnd();
  GetHost().DestroyWindow(*this);
  handle_allocated_ = false;
}

void TWinControl::CreateWnd() {}

void TWinControl::DestroyWnd() {}

void TWinControl::PaintWindow() { PaintRegion(Rect(0, 0, surface_.Width(), surface_.Height())); }

void TWinControl::PaintRegion(const TRect& region) {
  const TRect r = IntersectRects(region, Rect(0, 0, surface_.Width(), surface_.Height()));
  if (IsEmptyRect(r)) return;
  window_canvas_.SetClipRect(r);
  window_canvas_.Font().Assign(Font());
  window_canvas_.Brush().SetColor(Color());
  try {
    PaintBackground(r);
    Paint();
  } catch (...) {
    window_canvas_.ResetClip();
    throw;
  }
  window_canvas_.ResetClip();
  PaintChildren(r);
}

void TWinControl::PaintChildren(const TRect& region) {
  for (TControl* child : controls_) {
    auto* g = dynamic_cast<TGraphicControl*>(child);
    if (g == nullptr || !g->Visible()) continue;
    const TRect r = IntersectRects(region, g->BoundsRect());
    if (!IsEmptyRect(r)) g->PaintClipped(r);
  }
}

void TWinControl::PaintBackground(const TRect& region) {
  const std::uint32_t pixel = ColorToPixel(Color());
  for (int y = region.Top; y < region.Bottom; ++y) {
    std::uint32_t* row = surface_.ScanLine(y);
    std::fill(row + region.Left, row + region.Right, pixel);
  }
}

void TWinControl::InvalidateRect(const TRect& region) {
  if (!handle_allocated_) return;
  const TRect r = IntersectRects(region, Rect(0, 0, surface_.Width(), surface_.Height()));
  if (!IsEmptyRect(r)) GetHost().Invalidate(*this, r);
}

void TWinControl::Invalidate() { InvalidateRect(Rect(0, 0, surface_.Width(), surface_.Height())); }

void TWinControl::Refresh() {
  if (IsLoading()) return;
  PaintWindow();
  Present();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::SizeChanged() {
  surface_.SetSize(ClientWidth(), ClientHeight());
  Realign();
  Invalidate();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* child : controls_) child->AdoptParentFont();
}

// While loading, children are placed once at Loaded, when their stored Visible and sizes
// are all known: aligning earlier would move a hidden child by a size it no longer has.
void TWinControl::Realign() {
  if (aligning_ || IsLoading()) return;
  aligning_ = true;
  try {
    TRect space = Rect(0, 0, ClientWidth(), ClientHeight());
    auto aligned = [&](TAlign align) {
      std::vector<TControl*> list;
      for (TControl* c : controls_) {
        if (c->Align() == align && c->Visible()) list.push_back(c);
      }
      // Controls of one kind stack in the order of their positions, not of creation.
      std::stable_sort(list.begin(), list.end(), [align](const TControl* a, const TControl* b) {
        switch (align) {
          case TAlign::alTop: return a->Top() < b->Top();
          case TAlign::alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
          case TAlign::alLeft: return a->Left() < b->Left();
          case TAlign::alRight: return a->Left() + a->Width() > b->Left() + b->Width();
          default: return false;
        }
      });
      return list;
    };
    for (TControl* c : aligned(TAlign::alTop)) {
      c->SetBounds(space.Left, space.Top, space.Width(), c->Height());
      space.Top = std::min(space.Top + c->Height(), space.Bottom);
    }
    for (TControl* c : aligned(TAlign::alBottom)) {
      c->SetBounds(space.Left, space.Bottom - c->Height(), space.Width(), c->Height());
      space.Bottom = std::max(space.Bottom - c->Height(), space.Top);
    }
    for (TControl* c : aligned(TAlign::alLeft)) {
      c->SetBounds(space.Left, space.Top, c->Width(), space.Height());
      space.Left = std::min(space.Left + c->Width(), space.Right);
    }
    for (TControl* c : aligned(TAlign::alRight)) {
      c->SetBounds(space.Right - c->Width(), space.Top, c->Width(), space.Height());
      space.Right = std::max(space.Right - c->Width(), space.Left);
    }
    for (TControl* c : aligned(TAlign::alClient)) {
      c->SetBounds(space.Left, space.Top, space.Width(), space.Height());
    }
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(&no_surface_) {}

TCanvas& TGraphicControl::Canvas() {
  TWinControl* parent = Parent();
  if (parent == nullptr) {
    if (canvas_.Target() != &no_surface_) canvas_.SetTarget(&no_surface_);
    return canvas_;
  }
  if (canvas_.Target() != &parent->Surface()) canvas_.SetTarget(&parent->Surface());
  canvas_.SetOrigin(Left(), Top());
  if (!painting_) {
    const Bitmap& s = parent->Surface();
    canvas_.SetClipRect(IntersectRects(BoundsRect(), Rect(0, 0, s.Width(), s.Height())));
  }
  return canvas_;
}

void TGraphicControl::PaintClipped(const TRect& parent_region) {
  TCanvas& canvas = Canvas();
  canvas.SetClipRect(parent_region);
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  painting_ = true;
  try {
    Paint();
  } catch (...) {
    painting_ = false;
    throw;
  }
  painting_ = false;
}

void TGraphicControl::Refresh() {
  TWinControl* parent = Parent();
  if (parent == nullptr || !Visible() || IsLoading() || parent->IsLoading()) return;
  parent->PaintRegion(BoundsRect());
  parent->Present(BoundsRect());
}

void TGraphicControl::Invalidate() {
  if (Parent() != nullptr && Visible()) Parent()->InvalidateRect(BoundsRect());
}

}  // namespace kurvex
