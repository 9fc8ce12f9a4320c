#include "platform/headless_host.h"

#include <algorithm>
#include <cstring>

#include "platform/application.h"
#include "platform/mouse_input.h"
#include "platform/rect_ops.h"

namespace kurvex {

namespace {

TRect SurfaceRect(const TWinControl& c) { return Rect(0, 0, c.Surface().Width(), c.Surface().Height()); }

const Bitmap& EmptyBitmap() {
  static const Bitmap empty;
  return empty;
}

}  // namespace

void HeadlessHost::CreateWindow(TWinControl& control) {
  Window& w = windows_[&control];
  w = Window{};
  w.order = next_order_++;
  w.pending = SurfaceRect(control);
  control.CreateWnd();
}

void HeadlessHost::DestroyWindow(TWinControl& control) {
  windows_.erase(&control);
  changes_.erase(&control);
}

void HeadlessHost::ControlChanged(TControl& control) { ++changes_[&control]; }

void HeadlessHost::Invalidate(TWinControl& window, const TRect& region) {
  const auto it = windows_.find(&window);
  if (it == windows_.end()) return;
  it->second.pending = UnionRects(it->second.pending, IntersectRects(region, SurfaceRect(window)));
}

void HeadlessHost::CopyToScreen(TWinControl& control, Window& w, const TRect& region) {
  if (!keep_screen_) return;
  const Bitmap& surface = control.Surface();
  if (w.screen.Width() != surface.Width() || w.screen.Height() != surface.Height()) {
    w.screen.SetSize(surface.Width(), surface.Height());
  }
  const TRect r = IntersectRects(region, SurfaceRect(control));
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::memcpy(w.screen.ScanLine(y) + r.Left, surface.ScanLine(y) + r.Left,
                static_cast<std::size_t>(r.Width()) * sizeof(std::uint32_t));
  }
}

void HeadlessHost::Present(TWinControl& window, const TRect& region) {
  const auto it = windows_.find(&window);
  if (it == windows_.end()) return;
  ++it->second.presents;
  CopyToScreen(window, it->second, region);
}

void HeadlessHost::ShowMessageBox(const std::string& caption, const std::string& text) {
  message_boxes_.push_back({caption, text});
}

void HeadlessHost::ProcessMessages() {
  // A repaint may invalidate again (a control that changes itself while painting); the
  // bound keeps such a control from looping forever.
  for (int round = 0; round < 100; ++round) {
    std::vector<std::pair<std::uint64_t, TWinControl*>> due;
    for (auto& [control, w] : windows_) {
      if (!IsEmptyRect(w.pending)) due.emplace_back(w.order, const_cast<TWinControl*>(control));
    }
    if (due.empty()) return;
    std::sort(due.begin(), due.end());
    for (const auto& entry : due) {
      TWinControl* control = entry.second;  // a plain name: lambdas below capture it
      const auto it = windows_.find(control);
      if (it == windows_.end()) continue;  // destroyed by an earlier repaint
      const TRect region = it->second.pending;
      it->second.pending = TRect{};
      Application().Guard([&] { control->PaintRegion(region); });
      const auto again = windows_.find(control);
      if (again == windows_.end()) continue;
      ++again->second.paints;
      CopyToScreen(*control, again->second, region);
    }
  }
}

int HeadlessHost::Run() {
  terminated_ = false;
  ProcessMessages();
  return 0;
}

const Bitmap& HeadlessHost::ScreenImage(const TWinControl& window) const {
  const auto it = windows_.find(&window);
  return it == windows_.end() ? EmptyBitmap() : it->second.screen;
}

TColor HeadlessHost::ShownPixel(const TControl& control, int x, int y) const {
  if (const auto* w = dynamic_cast<const TWinControl*>(&control)) return ScreenImage(*w).Pixel(x, y);
  if (control.Parent() == nullptr) return 0;
  return ScreenImage(*control.Parent()).Pixel(x + control.Left(), y + control.Top());
}

TRect HeadlessHost::PendingRegion(const TWinControl& window) const {
  const auto it = windows_.find(&window);
  return it == windows_.end() ? TRect{} : it->second.pending;
}

int HeadlessHost::PresentCount(const TWinControl& window) const {
  const auto it = windows_.find(&window);
  return it == windows_.end() ? 0 : it->second.presents;
}

int HeadlessHost::PaintCount(const TWinControl& window) const {
  const auto it = windows_.find(&window);
  return it == windows_.end() ? 0 : it->second.paints;
}

int HeadlessHost::ControlChangedCount(const TControl& control) const {
  const auto it = changes_.find(&control);
  return it == changes_.end() ? 0 : it->second;
}

TControl* HeadlessHost::MouseCapture() const { return MouseInput::Instance().Capture(); }

void HeadlessHost::Press(TWinControl& window, int x, int y, TMouseButton button, TShiftState modifiers) {
  Application().Guard([&] { MouseInput::Instance().Press(window, Point(x, y), button, modifiers); });
}

void HeadlessHost::Move(TWinControl& window, int x, int y, TShiftState modifiers) {
  Application().Guard([&] { MouseInput::Instance().Move(window, Point(x, y), modifiers, true); });
}

void HeadlessHost::MoveWithoutMessage(TWinControl& window, int x, int y, TShiftState modifiers) {
  Application().Guard([&] { MouseInput::Instance().Move(window, Point(x, y), modifiers, false); });
}

void HeadlessHost::Release(TWinControl& window, int x, int y, TMouseButton button, TShiftState modifiers) {
  Application().Guard([&] { MouseInput::Instance().Release(window, Point(x, y), button, modifiers); });
}

void HeadlessHost::Click(TWinControl& window, int x, int y, TMouseButton button, TShiftState modifiers) {
  Press(window, x, y, button, modifiers);
  Release(window, x, y, button, modifiers);
}

void HeadlessHost::DoubleClick(TWinControl& window, int x, int y, TShiftState modifiers) {
  Press(window, x, y, TMouseButton::mbLeft, modifiers);
  Release(window, x, y, TMouseButton::mbLeft, modifiers);
  Application().Guard(
      [&] { MouseInput::Instance().Press(window, Point(x, y), TMouseButton::mbLeft, modifiers, true); });
  Release(window, x, y, TMouseButton::mbLeft, modifiers);
}

void HeadlessHost::Drag(TWinControl& window, int x0, int y0, int x1, int y1, int steps, TMouseButton button,
                        TShiftState modifiers) {
  Press(window, x0, y0, button, modifiers);
  steps = std::max(steps, 1);
  for (int i = 1; i <= steps; ++i) {
    Move(window, x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps, modifiers);
  }
  Release(window, x1, y1, button, modifiers);
}

bool HeadlessHost::Wheel(TWinControl& window, int x, int y, int delta, TShiftState modifiers) {
  bool handled = false;
  Application().Guard([&] { handled = MouseInput::Instance().Wheel(window, Point(x, y), delta, modifiers); });
  return handled;
}

void HeadlessHost::Leave(TWinControl& window) {
  Application().Guard([&] { MouseInput::Instance().Leave(window); });
}

}  // namespace kurvex
